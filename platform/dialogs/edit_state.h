// What an edit control keeps beside its window record: its text, selection and caret, how
// far it is scrolled, and the pointer's drag.
#pragma once

#include <cstddef>

#include "platform/dialogs/edit_buffer.h"

namespace zorva::platform::dialogs {

struct EditState {
  EditBuffer buffer;
  std::size_t top_line = 0;  // first line shown (multi-line)
  int scroll_x = 0;          // pixels scrolled to the left (single-line)
  bool caret_shown = true;   // the blinking caret's phase
  bool dragging = false;     // the button went down in the field and is still held
};

}  // namespace zorva::platform::dialogs
