// Writing pictures as 8-bit RGB PNG files. The same pixels always give the same bytes: no
// time stamp and nothing else that varies is written.
#pragma once

#include <cstdint>
#include <string>

#include "png/rgb_image.h"

namespace zorva::png {

// Writes width * height pixels (0x00RRGGBB, top row first) to the file at `path`, replacing
// it. On failure returns false, sets `reason` (for example "Permission denied") and leaves
// no partly written file behind.
bool write_png(const std::string& path, int width, int height, const std::uint32_t* pixels,
               std::string& reason);

inline bool write_png(const std::string& path, const RgbImage& image, std::string& reason) {
  return write_png(path, image.width, image.height, image.pixels.data(), reason);
}

}  // namespace zorva::png
