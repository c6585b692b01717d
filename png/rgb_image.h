// A picture as ZORVA keeps pixels everywhere: 0x00RRGGBB, row by row, top row first.
#pragma once

#include <cstdint>
#include <vector>

namespace zorva::png {

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // width * height
};

// The largest picture read or written (8192 by 8192): a damaged or hostile file header gets
// a clear refusal instead of an allocation of many gigabytes.
inline constexpr std::int64_t kMaxPixels = std::int64_t{1} << 26;

}  // namespace zorva::png
