// Font requests resolved through the page's OffscreenCanvas (page.js measures and draws).
// "DejaVu Sans" and "DejaVu Sans Mono" are asked for by name, as on the desktop, so the same
// face gives the same boxes wherever it is installed; the browser's generic families follow.
#include "platform/drivers/web/browser_fonts.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

EM_JS(double, zorva_page_text_width, (const char* css, int first, int second), {
  return Module.zorvaPage.textWidth(UTF8ToString(css), first, second);
});
EM_JS(double, zorva_page_font_ascent, (const char* css), { return Module.zorvaPage.fontBox(UTF8ToString(css))[0]; });
EM_JS(double, zorva_page_font_descent, (const char* css), { return Module.zorvaPage.fontBox(UTF8ToString(css))[1]; });
// Draws one character with its pen at (x, baseline) into a width x height mask at `mask`.
EM_JS(void, zorva_page_draw_glyph, (const char* css, int code, std::uint8_t* mask, int width, int height, int x, int baseline), {
  Module.zorvaPage.drawGlyph(UTF8ToString(css), code, HEAPU8.subarray(mask, mask + width * height), width, height, x, baseline);
});

namespace zorva::platform::web {
namespace {

constexpr int kDefaultSansEm = 14;  // a 16-pixel cell, as the classic system font
constexpr int kDefaultMonoEm = 12;  // about 7x14, near the classic 8x13 fixed cell
constexpr int kMaxEm = 2048;        // larger requests are drawn at this size
constexpr int kDesignSize = 2048;   // where a face's proportions are measured

// A face name goes into a CSS string only if it cannot end the string or escape from it.
bool plain_face_name(const std::string& face) {
  if (face.empty() || face.size() > 64) return false;
  return std::all_of(face.begin(), face.end(), [](unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ' || c == '-' ||
           c == '_';
  });
}

struct Proportions {
  double ascent = 0;  // per pixel of em
  double descent = 0;
};

class FontTable {
 public:
  BrowserFont& get(const FontRequest& request) {
    const int em = em_for(request);
    const std::string css = css_font(request, em);
    auto found = fonts_.find(css);
    if (found != fonts_.end()) return *found->second;
    auto font = std::make_unique<BrowserFont>();
    measure(*font, css, em, request.monospace);
    return *fonts_.emplace(css, std::move(font)).first->second;
  }

 private:
  const Proportions& proportions(const FontRequest& request) {
    const std::string css = css_font(request, kDesignSize);
    auto found = proportions_.find(css);
    if (found != proportions_.end()) return found->second;
    Proportions p;
    p.ascent = zorva_page_font_ascent(css.c_str()) / kDesignSize;
    p.descent = zorva_page_font_descent(css.c_str()) / kDesignSize;
    return proportions_.emplace(css, p).first->second;
  }

  // GDI rounds the scaled ascender and descender each on its own.
  static int cell_of(const Proportions& p, int em) {
    return static_cast<int>(std::lround(p.ascent * em) + std::lround(p.descent * em));
  }

  int em_for(const FontRequest& request) {
    if (request.height < 0) return request.height < -kMaxEm ? kMaxEm : -request.height;
    if (request.height == 0) return request.monospace ? kDefaultMonoEm : kDefaultSansEm;
    // A cell height: the em size whose cell is closest to it without exceeding it.
    const int cell = std::min(request.height, kMaxEm);
    const Proportions& p = proportions(request);
    int em = std::clamp(static_cast<int>(std::lround(cell / 1.17)), 1, kMaxEm);
    for (int tries = 0; tries < 4; ++tries) {
      const int height = cell_of(p, em);
      if (height > cell && em > 1) {
        --em;
      } else if (height < cell && em < kMaxEm && cell_of(p, em + 1) <= cell) {
        ++em;
      } else {
        break;
      }
    }
    return em;
  }

  void measure(BrowserFont& font, const std::string& css, int em, bool monospace) {
    font.css = css;
    font.em_height = em;
    const double ascent = zorva_page_font_ascent(css.c_str());
    const double descent = zorva_page_font_descent(css.c_str());
    font.ascent = static_cast<int>(std::lround(ascent));
    font.descent = static_cast<int>(std::lround(descent));
    font.line_skip = static_cast<int>(std::ceil(ascent + descent - 1e-6));
    font.advances.fill(-1);
    font.average_width = advance(font, 'x');
    font.monospace = monospace || advance(font, 'i') == advance(font, 'W');
  }

  std::map<std::string, std::unique_ptr<BrowserFont>> fonts_;
  std::map<std::string, Proportions> proportions_;
};

FontTable& table() {
  static FontTable fonts;
  return fonts;
}

}  // namespace

std::string css_font(const FontRequest& request, int em) {
  std::string families;
  if (request.monospace) {
    families = "\"DejaVu Sans Mono\", monospace";
  } else {
    if (plain_face_name(request.face)) families = "\"" + request.face + "\", ";
    families += "\"DejaVu Sans\", sans-serif";
  }
  const int weight = request.weight <= 0 ? 400 : std::clamp(request.weight, 1, 1000);
  char size[48];
  std::snprintf(size, sizeof size, "%s%d %dpx ", request.italic ? "italic " : "", weight, em);
  return size + families;
}

BrowserFont& resolve_font(const FontRequest& request) { return table().get(request); }

int advance(BrowserFont& font, unsigned char byte) {
  int& width = font.advances[byte];
  if (width < 0) width = static_cast<int>(std::lround(zorva_page_text_width(font.css.c_str(), byte == 0 ? ' ' : byte, -1)));
  return width;
}

int max_char_width(BrowserFont& font) {
  if (font.max_width < 0) {
    font.max_width = 0;
    for (int c = 32; c < 256; ++c)
      if (c < 127 || c >= 160) font.max_width = std::max(font.max_width, advance(font, static_cast<unsigned char>(c)));
  }
  return font.max_width;
}

int kerning(BrowserFont& font, unsigned char first, unsigned char second) {
  const auto key = static_cast<std::uint16_t>((first << 8) | second);
  auto found = font.kerning.find(key);
  if (found != font.kerning.end()) return found->second;
  const int a = first == 0 ? ' ' : first;
  const int b = second == 0 ? ' ' : second;
  // The pair's width less its two characters' widths, all unrounded.
  const double pair = zorva_page_text_width(font.css.c_str(), a, b);
  const double alone = zorva_page_text_width(font.css.c_str(), a, -1) + zorva_page_text_width(font.css.c_str(), b, -1);
  const int k = static_cast<int>(std::lround(pair - alone));
  font.kerning.emplace(key, k);
  return k;
}

const GlyphMask& glyph(BrowserFont& font, unsigned char byte) {
  std::unique_ptr<GlyphMask>& slot = font.glyphs[byte];
  if (slot) return *slot;
  slot = std::make_unique<GlyphMask>();
  // Room for the glyph to reach past its advance and its cell by a generous margin.
  const int margin = font.em_height / 2 + 2;
  const int width = advance(font, byte) + 2 * margin;
  const int height = font.ascent + font.descent + 2 * margin;
  std::vector<std::uint8_t> drawn(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
  zorva_page_draw_glyph(font.css.c_str(), byte == 0 ? ' ' : byte, drawn.data(), width, height, margin,
                        margin + font.ascent);
  // Kept cropped to the pixels it covers.
  int left = width, right = 0, top = height, bottom = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (drawn[static_cast<std::size_t>(y) * width + x] != 0) {
        left = std::min(left, x);
        right = std::max(right, x + 1);
        top = std::min(top, y);
        bottom = std::max(bottom, y + 1);
      }
  if (left >= right) return *slot;  // nothing to draw (a space)
  GlyphMask& mask = *slot;
  mask.left = left - margin;
  mask.top = top - margin;
  mask.width = right - left;
  mask.height = bottom - top;
  mask.coverage.resize(static_cast<std::size_t>(mask.width) * mask.height);
  for (int y = 0; y < mask.height; ++y)
    std::copy_n(drawn.begin() + static_cast<std::ptrdiff_t>(y + top) * width + left, mask.width,
                mask.coverage.begin() + static_cast<std::ptrdiff_t>(y) * mask.width);
  return mask;
}

}  // namespace zorva::platform::web
