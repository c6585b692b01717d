// Showing top-level windows through the driver: what is presented is the framebuffer with
// any open popup drawn over it, composed here so every driver shows the same picture.
#pragma once

#include "platform/core/pixmap.h"

namespace zorva::platform {

struct Window;

// The pixels the screen should show for a top-level window: its framebuffer, or, while a
// popup is open on it, a copy in `scratch` with the popup drawn over it.
const Pixmap& presentable_frame(const Window& window, Pixmap& scratch);

// Presents every shown top-level window whose framebuffer changed since it was last presented.
void present_changed_windows();

}  // namespace zorva::platform
