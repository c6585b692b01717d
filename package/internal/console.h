// The text console's internal operations: drawing one line at the bottom of the text window
// and the text window's message procedure.
#pragma once

#include "zorva.h"

namespace zorva {

// Longest line the log keeps; longer formatted text is cut to this many characters.
inline constexpr int kLogLineMax = 1023;

// Scrolls the text window up one line and draws `text` in the uncovered strip. Removes one
// trailing newline from `text`, in place.
void append_text_line(char* text);

LRESULT CALLBACK text_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace zorva
