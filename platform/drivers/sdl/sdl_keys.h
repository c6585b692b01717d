// SDL key symbols as Windows virtual-key codes, and SDL text as the byte a key typed.
#pragma once

#include <SDL.h>

namespace zorva::platform {

// The generic virtual-key code of an SDL key (Shift, Ctrl and Alt without left/right); 0 if
// the key has none.
int virtual_key_from_sdl(SDL_Keycode sym);

// The character of an SDL_TEXTINPUT text when it is one character in 1..255 (ASCII or
// Latin-1); 0 otherwise.
unsigned char latin1_from_utf8(const char* text);

}  // namespace zorva::platform
