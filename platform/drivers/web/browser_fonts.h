// Fonts in a web page: a font request becomes a CSS font of the browser's, measured with
// GDI's roundings (ascent and descent each rounded, whole-pixel advances, kerning per pair),
// and its glyphs are drawn once by the browser and kept as 8-bit coverage masks.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/gdi_object.h"

namespace zorva::platform::web {

// One glyph's coverage: `left` is from the pen position, `top` from the cell's top.
struct GlyphMask {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> coverage;  // width * height, 0 (none) to 255 (full)
};

struct BrowserFont {
  std::string css;    // the CSS font the browser draws with
  int em_height = 0;  // character height in pixels
  int ascent = 0;     // baseline below the cell's top
  int descent = 0;    // cell rows below the baseline
  int line_skip = 0;  // the face's distance between baselines
  int average_width = 0;
  int max_width = -1;  // measured on first use (max_char_width)
  bool monospace = false;
  std::array<int, 256> advances;  // by byte value, Latin-1; -1 until measured (advance)
  std::map<std::uint16_t, int> kerning;  // (first << 8 | second): pixels, measured on first use
  std::array<std::unique_ptr<GlyphMask>, 256> glyphs;  // drawn on first use
};

// The font for a request; never null (the browser always has some font).
BrowserFont& resolve_font(const FontRequest& request);

// A byte's advance in whole pixels, and the widest advance of the printable characters.
int advance(BrowserFont& font, unsigned char byte);
int max_char_width(BrowserFont& font);

// The kerning between two bytes' characters, in whole pixels.
int kerning(BrowserFont& font, unsigned char first, unsigned char second);

// A byte's glyph; a NUL byte is drawn as a space.
const GlyphMask& glyph(BrowserFont& font, unsigned char byte);

// The CSS font for a request at an em size (exposed for tests of the name's quoting).
std::string css_font(const FontRequest& request, int em);

}  // namespace zorva::platform::web
