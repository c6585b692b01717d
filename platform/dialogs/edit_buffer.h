// The text of an edit control and its caret: 8-bit characters, line breaks stored as "\r\n"
// and always moved over or deleted as one.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zorva::platform::dialogs {

class EditBuffer {
 public:
  explicit EditBuffer(bool multiline = false) : multiline_(multiline) {}

  const std::string& text() const { return text_; }
  std::size_t caret() const { return caret_; }
  bool multiline() const { return multiline_; }

  // Replaces the text and puts the caret at its end. A single-line field keeps the text up
  // to its first line break, as it can show no more.
  void set_text(std::string_view text);
  // Moves the caret, snapping out of the middle of a "\r\n".
  void set_caret(std::size_t position);

  // A typed character: codes 32 to 255 (Latin-1 above 127) are inserted; anything else is
  // refused. Returns true if the text changed.
  bool type_char(unsigned code);
  bool insert_line_break();  // multi-line only
  bool backspace();
  bool delete_forward();
  void move_left();
  void move_right();

 private:
  bool is_break_at(std::size_t position) const;
  std::string text_;
  std::size_t caret_ = 0;
  bool multiline_;
};

}  // namespace zorva::platform::dialogs
