// Glyphs from the browser's own text, through the page's OffscreenCanvas: a font request
// becomes a CSS font measured with GDI's roundings (ascent and descent each rounded,
// whole-pixel advances, kerning rounded per pair), and each glyph is drawn by the browser
// once and kept as an 8-bit coverage mask. Runs are composed from those masks at
// whole-pixel pen positions, as GDI places glyphs.
#pragma once

#include <memory>

#include "platform/text/glyph_source.h"

namespace zorva::platform::web {

std::unique_ptr<text::GlyphSource> make_browser_glyph_source();

}  // namespace zorva::platform::web
