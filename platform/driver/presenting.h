// Showing top-level windows through the driver: what is presented is the framebuffer with
// any open popup drawn over it, composed here so every driver shows the same picture.
#pragma once

#include "platform/core/frame_view.h"
#include "platform/core/pixmap.h"

namespace zorva::platform {

struct Window;

// The pixels the screen should show for a top-level window: its framebuffer with the rows it
// shows straight from a bitmap, or, while a popup is open on it, a copy in `scratch` with
// the popup drawn over it.
FrameView presentable_frame(Window& window, Pixmap& scratch);

// Presents every shown top-level window whose framebuffer changed since it was last presented.
void present_changed_windows();

}  // namespace zorva::platform
