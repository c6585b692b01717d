// Windows showing bitmaps without a copy: recording the band, settling it, handing it over.
#include "platform/gdi/shown_bitmap.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/gdi/gdi_lookup.h"

namespace zorva::platform {
namespace {

// Rows of `to`, whole, from `from` at column `from_left`, which reaches as far.
void copy_rows(const Pixmap& from, int from_left, int from_top, Pixmap& to, int to_top, int rows) {
  const std::size_t bytes = static_cast<std::size_t>(to.width) * sizeof(std::uint32_t);
  for (int i = 0; i < rows; ++i) std::memcpy(to.row(to_top + i), from.row(from_top + i) + from_left, bytes);
}

// The bitmap no longer names the window, nor the window the bitmap; a picture of the
// window's own becomes the spare storage.
void drop_band(ShownRows& shown) {
  if (shown.bitmap) {
    GdiObject* object = find_gdi_object(reinterpret_cast<HGDIOBJ>(shown.bitmap));
    if (object && object->kind == GdiKind::kBitmap) object->bitmap.shown_in = nullptr;
  }
  shown.pixels = nullptr;
  shown.bitmap = 0;
  if (!shown.picture.pixels.empty()) {
    std::swap(shown.spare, shown.picture);
    shown.picture = Pixmap{};
  }
}

}  // namespace

bool show_bitmap_rows(Window& window, HGDIOBJ handle, GdiObject& bitmap, int top, int bottom, int source_left,
                      int source_top) {
  ShownRows& shown = window.shown;
  const auto value = reinterpret_cast<std::uintptr_t>(handle);
  if (shown.pixels && shown.bitmap == value && shown.top == top && shown.bottom == bottom &&
      shown.source_left == source_left && shown.source_top == source_top)
    return false;  // drawing on the bitmap would have ended the band: it shows the same
  // Rows of the old band that the new one leaves out must keep what they showed.
  if (shown.pixels && (shown.top < top || shown.bottom > bottom)) {
    settle_shown_rows(window);
  } else {
    drop_band(shown);
  }
  if (bitmap.bitmap.shown_in && bitmap.bitmap.shown_in != window.handle) {
    if (Window* other = find_window(bitmap.bitmap.shown_in)) settle_shown_rows(*other);
  }
  shown.pixels = &bitmap.bitmap.pixels;
  shown.bitmap = value;
  shown.top = top;
  shown.bottom = bottom;
  shown.source_left = source_left;
  shown.source_top = source_top;
  bitmap.bitmap.shown_in = window.handle;
  return true;
}

void settle_shown_rows(Window& window) {
  ShownRows& shown = window.shown;
  if (!shown.pixels) return;
  copy_rows(*shown.pixels, shown.source_left, shown.source_top, window.framebuffer, shown.top,
            shown.bottom - shown.top);
  drop_band(shown);
}

void settle_shown_rows_of(HWND hwnd) {
  if (Window* top = top_level_of(hwnd)) settle_shown_rows(*top);
}

void forget_shown_rows(Window& window) {
  drop_band(window.shown);
  window.shown = ShownRows{};
}

void hand_over_shown_pixels(GdiObject& bitmap, const RECT& overwritten) {
  Window* window = find_window(bitmap.bitmap.shown_in);
  if (!window) {
    bitmap.bitmap.shown_in = nullptr;
    return;
  }
  ShownRows& shown = window->shown;
  Pixmap& pixels = bitmap.bitmap.pixels;
  const int width = pixels.width;
  const int height = pixels.height;
  const int left = std::clamp<int>(overwritten.left, 0, width);
  const int right = std::clamp<int>(overwritten.right, left, width);
  const int top = std::clamp<int>(overwritten.top, 0, height);
  const int bottom = std::clamp<int>(overwritten.bottom, top, height);
  const std::int64_t kept = std::int64_t{width} * height - std::int64_t{right - left} * (bottom - top);
  const std::int64_t band = std::int64_t{window->framebuffer.width} * (shown.bottom - shown.top);
  if (kept >= band) {
    settle_shown_rows(*window);
    return;
  }
  if (shown.spare.width != pixels.width || shown.spare.height != height) shown.spare = Pixmap(pixels.width, height);
  std::swap(shown.picture, pixels);
  std::swap(pixels, shown.spare);
  shown.pixels = &shown.picture;
  shown.bitmap = 0;
  bitmap.bitmap.shown_in = nullptr;
  copy_rows(shown.picture, 0, 0, pixels, 0, top);
  copy_rows(shown.picture, 0, bottom, pixels, bottom, height - bottom);
  // Beside the box a few columns at most, usually: copied pixel by pixel, not by call.
  if (top >= bottom || (left == 0 && right == width)) return;
  const std::uint32_t* from = shown.picture.row(top);
  std::uint32_t* to = pixels.row(top);
  const std::size_t stride = static_cast<std::size_t>(width);
  for (int y = top; y < bottom; ++y, from += stride, to += stride) {
    for (int x = 0; x < left; ++x) to[x] = from[x];
    for (int x = right; x < width; ++x) to[x] = from[x];
  }
}

FrameView frame_view_of(const Window& window) {
  FrameView view(window.framebuffer);
  const ShownRows& shown = window.shown;
  if (shown.pixels) {
    view.band = shown.pixels;
    view.band_top = shown.top;
    view.band_bottom = shown.bottom;
    view.band_source_left = shown.source_left;
    view.band_source_top = shown.source_top;
  }
  return view;
}

}  // namespace zorva::platform
