// Glyphs from FreeType through SDL2_ttf, in faces that fontconfig finds: the glyph source of
// the desktop drivers (SDL and headless). Opened faces are cached by (file, size, style), so
// creating and deleting a font for every call stays cheap.
#pragma once

#include <memory>

#include "platform/text/glyph_source.h"

namespace zorva::platform::fonts {

std::unique_ptr<text::GlyphSource> make_ttf_glyph_source();

}  // namespace zorva::platform::fonts
