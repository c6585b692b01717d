// A small off-screen picture with the menu font selected: menus and dialog controls draw their
// pieces here (fills directly, text through GDI) and then copy the pixels where they belong.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/core/pixmap.h"
#include "platform/win32.h"

namespace zorva::platform {

// Colours of the classic system look (0x00RRGGBB).
inline constexpr std::uint32_t kFaceColor = 0xD4D0C8;       // menus, dialogs, buttons
inline constexpr std::uint32_t kHighlightColor = 0x0A246A;  // selected menu item
inline constexpr std::uint32_t kHighlightTextColor = 0xFFFFFF;
inline constexpr std::uint32_t kTextColor = 0x000000;
inline constexpr std::uint32_t kGrayTextColor = 0x808080;
inline constexpr std::uint32_t kShadowColor = 0x808080;
inline constexpr std::uint32_t kDarkShadowColor = 0x404040;
inline constexpr std::uint32_t kLightColor = 0xFFFFFF;
inline constexpr std::uint32_t kWindowColor = 0xFFFFFF;  // edit fields

class ScratchSurface {
 public:
  // A surface of at least 1 by 1 pixel, filled with `fill`, with DEFAULT_GUI_FONT selected.
  ScratchSurface(int width, int height, std::uint32_t fill);
  ~ScratchSurface();
  ScratchSurface(const ScratchSurface&) = delete;
  ScratchSurface& operator=(const ScratchSurface&) = delete;

  int width() const { return width_; }
  int height() const { return height_; }

  // Fills [left, right) x [top, bottom), clipped to the surface.
  void fill(int left, int top, int right, int bottom, std::uint32_t pixel);
  // A one-pixel outline of the box, right and bottom exclusive.
  void outline(int left, int top, int right, int bottom, std::uint32_t pixel);
  // Raised (or sunken) 3D edge two pixels deep, the classic button and field frame.
  void edge(int left, int top, int right, int bottom, bool sunken);

  // Text with its cell's top-left at (x, y), drawn transparently.
  void text(int x, int y, std::string_view chars, std::uint32_t pixel);
  int text_width(std::string_view chars);
  int line_height() const { return line_height_; }
  int ascent() const { return ascent_; }
  // Underlines the character at `index` of text drawn at (x, y).
  void underline(int x, int y, std::string_view chars, int index, std::uint32_t pixel);

  // Copies the surface into `target` with its top-left at (x, y), writing only inside `clip`
  // (target coordinates, right and bottom exclusive) and inside the target.
  void copy_to(Pixmap& target, int x, int y, const RECT& clip) const;

 private:
  int width_;
  int height_;
  int line_height_ = 13;
  int ascent_ = 11;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_bitmap_ = nullptr;
  HGDIOBJ previous_font_ = nullptr;
  Pixmap* pixels_ = nullptr;
};

}  // namespace zorva::platform
