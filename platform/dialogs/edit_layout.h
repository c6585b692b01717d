// How an edit control's text falls into lines: hard breaks at "\r\n" and, in a multi-line
// field, word wrapping at the field's width. Widths come from a per-character table.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace zorva::platform::dialogs {

using CharWidths = std::array<int, 256>;

struct EditLine {
  std::size_t begin = 0;
  std::size_t end = 0;  // exclusive; a "\r\n" after it is not part of the line
};

// Lines of `text` wrapped to `width` pixels (no wrapping when `wrap` is false). Always at
// least one line; every line of a wrapped paragraph holds at least one character.
std::vector<EditLine> layout_lines(std::string_view text, const CharWidths& widths, int width, bool wrap);

// Index of the line that shows the caret at `position` (a position where a wrapped line
// ends belongs to the next line).
std::size_t line_of(const std::vector<EditLine>& lines, std::size_t position);

// Pixel offset of `position` from its line's start, and the position in a line nearest x.
int x_of(std::string_view text, const CharWidths& widths, const EditLine& line, std::size_t position);
std::size_t position_at_x(std::string_view text, const CharWidths& widths, const EditLine& line, int x);

}  // namespace zorva::platform::dialogs
