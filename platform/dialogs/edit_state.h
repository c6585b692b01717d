// What an edit control keeps beside its window record: its text and caret, and how far it
// is scrolled.
#pragma once

#include <cstddef>

#include "platform/dialogs/edit_buffer.h"

namespace zorva::platform::dialogs {

struct EditState {
  EditBuffer buffer;
  std::size_t top_line = 0;  // first line shown (multi-line)
  int scroll_x = 0;          // pixels scrolled to the left (single-line)
};

}  // namespace zorva::platform::dialogs
