// How many screen pixels each of a program's pixels takes, each way, on a dense screen: an
// integer from 1 to kMaxScale, chosen once from the desktop's facts. The program, the package
// and the GDI always work in their own pixels; a driver that scales shows each of them as an
// N by N block (nearest neighbour) and maps screen positions back with to_program_pixels.
#pragma once

#include <cstdint>
#include <string>

namespace zorva::platform {

constexpr int kMaxScale = 4;
// A factor must leave a desktop of at least this size in the program's pixels: programs
// written for Windows expect their windows (the drawing window is 601 by 540) to fit there.
constexpr int kSmallestDesktopWidth = 800;
constexpr int kSmallestDesktopHeight = 600;

// What a driver knows of its desktop. Zero or empty: not known.
struct DesktopFacts {
  int usable_width = 0;  // the screen's usable area (without panels), in screen pixels
  int usable_height = 0;
  double xft_dpi = 0;         // the X resource Xft.dpi
  std::string gdk_scale;      // GDK_SCALE, as set, where it applies
  double display_scale = 0;   // the display's own scale, where the system reports one
};

struct ScaleChoice {
  int factor = 1;
  std::string complaint;  // one line when `requested` was wrong (and so ignored); else empty
};

// The factor: `requested` (ZORVA_SCALE's text; nullptr or empty when not set) when it is 1 to
// kMaxScale; otherwise the largest the desktop's hints ask for (Xft.dpi / 96, GDK_SCALE, the
// display's scale; each rounded down), lowered until the smallest desktop fits the usable area.
ScaleChoice choose_scale(const DesktopFacts& facts, const char* requested);

// choose_scale with ZORVA_SCALE from the environment; a complaint goes to stderr.
int scale_for_desktop(const DesktopFacts& facts);

// A position relative to a window, in screen pixels, in the window's own pixels. Positions
// left of or above the window (reported while the button is held) round down too, so there
// is no doubled pixel at 0.
int to_program_pixels(int screen_position, int factor);

// Writes `width` by `height` pixels (rows `stride` pixels apart), each as a factor by factor
// block, into `target` (rows `pitch` bytes apart, room for width * factor by height * factor).
void scale_up(const std::uint32_t* pixels, int width, int height, int stride, int factor, void* target, int pitch);

}  // namespace zorva::platform
