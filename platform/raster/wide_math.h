// 128-bit arithmetic for the rasteriser: products of two 64-bit coordinate differences fit,
// and divisions round the way pixel rules need.
#pragma once

namespace zorva::platform::raster {

using Wide = __int128;

// floor(a / b) and ceil(a / b) for b > 0 (C++ division truncates towards zero).
constexpr Wide floor_div(Wide a, Wide b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
constexpr Wide ceil_div(Wide a, Wide b) { return -floor_div(-a, b); }

}  // namespace zorva::platform::raster
