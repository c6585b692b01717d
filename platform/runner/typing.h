// Keys pressed at the OS boundary, as a person at the keyboard would press them: they go to
// the window that has the keyboard focus.
#pragma once

#include <string_view>

namespace zorva::platform::runner {

// A key pressed and released.
void press_key(int vk);
// Ctrl held around a letter key ('A' to 'Z').
void press_ctrl_chord(int letter);
// A key press and release for each character (US layout, Shift where needed); a character
// no US key types (bytes 128 to 255: Latin-1) comes from a key that reports it as text.
void type_text(std::string_view text);

}  // namespace zorva::platform::runner
