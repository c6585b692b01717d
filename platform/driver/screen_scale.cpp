// Choosing the scale factor for a dense screen, and the two exact integer mappings it needs.
#include "platform/driver/screen_scale.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace zorva::platform {
namespace {

// A whole number written as nothing but digits (a sign allowed); -1 for any other text.
long parse_whole(const std::string& text) {
  if (text.empty() || text.size() > 9) return -1;
  char* end = nullptr;
  errno = 0;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || end == text.c_str()) return -1;
  return value;
}

// A hint's factor, rounded down and kept within 1 to kMaxScale (0: the hint says nothing).
int hint_factor(double scale) {
  if (!std::isfinite(scale) || scale < 1) return 0;
  return static_cast<int>(std::min<double>(std::floor(scale), kMaxScale));
}

bool desktop_fits(const DesktopFacts& facts, int factor) {
  return facts.usable_width / factor >= kSmallestDesktopWidth &&
         facts.usable_height / factor >= kSmallestDesktopHeight;
}

}  // namespace

ScaleChoice choose_scale(const DesktopFacts& facts, const char* requested) {
  ScaleChoice choice;
  if (requested && requested[0] != '\0') {
    const long wanted = parse_whole(requested);
    if (wanted >= 1 && wanted <= kMaxScale) {
      choice.factor = static_cast<int>(wanted);
      return choice;
    }
    choice.complaint = std::string("ZORVA_SCALE=\"") + std::string(requested).substr(0, 40) +
                       "\" is not a scale from 1 to " + std::to_string(kMaxScale) +
                       "; using the desktop's";
  }
  int factor = 1;
  factor = std::max(factor, hint_factor(facts.xft_dpi / 96.0));
  const long gdk = parse_whole(facts.gdk_scale);
  if (gdk > 0) factor = std::max(factor, hint_factor(static_cast<double>(gdk)));
  factor = std::max(factor, hint_factor(facts.display_scale));
  while (factor > 1 && !desktop_fits(facts, factor)) --factor;
  choice.factor = factor;
  return choice;
}

int scale_for_desktop(const DesktopFacts& facts) {
  const ScaleChoice choice = choose_scale(facts, std::getenv("ZORVA_SCALE"));
  if (!choice.complaint.empty()) std::fprintf(stderr, "zorva: %s\n", choice.complaint.c_str());
  return choice.factor;
}

int to_program_pixels(int screen_position, int factor) {
  if (factor <= 1) return screen_position;
  // Rounds toward minus infinity (C++ division rounds toward zero); no overflow at INT_MIN.
  const int quotient = screen_position / factor;
  return screen_position % factor < 0 ? quotient - 1 : quotient;
}

void scale_up(const std::uint32_t* pixels, int width, int height, int stride, int factor, void* target, int pitch) {
  if (width <= 0 || height <= 0 || factor < 1) return;
  const std::size_t row_bytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(factor) * 4;
  auto* out = static_cast<unsigned char*>(target);
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* source = pixels + static_cast<std::ptrdiff_t>(y) * stride;
    unsigned char* first = out + static_cast<std::ptrdiff_t>(y) * factor * pitch;
    auto* row = reinterpret_cast<std::uint32_t*>(first);
    for (int x = 0; x < width; ++x)
      for (int i = 0; i < factor; ++i) *row++ = source[x];
    // The block's other rows are the same as its first.
    for (int i = 1; i < factor; ++i) std::memcpy(first + static_cast<std::ptrdiff_t>(i) * pitch, first, row_bytes);
  }
}

}  // namespace zorva::platform
