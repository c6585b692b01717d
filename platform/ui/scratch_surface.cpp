// The scratch surface: a memory DC with a bitmap and the GUI font, drawn into directly.
#include "platform/ui/scratch_surface.h"

#include <algorithm>
#include <climits>

#include "platform/gdi/gdi_lookup.h"

namespace zorva::platform {
namespace {

// Text longer than this is cut when drawn or measured: no menu or control shows more.
constexpr std::size_t kMaxDrawnChars = 4096;
// Width of a character when the font cannot be measured (keeps layouts sensible).
constexpr int kFallbackCharWidth = 7;

int clamp_to(int value, int low, int high) { return std::min(std::max(value, low), high); }

std::string_view cut(std::string_view chars) { return chars.substr(0, std::min(chars.size(), kMaxDrawnChars)); }

}  // namespace

ScratchSurface::ScratchSurface(int width, int height, std::uint32_t fill)
    : width_(clamp_to(width, 1, 8192)), height_(clamp_to(height, 1, 8192)) {
  dc_ = CreateCompatibleDC(nullptr);
  bitmap_ = CreateCompatibleBitmap(dc_, width_, height_);
  if (dc_ != nullptr && bitmap_ != nullptr) {
    previous_bitmap_ = SelectObject(dc_, bitmap_);
    previous_font_ = SelectObject(dc_, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc_, TRANSPARENT);
    if (Bitmap* b = find_gdi<Bitmap>(bitmap_)) pixels_ = &b->pixels;
    TEXTMETRICA metrics{};
    if (GetTextMetricsA(dc_, &metrics) && metrics.tmHeight > 0) {
      line_height_ = metrics.tmHeight;
      ascent_ = std::clamp<int>(metrics.tmAscent, 1, line_height_);
    }
  }
  this->fill(0, 0, width_, height_, fill);
}

ScratchSurface::~ScratchSurface() {
  if (dc_ != nullptr) {
    if (previous_font_ != nullptr) SelectObject(dc_, previous_font_);
    if (previous_bitmap_ != nullptr) SelectObject(dc_, previous_bitmap_);
    DeleteDC(dc_);
  }
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
}

void ScratchSurface::fill(int left, int top, int right, int bottom, std::uint32_t pixel) {
  if (pixels_ == nullptr) return;
  left = clamp_to(left, 0, pixels_->width);
  right = clamp_to(right, 0, pixels_->width);
  top = clamp_to(top, 0, pixels_->height);
  bottom = clamp_to(bottom, 0, pixels_->height);
  for (int y = top; y < bottom; ++y) std::fill(pixels_->row(y) + left, pixels_->row(y) + right, pixel);
}

void ScratchSurface::outline(int left, int top, int right, int bottom, std::uint32_t pixel) {
  if (right <= left || bottom <= top) return;
  fill(left, top, right, top + 1, pixel);
  fill(left, bottom - 1, right, bottom, pixel);
  fill(left, top, left + 1, bottom, pixel);
  fill(right - 1, top, right, bottom, pixel);
}

void ScratchSurface::edge(int left, int top, int right, int bottom, bool sunken) {
  if (right - left < 4 || bottom - top < 4) return outline(left, top, right, bottom, kDarkShadowColor);
  // Outer ring: light top-left and dark bottom-right for a raised edge; swapped when sunken.
  const std::uint32_t outer_lit = sunken ? kShadowColor : kLightColor;
  const std::uint32_t outer_dark = sunken ? kLightColor : kDarkShadowColor;
  const std::uint32_t inner_lit = sunken ? kDarkShadowColor : kFaceColor;
  const std::uint32_t inner_dark = sunken ? kFaceColor : kShadowColor;
  fill(left, top, right - 1, top + 1, outer_lit);
  fill(left, top, left + 1, bottom - 1, outer_lit);
  fill(left, bottom - 1, right, bottom, outer_dark);
  fill(right - 1, top, right, bottom, outer_dark);
  fill(left + 1, top + 1, right - 2, top + 2, inner_lit);
  fill(left + 1, top + 1, left + 2, bottom - 2, inner_lit);
  fill(left + 1, bottom - 2, right - 1, bottom - 1, inner_dark);
  fill(right - 2, top + 1, right - 1, bottom - 1, inner_dark);
}

void ScratchSurface::text(int x, int y, std::string_view chars, std::uint32_t pixel) {
  if (dc_ == nullptr || chars.empty()) return;
  chars = cut(chars);
  SetTextColor(dc_, colorref_from_pixel(pixel));
  TextOutA(dc_, x, y, chars.data(), static_cast<int>(chars.size()));
}

int ScratchSurface::text_width(std::string_view chars) {
  chars = cut(chars);
  if (chars.empty()) return 0;
  SIZE size{0, 0};
  if (dc_ != nullptr && GetTextExtentPointA(dc_, chars.data(), static_cast<int>(chars.size()), &size) &&
      size.cx >= 0)
    return size.cx;
  return kFallbackCharWidth * static_cast<int>(chars.size());
}

void ScratchSurface::underline(int x, int y, std::string_view chars, int index, std::uint32_t pixel) {
  if (index < 0 || static_cast<std::size_t>(index) >= chars.size()) return;
  const int start = x + text_width(chars.substr(0, static_cast<std::size_t>(index)));
  const int width = std::max(1, text_width(chars.substr(static_cast<std::size_t>(index), 1)));
  fill(start, y + ascent_ + 1, start + width, y + ascent_ + 2, pixel);
}

void ScratchSurface::copy_to(Pixmap& target, int x, int y, const RECT& clip) const {
  if (pixels_ == nullptr) return;
  // 64-bit arithmetic: positions may be anywhere in the int range.
  const long long left = std::max<long long>({0LL, clip.left, static_cast<long long>(x)});
  const long long top = std::max<long long>({0LL, clip.top, static_cast<long long>(y)});
  const long long right = std::min<long long>({static_cast<long long>(target.width), clip.right,
                                               static_cast<long long>(x) + width_});
  const long long bottom = std::min<long long>({static_cast<long long>(target.height), clip.bottom,
                                                static_cast<long long>(y) + height_});
  if (left >= right || top >= bottom) return;
  for (long long row = top; row < bottom; ++row) {
    const std::uint32_t* from = pixels_->row(static_cast<int>(row - y)) + (left - x);
    std::copy(from, from + (right - left), target.row(static_cast<int>(row)) + left);
  }
}

}  // namespace zorva::platform
