// Keyboard state and what keys type: generic virtual-key codes, US layout.
#pragma once

#include <array>
#include <cstdint>

#include "platform/win32.h"

namespace zorva::platform {

// Which keys are down, by virtual-key code.
struct KeyboardState {
  std::array<bool, 256> down{};
};

bool key_is_down(int vk);
void set_key_down(int vk, bool down);

// The character a key-down types with the given modifiers (0: none): Shift picks the
// shifted character, Ctrl+letter gives 1..26, Alt (without Ctrl) types nothing.
int character_for_key(int vk, bool shift, bool ctrl, bool alt);
// The same with the current keyboard state.
int character_for_key_now(int vk);

// The keyboard scan code Windows reports for a virtual key (0 if unknown), and whether it is
// an extended key (bit 24 of lParam).
int scan_code_for_key(int vk);
bool is_extended_key(int vk);

// The virtual key and Shift state that type a character on a US keyboard; false if none.
bool key_for_character(unsigned char c, int& vk, bool& shift);

// lParam of a key message.
LPARAM key_lparam(int vk, bool up, bool repeat, bool alt);

}  // namespace zorva::platform
