// The drawing window's client area as the user sees it, read back from the off-screen surface.
#pragma once

#include "png/rgb_image.h"

namespace zorva {

// The part of the off-screen surface that the client area shows (it is copied there at
// (0, 0)). False when it cannot be read: no window, no client area, or GDI refused.
bool read_client_area(png::RgbImage& picture);

}  // namespace zorva
