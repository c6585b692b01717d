// What a driver reports: what happened at the OS boundary, nothing of what it means. The
// generic platform decides: the menu sees input first, keys go to the focus, a lost keyboard
// lets go of held keys, a request to quit closes the program's main window.
#pragma once

#include "platform/win32.h"

namespace zorva::platform::os_events {

// A key went down or up; it goes to the window with the keyboard focus. `typed` is the
// character the driver saw typed (0: derive it from the key and the modifiers).
void key_down(int vk, unsigned char typed, bool repeat);
void key_up(int vk);
// The left button at a position of a top-level window's framebuffer (menu strip included).
void button(HWND top_level, int frame_x, int frame_y, bool down);
// The pointer moved to a position of a top-level window's framebuffer (outside it too, while
// the button is held).
void mouse_moved(HWND top_level, int frame_x, int frame_y);
// The window manager's close button of a top-level window.
void close_request(HWND top_level);
// The top-level window got or lost the keyboard.
void focus_gained(HWND top_level);
void focus_lost(HWND top_level);
// The OS needs the window's pixels again (uncovered, resized).
void exposed(HWND top_level);
// The system asks the program to quit (SIGINT or SIGTERM, or a driver that has nothing more
// to deliver): a close request to the program's main window.
void quit_request();

}  // namespace zorva::platform::os_events
