// The size rule shared by the reader and the writers.
#pragma once

#include <cstdint>
#include <string>

#include "png/rgb_image.h"

namespace zorva::png {

// Empty when a width by height picture can be read or written; otherwise why not.
inline std::string size_problem(std::int64_t width, std::int64_t height) {
  const std::string size = std::to_string(width) + "x" + std::to_string(height);
  if (width <= 0 || height <= 0) return "the picture has no pixels (" + size + ")";
  if (width * height > kMaxPixels) {
    return "the picture is too large (" + size + " pixels; at most " +
           std::to_string(kMaxPixels) + ")";
  }
  return "";
}

}  // namespace zorva::png
