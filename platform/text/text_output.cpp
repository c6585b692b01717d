// TextOutA, GetTextExtentPointA and GetTextMetricsA over the DC's selected font: glyphs come
// from the driver's glyph source as coverage masks, composited onto the target.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "platform/driver/driver.h"
#include "platform/gdi/gdi_lookup.h"
#include "platform/gdi/raster_canvas.h"
#include "platform/state/platform_state.h"
#include "platform/text/glyph_source.h"
#include "platform/text/mask_compositing.h"

using namespace zorva::platform;
using namespace zorva::platform::raster;
using zorva::platform::text::FontFace;
using zorva::platform::text::GlyphMask;
using zorva::platform::text::GlyphSource;

namespace {

// Text is rendered in pieces of this many bytes, so no single mask gets huge and a long
// text stops being rendered once it runs past the visible box.
constexpr int kPieceBytes = 256;

const FontFace* font_of(const DeviceContext& dc, GlyphSource& glyphs) {
  const GdiObject* font = dc.font.object;
  if (!font || font->kind != GdiKind::kFont) return nullptr;
  return glyphs.resolve(font->font);
}

}  // namespace

extern "C" {

BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c) {
  DeviceContext* dc = find_dc(hdc);
  Canvas canvas;
  if (!dc || c < 0 || (c > 0 && !lpString) || !resolve_canvas(*dc, canvas)) return FALSE;
  if (c == 0) return TRUE;
  GlyphSource& glyphs = driver().glyphs();
  const FontFace* font = font_of(*dc, glyphs);
  if (!font) return FALSE;
  const RasterTarget target = target_of(canvas);
  const std::int64_t cell_height = font->ascent + font->descent;
  const std::uint32_t bk = pixel_from_colorref(dc->bk_color);
  const std::uint32_t ink = pixel_from_colorref(dc->text_color);

  std::int64_t pen_x = x;
  for (int start = 0; start < c && pen_x < target.right; start += kPieceBytes) {
    const std::string_view piece(lpString + start, static_cast<std::size_t>(std::min(kPieceBytes, c - start)));
    const std::int64_t w = glyphs.advance(*font, piece);
    // The glyphs may overhang the advance by a little: render pieces that might show.
    if (pen_x + w + font->em_height > target.left) {
      // Opaque text's cell is filled with the background first, so the ink is mixed there
      // onto a ground known in advance.
      const zorva::platform::text::GroundBox cell{pen_x, y, pen_x + w, y + cell_height, bk};
      const bool opaque = dc->bk_mode == OPAQUE;
      if (opaque) target.fill_box(cell.left, cell.top, cell.right, cell.bottom, bk);
      if (const GlyphMask* mask = glyphs.render(*font, piece))
        zorva::platform::text::composite_mask(target, *mask, pen_x + mask->left, std::int64_t{y} + mask->top, ink,
                                              platform_state().text_mixes, opaque ? &cell : nullptr);
    }
    pen_x += w;
  }
  canvas_changed(*dc);
  return TRUE;
}

BOOL WINAPI GetTextExtentPointA(HDC hdc, LPCSTR lpString, int c, LPSIZE lpsz) {
  const DeviceContext* dc = find_dc(hdc);
  if (!dc || !lpsz || c < 0 || (c > 0 && !lpString)) return FALSE;
  GlyphSource& glyphs = driver().glyphs();
  const FontFace* font = font_of(*dc, glyphs);
  if (!font) return FALSE;
  const std::int64_t width = glyphs.advance(*font, std::string_view(lpString, static_cast<std::size_t>(c)));
  lpsz->cx = static_cast<LONG>(std::min<std::int64_t>(width, INT32_MAX));
  lpsz->cy = font->ascent + font->descent;
  return TRUE;
}

BOOL WINAPI GetTextMetricsA(HDC hdc, LPTEXTMETRICA lptm) {
  const DeviceContext* dc = find_dc(hdc);
  if (!dc || !lptm) return FALSE;
  const FontFace* font = font_of(*dc, driver().glyphs());
  if (!font) return FALSE;
  const FontRequest* request = &dc->font.object->font;
  TEXTMETRICA tm{};
  tm.tmHeight = font->ascent + font->descent;
  tm.tmAscent = font->ascent;
  tm.tmDescent = font->descent;
  tm.tmInternalLeading = std::max(0, tm.tmHeight - font->em_height);
  tm.tmExternalLeading = std::max(0, font->line_skip - tm.tmHeight);
  tm.tmAveCharWidth = font->average_width;
  tm.tmMaxCharWidth = font->max_width;
  tm.tmWeight = request->weight;
  tm.tmOverhang = 0;
  tm.tmDigitizedAspectX = 96;
  tm.tmDigitizedAspectY = 96;
  tm.tmFirstChar = 32;
  tm.tmLastChar = 255;
  tm.tmDefaultChar = '?';
  tm.tmBreakChar = ' ';
  tm.tmItalic = request->italic ? 255 : 0;
  // Low bit set means a variable-pitch font; then the family (modern or swiss) and the
  // vector/TrueType bits.
  tm.tmPitchAndFamily = static_cast<BYTE>(font->monospace ? 0x36 : 0x27);
  tm.tmCharSet = 0;  // ANSI_CHARSET
  *lptm = tm;
  return TRUE;
}

}  // extern "C"
