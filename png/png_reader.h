// Reading PNG files of any kind (grey, palette, 16-bit, with alpha) as 8-bit RGB pixels.
// Built where libpng is; the Windows build writes pictures only.
#pragma once

#include <string>

#include "png/rgb_image.h"

namespace zorva::png {

// Reads the file at `path` into `image`; transparent pixels are composed onto white, the
// drawing window's background. On failure returns false and sets `reason` (for example
// "No such file or directory" or "not a PNG file").
bool read_png(const std::string& path, RgbImage& image, std::string& reason);

}  // namespace zorva::png
