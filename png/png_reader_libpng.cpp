// read_png through libpng's simplified interface, which turns every kind of PNG into 8-bit RGB.
#include <png.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "png/png_reader.h"
#include "png/size_check.h"

namespace zorva::png {
namespace {

// Why libpng gave up: the stream's own error when there is one, else libpng's words.
std::string failure_reason(std::FILE* file, const png_image& image) {
  if (std::ferror(file)) return std::strerror(errno);
  if (std::feof(file)) return "the file ends before the picture does";
  return image.message;
}

bool read_open_file(std::FILE* file, RgbImage& out, std::string& reason) {
  struct stat status {};
  if (fstat(fileno(file), &status) == 0 && S_ISDIR(status.st_mode)) {
    reason = std::strerror(EISDIR);
    return false;
  }
  // A file too short for the signature is no PNG either, whatever libpng would say of it.
  png_byte signature[8] = {};
  const std::size_t signature_bytes = std::fread(signature, 1, sizeof signature, file);
  if (std::ferror(file)) {
    reason = std::strerror(errno);
    return false;
  }
  if (signature_bytes < sizeof signature || png_sig_cmp(signature, 0, sizeof signature) != 0) {
    reason = "not a PNG file";
    return false;
  }
  if (std::fseek(file, 0, SEEK_SET) != 0) {
    reason = std::strerror(errno);
    return false;
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_stdio(&image, file) == 0) {
    reason = failure_reason(file, image);
    png_image_free(&image);
    return false;
  }
  reason = size_problem(image.width, image.height);
  if (!reason.empty()) {
    png_image_free(&image);
    return false;
  }
  image.format = PNG_FORMAT_RGB;
  const std::size_t count = std::size_t{image.width} * image.height;
  std::vector<png_byte> rgb(count * 3);
  const png_color white{255, 255, 255};
  if (png_image_finish_read(&image, &white, rgb.data(), 0, nullptr) == 0) {
    reason = failure_reason(file, image);
    png_image_free(&image);
    return false;
  }
  out.width = static_cast<int>(image.width);
  out.height = static_cast<int>(image.height);
  out.pixels.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    out.pixels[i] = (std::uint32_t{rgb[3 * i]} << 16) | (std::uint32_t{rgb[3 * i + 1]} << 8) |
                    rgb[3 * i + 2];
  }
  return true;
}

}  // namespace

bool read_png(const std::string& path, RgbImage& image, std::string& reason) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    reason = std::strerror(errno);
    return false;
  }
  const bool ok = read_open_file(file, image, reason);
  std::fclose(file);
  return ok;
}

}  // namespace zorva::png
