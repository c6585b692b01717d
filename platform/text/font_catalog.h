// Turning a font request into an open TrueType face: fontconfig finds the file, SDL2_ttf
// (FreeType) opens it. Matches and open faces are cached, so creating and deleting a font
// for every call stays cheap.
#pragma once

#include <SDL2/SDL_ttf.h>

#include "platform/gdi/gdi_object.h"

namespace zorva::platform::text {

// An opened face at one size, with the measures GDI reports.
struct ResolvedFont {
  TTF_Font* face = nullptr;
  int em_height = 0;  // character height in pixels
  int ascent = 0;     // baseline below the cell's top (rounded as GDI rounds it)
  int descent = 0;    // cell rows below the baseline
  int render_ascent = 0;  // where SDL_ttf puts the baseline in what it renders
  int line_skip = 0;  // the face's recommended distance between baselines
  int average_width = 0;
  int max_width = 0;
  bool monospace = false;
};

// The face for a request, or nullptr when no font at all can be opened (no fonts installed).
const ResolvedFont* resolve_font(const FontRequest& request);

}  // namespace zorva::platform::text
