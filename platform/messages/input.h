// Input arriving from the OS boundary (SDL events or the headless test API), turned into
// queued window messages after the menu had its say.
#pragma once

#include "platform/win32.h"

namespace zorva::platform::input {

// A key went down or up; it goes to the window with the keyboard focus. `typed` is the
// character the backend saw typed (0: derive it from the key and the modifiers).
void key_down(int vk, unsigned char typed, bool repeat);
void key_up(int vk);
// The left button at a position of a top-level window's framebuffer (menu strip included).
void button(HWND top_level, int frame_x, int frame_y, bool down);
// The window manager's close button of a top-level window.
void close_request(HWND top_level);

// Forgets a button press the menu took (for the headless reset).
void reset_input_for_tests();

}  // namespace zorva::platform::input
