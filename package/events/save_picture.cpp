// Ctrl+S: the picture of the drawing window into the first free ZORVA-NNN.png.
#include "internal/save_picture.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "internal/client_area.h"
#include "png/png_writer.h"
#include "zorva.h"

namespace zorva {
namespace {

std::string picture_name(int number) {
  char name[32];
  std::snprintf(name, sizeof name, "ZORVA-%03d.png", number);
  return name;
}

// The first name that no directory entry has, or "" when all are taken. A name whose state
// cannot be found out is taken to be free, so the write says what the trouble is.
std::string first_free_name() {
  for (int number = 1; number <= kMaxPictureNumber; ++number) {
    const std::string name = picture_name(number);
    std::error_code error;
    const auto type = std::filesystem::symlink_status(name, error).type();
    if (type == std::filesystem::file_type::not_found || type == std::filesystem::file_type::none) {
      return name;
    }
  }
  return "";
}

}  // namespace

void save_picture() {
  const std::string name = first_free_name();
  if (name.empty()) {
    ZORVA_log("Cannot save the picture: %s to %s are all taken\n", picture_name(1).c_str(),
              picture_name(kMaxPictureNumber).c_str());
    return;
  }
  png::RgbImage picture;
  if (!read_client_area(picture)) {
    ZORVA_log("Cannot save the picture in %s: the drawing window cannot be read\n", name.c_str());
    return;
  }
  std::string reason;
  if (png::write_png(name, picture, reason)) {
    ZORVA_log("Picture saved in %s\n", name.c_str());
  } else {
    ZORVA_log("Cannot save the picture in %s: %s\n", name.c_str(), reason.c_str());
  }
}

}  // namespace zorva
