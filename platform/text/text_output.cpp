// TextOutA, GetTextExtentPointA and GetTextMetricsA over the DC's selected font.
#include <SDL2/SDL.h>
#include <SDL2/SDL_ttf.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>

#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_object.h"
#include "platform/raster/raster_target.h"
#include "platform/text/font_catalog.h"

using namespace zorva::platform;
using namespace zorva::platform::raster;
using zorva::platform::text::ResolvedFont;

namespace {

// Text is rendered in pieces of this many bytes, so no single surface gets huge and a long
// text stops being rendered once it runs past the visible box.
constexpr int kPieceBytes = 256;

const ResolvedFont* font_of(const DeviceContext& dc) {
  const FontRequest* request = find_gdi<FontRequest>(dc.font);
  if (!request) return nullptr;
  return text::resolve_font(*request);
}

// The bytes as UTF-8, each byte standing for the Latin-1 character of its value. A NUL byte
// would end the text for the renderer, so it is shown as a space.
std::string utf8_from_bytes(const char* bytes, int count) {
  std::string out;
  out.reserve(static_cast<std::size_t>(count) * 2);
  for (int i = 0; i < count; ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b == 0) {
      out.push_back(' ');
    } else if (b < 0x80) {
      out.push_back(static_cast<char>(b));
    } else {
      out.push_back(static_cast<char>(0xC0 | (b >> 6)));
      out.push_back(static_cast<char>(0x80 | (b & 0x3F)));
    }
  }
  return out;
}

// The advance of a run of bytes: the sum of the glyphs' advances with kerning, as GDI
// measures (a glyph that overhangs its advance does not widen the text).
std::int64_t text_width(const ResolvedFont& font, const char* bytes, int count) {
  std::int64_t total = 0;
  Uint32 previous = 0;
  for (int i = 0; i < count; ++i) {
    auto c = static_cast<Uint32>(static_cast<unsigned char>(bytes[i]));
    if (c == 0) c = ' ';
    int minx, maxx, miny, maxy, advance = 0;
    if (TTF_GlyphMetrics32(font.face, c, &minx, &maxx, &miny, &maxy, &advance) == 0) total += advance;
    if (previous != 0) total += TTF_GetFontKerningSizeGlyphs32(font.face, previous, c);
    previous = c;
  }
  return total;
}

// Copies the glyph pixels of a bi-level rendering to the target, its top-left at (x, y).
void put_glyphs(const RasterTarget& target, const SDL_Surface* glyphs, std::int64_t x, std::int64_t y,
                std::uint32_t pixel) {
  const std::int64_t row_first = std::max<std::int64_t>(0, target.top - y);
  const std::int64_t row_end = std::min<std::int64_t>(glyphs->h, target.bottom - y);
  const std::int64_t col_first = std::max<std::int64_t>(0, target.left - x);
  const std::int64_t col_end = std::min<std::int64_t>(glyphs->w, target.right - x);
  for (std::int64_t r = row_first; r < row_end; ++r) {
    const auto* source = static_cast<const std::uint8_t*>(glyphs->pixels) + r * glyphs->pitch;
    for (std::int64_t c = col_first; c < col_end; ++c)
      if (source[c] != 0) target.plot(x + c, y + r, pixel);
  }
}

}  // namespace

extern "C" {

BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c) {
  DeviceContext* dc = find_dc(hdc);
  Canvas canvas;
  if (!dc || c < 0 || (c > 0 && !lpString) || !resolve_canvas(hdc, canvas)) return FALSE;
  if (c == 0) return TRUE;
  const ResolvedFont* font = font_of(*dc);
  if (!font) return FALSE;
  const RasterTarget target = target_of(canvas);
  const std::int64_t cell_height = font->ascent + font->descent;
  const std::uint32_t bk = pixel_from_colorref(dc->bk_color);
  const std::uint32_t ink = pixel_from_colorref(dc->text_color);
  const SDL_Color white{255, 255, 255, 255};

  std::int64_t pen_x = x;
  for (int start = 0; start < c && pen_x < target.right; start += kPieceBytes) {
    const int count = std::min(kPieceBytes, c - start);
    const std::int64_t w = text_width(*font, lpString + start, count);
    // The glyphs may overhang the advance by a little: render pieces that might show.
    if (pen_x + w + font->em_height > target.left) {
      if (dc->bk_mode == OPAQUE) target.fill_box(pen_x, y, pen_x + w, y + cell_height, bk);
      const std::string utf8 = utf8_from_bytes(lpString + start, count);
      if (SDL_Surface* glyphs = TTF_RenderUTF8_Solid(font->face, utf8.c_str(), white)) {
        if (SDL_LockSurface(glyphs) == 0) {
          put_glyphs(target, glyphs, pen_x, y + font->ascent - font->render_ascent, ink);
          SDL_UnlockSurface(glyphs);
        }
        SDL_FreeSurface(glyphs);
      }
    }
    pen_x += w;
  }
  canvas_changed(hdc);
  return TRUE;
}

BOOL WINAPI GetTextExtentPointA(HDC hdc, LPCSTR lpString, int c, LPSIZE lpsz) {
  const DeviceContext* dc = find_dc(hdc);
  if (!dc || !lpsz || c < 0 || (c > 0 && !lpString)) return FALSE;
  const ResolvedFont* font = font_of(*dc);
  if (!font) return FALSE;
  const std::int64_t width = text_width(*font, lpString, c);
  lpsz->cx = static_cast<LONG>(std::min<std::int64_t>(width, INT32_MAX));
  lpsz->cy = font->ascent + font->descent;
  return TRUE;
}

BOOL WINAPI GetTextMetricsA(HDC hdc, LPTEXTMETRICA lptm) {
  const DeviceContext* dc = find_dc(hdc);
  if (!dc || !lptm) return FALSE;
  const ResolvedFont* font = font_of(*dc);
  const FontRequest* request = find_gdi<FontRequest>(dc->font);
  if (!font || !request) return FALSE;
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
