// What the SDL driver learns of the desktop for choosing the scale factor.
#pragma once

#include "platform/driver/screen_scale.h"

namespace zorva::platform {

// The usable area of the first display and, on X11, the desktop's hints (Xft.dpi from the X
// server's resource database, GDK_SCALE). Call after SDL's video is up.
DesktopFacts sdl_desktop_facts(bool x11);

}  // namespace zorva::platform
