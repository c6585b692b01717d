// Where the glyphs of text come from: a service each driver provides, so that the GDI text
// calls stay the same whatever renders the glyphs (FreeType on the desktop, a browser's
// canvas elsewhere). It resolves fonts, measures runs and renders them as coverage masks;
// TextOutA puts the mask's ink on the target.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/text/font_request.h"

namespace zorva::platform::text {

// A face opened at one size, with the measures GDI reports for it (pixels).
struct FontFace {
  int em_height = 0;      // character height
  int ascent = 0;         // baseline below the cell's top
  int descent = 0;        // cell rows below the baseline
  int line_skip = 0;      // the face's recommended distance between baselines
  int average_width = 0;
  int max_width = 0;
  bool monospace = false;
};

// A rendered run of text: per pixel its coverage from 0 (no ink) to 255 (full ink), row by
// row, and where its top-left pixel lies from the pen position at the top of the cell.
struct GlyphMask {
  int width = 0;
  int height = 0;
  int left = 0;
  int top = 0;
  std::vector<std::uint8_t> coverage;
};

// Texts are bytes, each the Latin-1 character of its value; a NUL byte stands for a space.
class GlyphSource {
 public:
  virtual ~GlyphSource() = default;

  // The face for a request, or nullptr when no font at all can be opened. The face stays
  // valid as long as the source.
  virtual const FontFace* resolve(const FontRequest& request) = 0;
  // How far a run moves the pen: its glyphs' advances plus the kerning between neighbours
  // (a glyph overhanging its advance does not widen the run).
  virtual std::int64_t advance(const FontFace& face, std::string_view run) = 0;
  // Renders a run; nullptr when nothing could be rendered. The mask belongs to the source
  // and stays valid until its next render.
  virtual const GlyphMask* render(const FontFace& face, std::string_view run) = 0;
};

}  // namespace zorva::platform::text
