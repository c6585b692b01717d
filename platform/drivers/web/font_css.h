// The CSS font a font request is drawn with in a web page. Plain C++ (no browser), so it is
// checked by the desktop's tests too.
#pragma once

#include <string>

#include "platform/text/font_request.h"

namespace zorva::platform::web {

// "DejaVu Sans" and "DejaVu Sans Mono" are asked for by name, as on the desktop, so the same
// face gives the same boxes wherever it is installed; the browser's generic families follow.
// A face the program names goes first, if its name cannot end or escape the CSS string.
std::string css_font(const FontRequest& request, int em);

}  // namespace zorva::platform::web
