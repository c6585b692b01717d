// What a program asks for when it creates a font; resolved to a face by the glyph source.
#pragma once

#include <string>

#include "platform/win32.h"

namespace zorva::platform {

struct FontRequest {
  int height = 0;  // < 0: character (em) height in pixels; > 0: cell height; 0: default
  int weight = FW_NORMAL;
  bool italic = false;
  bool monospace = false;  // stock fixed-pitch fonts
  std::string face;
};

}  // namespace zorva::platform
