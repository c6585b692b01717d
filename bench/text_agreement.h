// How closely our text looks like the reference's: the share of the pixels inside the texts'
// boxes whose three channels each lie within a tolerance of the reference picture's. Smoothed
// glyphs never match to the last level, so an exact comparison would say little; 48 levels
// tell a stroke that is there, a little lighter, from one that is missing or misplaced.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace bench_support {

constexpr int kTextTolerance = 48;

// A text's box in device pixels, right and bottom exclusive.
struct TextBox {
  int left = 0, top = 0, right = 0, bottom = 0;
};

struct TextAgreement {
  long long pixels = 0;      // inside the boxes (a pixel in two boxes counts twice)
  long long agreeing = 0;
  double worst_box = 100.0;  // the lowest share of one box, in percent
  double percent() const { return pixels == 0 ? 100.0 : 100.0 * static_cast<double>(agreeing) / static_cast<double>(pixels); }
};

// Compares two RGB pictures (3 bytes a pixel, rows top-down, both width x height) inside the
// boxes, each clipped to the pictures.
inline TextAgreement text_agreement(const unsigned char* ours, const unsigned char* reference, int width, int height,
                                    const std::vector<TextBox>& boxes) {
  TextAgreement result;
  for (const TextBox& box : boxes) {
    const int left = std::max(box.left, 0), right = std::min(box.right, width);
    const int top = std::max(box.top, 0), bottom = std::min(box.bottom, height);
    long long pixels = 0, agreeing = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) {
        const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 3;
        bool close = true;
        for (int c = 0; c < 3; ++c) close = close && std::abs(ours[at + c] - reference[at + c]) <= kTextTolerance;
        ++pixels;
        agreeing += close;
      }
    if (pixels == 0) continue;
    result.pixels += pixels;
    result.agreeing += agreeing;
    result.worst_box = std::min(result.worst_box, 100.0 * static_cast<double>(agreeing) / static_cast<double>(pixels));
  }
  return result;
}

}  // namespace bench_support
