// write_png through libpng's simplified interface, which writes no time stamp.
#include <png.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "png/png_writer.h"
#include "png/size_check.h"

namespace zorva::png {

bool write_png(const std::string& path, int width, int height, const std::uint32_t* pixels,
               std::string& reason) {
  reason = size_problem(width, height);
  if (!reason.empty()) return false;
  if (pixels == nullptr) {
    reason = "no pixels were given";
    return false;
  }

  const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  std::vector<png_byte> rgb(count * 3);
  for (std::size_t i = 0; i < count; ++i) {
    rgb[3 * i] = static_cast<png_byte>(pixels[i] >> 16);
    rgb[3 * i + 1] = static_cast<png_byte>(pixels[i] >> 8);
    rgb[3 * i + 2] = static_cast<png_byte>(pixels[i]);
  }

  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) {
    reason = std::strerror(errno);
    return false;
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGB;
  if (png_image_write_to_stdio(&image, file, 0, rgb.data(), 0, nullptr) == 0) {
    // A failed write of the stream says more than libpng's own words for it.
    reason = std::ferror(file) ? std::strerror(errno) : image.message;
  }
  png_image_free(&image);
  // Buffered bytes meet a full disk only here.
  if (std::fflush(file) != 0 && reason.empty()) reason = std::strerror(errno);
  struct stat status {};
  const bool regular_file = fstat(fileno(file), &status) == 0 && S_ISREG(status.st_mode);
  if (std::fclose(file) != 0 && reason.empty()) reason = std::strerror(errno);
  if (reason.empty()) return true;
  // A half-written picture is of no use; a device or pipe in its place is not ours to remove.
  if (regular_file) std::remove(path.c_str());
  return false;
}

}  // namespace zorva::png
