// Comparing two pictures pixel by pixel, and the picture that shows where they differ.
#pragma once

#include <cstdint>
#include <string>

#include "png/rgb_image.h"

namespace zorva::tools {

struct Comparison {
  std::int64_t differing = 0;
  std::int64_t compared = 0;  // the larger width by the larger height
  bool same_size = true;
};

// Colours of the difference picture.
inline constexpr std::uint32_t kMissingInk = 0xFF0000;  // ink of the expected picture only
inline constexpr std::uint32_t kExtraInk = 0x0000FF;    // ink of the actual picture only
inline constexpr std::uint32_t kChangedInk = 0xFF00FF;  // ink in both, or in neither, but unlike

// A pixel differs when one of its channels differs by more than `tolerance`; where only one
// picture reaches (pictures of different sizes), it differs too. With `difference` given, it
// receives the difference picture: the expected picture dimmed, and each differing pixel in
// one of the colours above. Ink is what differs (by more than the tolerance) from the
// background, the expected picture's most common colour.
Comparison compare_pictures(const png::RgbImage& expected, const png::RgbImage& actual,
                            int tolerance, png::RgbImage* difference);

// The most common colour (the lowest value among equally common ones); white when empty.
std::uint32_t background_colour(const png::RgbImage& picture);

// The share of differing pixels in percent, as short as it can be without reading 0 or 100
// when it is neither: "0", "12.5", "0.0031", "100".
std::string format_percent(std::int64_t differing, std::int64_t compared);

}  // namespace zorva::tools
