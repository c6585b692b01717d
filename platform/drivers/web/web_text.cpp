// TextOutA, GetTextExtentPointA and GetTextMetricsA in a web page, over the browser's fonts:
// glyphs sit at whole-pixel pen positions (advances plus kerning, as GDI places them) and
// their coverage blends the text colour over what is there.
#include <algorithm>
#include <climits>
#include <cstdint>

#include "platform/drivers/web/browser_fonts.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_object.h"
#include "platform/raster/raster_target.h"

using namespace zorva::platform;
using namespace zorva::platform::raster;
using zorva::platform::web::BrowserFont;

namespace {

BrowserFont* font_of(const DeviceContext& dc) {
  const FontRequest* request = find_gdi<FontRequest>(dc.font);
  return request ? &web::resolve_font(*request) : nullptr;
}

// The advance of a run: the characters' advances with kerning between neighbours.
std::int64_t text_width(BrowserFont& font, const char* bytes, int count) {
  std::int64_t total = 0;
  for (int i = 0; i < count; ++i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    total += web::advance(font, c);
    if (i > 0) total += web::kerning(font, static_cast<unsigned char>(bytes[i - 1]), c);
  }
  return total;
}

std::uint32_t blend(std::uint32_t under, std::uint32_t ink, unsigned coverage) {
  std::uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const unsigned u = (under >> shift) & 0xFFu;
    const unsigned i = (ink >> shift) & 0xFFu;
    out |= ((i * coverage + u * (255 - coverage) + 127) / 255) << shift;
  }
  return out;
}

void put_glyph(const RasterTarget& target, const web::GlyphMask& mask, std::int64_t x, std::int64_t y,
               std::uint32_t ink) {
  const std::int64_t left = x + mask.left;
  const std::int64_t top = y + mask.top;
  const std::int64_t row_first = std::max<std::int64_t>(0, target.top - top);
  const std::int64_t row_end = std::min<std::int64_t>(mask.height, target.bottom - top);
  const std::int64_t col_first = std::max<std::int64_t>(0, target.left - left);
  const std::int64_t col_end = std::min<std::int64_t>(mask.width, target.right - left);
  for (std::int64_t r = row_first; r < row_end; ++r) {
    const std::uint8_t* source = mask.coverage.data() + r * mask.width;
    std::uint32_t* row = target.pixmap->row(static_cast<int>(top + r + target.origin_y));
    for (std::int64_t c = col_first; c < col_end; ++c) {
      const unsigned coverage = source[c];
      if (coverage == 0) continue;
      std::uint32_t& pixel = row[left + c + target.origin_x];
      pixel = coverage == 255 ? ink : blend(pixel, ink, coverage);
    }
  }
}

}  // namespace

extern "C" {

BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c) {
  DeviceContext* dc = find_dc(hdc);
  Canvas canvas;
  if (!dc || c < 0 || (c > 0 && !lpString) || !resolve_canvas(hdc, canvas)) return FALSE;
  if (c == 0) return TRUE;
  BrowserFont* font = font_of(*dc);
  if (!font) return FALSE;
  const RasterTarget target = target_of(canvas);
  const std::int64_t cell_height = font->ascent + font->descent;
  const std::uint32_t ink = pixel_from_colorref(dc->text_color);
  if (dc->bk_mode == OPAQUE)
    target.fill_box(x, y, x + text_width(*font, lpString, c), y + cell_height, pixel_from_colorref(dc->bk_color));
  // Only glyphs that might show are drawn: a long text stops once it has left the box.
  const std::int64_t reach = font->em_height + 2;
  std::int64_t pen_x = x;
  for (int i = 0; i < c && pen_x - reach < target.right; ++i) {
    const auto byte = static_cast<unsigned char>(lpString[i]);
    if (i > 0) pen_x += web::kerning(*font, static_cast<unsigned char>(lpString[i - 1]), byte);
    if (pen_x + web::advance(*font, byte) + reach > target.left && y + cell_height + reach > target.top &&
        y - reach < target.bottom)
      put_glyph(target, web::glyph(*font, byte), pen_x, y, ink);
    pen_x += web::advance(*font, byte);
  }
  canvas_changed(hdc);
  return TRUE;
}

BOOL WINAPI GetTextExtentPointA(HDC hdc, LPCSTR lpString, int c, LPSIZE lpsz) {
  const DeviceContext* dc = find_dc(hdc);
  if (!dc || !lpsz || c < 0 || (c > 0 && !lpString)) return FALSE;
  BrowserFont* font = font_of(*dc);
  if (!font) return FALSE;
  lpsz->cx = static_cast<LONG>(std::min<std::int64_t>(text_width(*font, lpString, c), INT32_MAX));
  lpsz->cy = font->ascent + font->descent;
  return TRUE;
}

BOOL WINAPI GetTextMetricsA(HDC hdc, LPTEXTMETRICA lptm) {
  const DeviceContext* dc = find_dc(hdc);
  if (!dc || !lptm) return FALSE;
  const FontRequest* request = find_gdi<FontRequest>(dc->font);
  if (!request) return FALSE;
  BrowserFont& font = web::resolve_font(*request);
  TEXTMETRICA tm{};
  tm.tmHeight = font.ascent + font.descent;
  tm.tmAscent = font.ascent;
  tm.tmDescent = font.descent;
  tm.tmInternalLeading = std::max(0, tm.tmHeight - font.em_height);
  tm.tmExternalLeading = std::max(0, font.line_skip - tm.tmHeight);
  tm.tmAveCharWidth = font.average_width;
  tm.tmMaxCharWidth = web::max_char_width(font);
  tm.tmWeight = request->weight;
  tm.tmDigitizedAspectX = 96;
  tm.tmDigitizedAspectY = 96;
  tm.tmFirstChar = 32;
  tm.tmLastChar = 255;
  tm.tmDefaultChar = '?';
  tm.tmBreakChar = ' ';
  tm.tmItalic = request->italic ? 255 : 0;
  // Low bit set means a variable-pitch font; then the family (modern or swiss) and the
  // vector/TrueType bits, as the desktop's text reports them.
  tm.tmPitchAndFamily = static_cast<BYTE>(font.monospace ? 0x36 : 0x27);
  tm.tmCharSet = 0;  // ANSI_CHARSET
  *lptm = tm;
  return TRUE;
}

}  // extern "C"
