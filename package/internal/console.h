// The text console's internal operations: drawing lines at the bottom of the text window,
// describing drawing calls, and the text window's message procedure.
#pragma once

#include "platform/win32.h"
#include "zorva.h"

namespace zorva {

// Longest line the log keeps; longer formatted text is cut to this many characters.
inline constexpr int kLogLineMax = 1023;

// Scrolls the text window up one line and draws `text` in the uncovered strip, after any
// queued lines. Removes one trailing newline from `text`, in place.
void append_text_line(char* text);

// ZORVA_log for the descriptions of drawing calls: the line is kept in the ring at once, but
// drawn in the text window only at the next message turn (or before the next line drawn at
// once), together with the lines queued before it, so a burst costs one scroll.
int log_drawing_call(const char* format, ...);

// Draws the queued descriptions in the text window, exactly as drawing each of them when it
// was logged would have left the window.
void draw_queued_lines();

LRESULT CALLBACK text_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace zorva
