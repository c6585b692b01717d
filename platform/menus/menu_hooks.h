// What the window core asks of the menus: the strip's height, input that belongs to the
// menu, and drawing the bar and any open popup.
#pragma once

#include "platform/core/pixmap.h"
#include "platform/windows/window.h"

namespace zorva::platform::menus {

// Height of the strip a menu bar takes at the top of a top-level window (0 for no menu).
int bar_height(HMENU bar);

// Input arriving at a top-level window, before it becomes window messages. A true result
// means the menu took it (opened, navigated, chose or closed a menu) and the window gets
// nothing. Coordinates are framebuffer coordinates.
bool take_press(Window& window, int x, int y);
// The release of a press that take_press took: chooses the item under the pointer.
void take_release(Window& window, int x, int y);
// The pointer moved, with or without the button held: while a popup is open it highlights
// the item under the pointer, and along the bar it opens the popup of the title there.
bool take_motion(Window& window, int x, int y);
bool take_key_down(Window& window, int vk, bool repeat);
bool take_key_up(Window& window, int vk);

// Draws the menu bar into the top strip of the window's framebuffer.
void paint_bar(Window& window);

// True while a popup of this window is open; paint_overlay draws it over a copy of the
// framebuffer before that copy is presented.
bool has_overlay(const Window& window);
void paint_overlay(const Window& window, Pixmap& frame);

// Closes any open popup (the window lost focus, was destroyed, or a modal loop started).
void close_popups(Window& window);

}  // namespace zorva::platform::menus
