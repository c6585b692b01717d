// compare_pictures, background_colour and format_percent.
#include "tools/diff/picture_comparison.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <unordered_map>

namespace zorva::tools {
namespace {

bool close(std::uint32_t a, std::uint32_t b, int tolerance) {
  for (int shift : {0, 8, 16}) {
    const int a_value = static_cast<int>((a >> shift) & 0xFF);
    const int b_value = static_cast<int>((b >> shift) & 0xFF);
    if (std::abs(a_value - b_value) > tolerance) return false;
  }
  return true;
}

// A quarter of the colour over three quarters of white: the picture is still recognisable
// under the red and blue marks.
std::uint32_t dimmed(std::uint32_t colour) {
  std::uint32_t out = 0;
  for (int shift : {0, 8, 16}) out |= (0xC0u + ((colour >> shift) & 0xFF) / 4) << shift;
  return out;
}

const std::uint32_t* pixel_at(const png::RgbImage& picture, int x, int y) {
  if (x >= picture.width || y >= picture.height) return nullptr;
  return &picture.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.width) +
                         static_cast<std::size_t>(x)];
}

}  // namespace

std::uint32_t background_colour(const png::RgbImage& picture) {
  std::unordered_map<std::uint32_t, std::int64_t> counts;
  for (std::uint32_t pixel : picture.pixels) ++counts[pixel];
  std::uint32_t best = 0xFFFFFF;
  std::int64_t best_count = 0;
  for (const auto& [colour, count] : counts) {
    if (count > best_count || (count == best_count && colour < best)) {
      best = colour;
      best_count = count;
    }
  }
  return best;
}

Comparison compare_pictures(const png::RgbImage& expected, const png::RgbImage& actual,
                            int tolerance, png::RgbImage* difference) {
  Comparison result;
  const int width = std::max(expected.width, actual.width);
  const int height = std::max(expected.height, actual.height);
  result.same_size = expected.width == actual.width && expected.height == actual.height;
  result.compared = std::int64_t{width} * height;
  const std::uint32_t background = background_colour(expected);
  if (difference != nullptr) {
    difference->width = width;
    difference->height = height;
    difference->pixels.assign(static_cast<std::size_t>(result.compared), 0);
  }
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t* e = pixel_at(expected, x, y);
      const std::uint32_t* a = pixel_at(actual, x, y);
      const bool same = e != nullptr && a != nullptr && close(*e, *a, tolerance);
      if (!same) ++result.differing;
      if (difference == nullptr) continue;
      std::uint32_t shown = dimmed(e != nullptr ? *e : 0xFFFFFF);
      if (!same) {
        const bool expected_ink = e != nullptr && !close(*e, background, tolerance);
        const bool actual_ink = a != nullptr && !close(*a, background, tolerance);
        shown = expected_ink == actual_ink ? kChangedInk : expected_ink ? kMissingInk : kExtraInk;
      }
      difference->pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                         static_cast<std::size_t>(x)] = shown;
    }
  }
  return result;
}

std::string format_percent(std::int64_t differing, std::int64_t compared) {
  if (compared <= 0 || differing <= 0) return "0";
  if (differing >= compared) return "100";
  const double percent = 100.0 * static_cast<double>(differing) / static_cast<double>(compared);
  char text[32] = "0";
  for (int decimals = 2; decimals <= 10; ++decimals) {
    std::snprintf(text, sizeof text, "%.*f", decimals, percent);
    const double shown = std::strtod(text, nullptr);
    if (shown > 0.0 && shown < 100.0) break;
  }
  std::string out(text);
  // "12.50" reads better as "12.5", "3.00" as "3".
  if (out.find('.') != std::string::npos) {
    while (out.back() == '0') out.pop_back();
    if (out.back() == '.') out.pop_back();
  }
  return out;
}

}  // namespace zorva::tools
