#include "platform/dialogs/edit_buffer.h"

#include <algorithm>

namespace zorva::platform::dialogs {

bool EditBuffer::is_break_at(std::size_t position) const {
  return position + 1 < text_.size() && text_[position] == '\r' && text_[position + 1] == '\n';
}

void EditBuffer::set_text(std::string_view text) {
  if (!multiline_) text = text.substr(0, std::min(text.find('\r'), text.find('\n')));
  text_.assign(text);
  caret_ = text_.size();
}

void EditBuffer::set_caret(std::size_t position) {
  caret_ = std::min(position, text_.size());
  if (caret_ > 0 && is_break_at(caret_ - 1)) --caret_;
}

bool EditBuffer::type_char(unsigned code) {
  if (code < 32 || code == 127 || code > 255) return false;
  text_.insert(caret_, 1, static_cast<char>(static_cast<unsigned char>(code)));
  ++caret_;
  return true;
}

bool EditBuffer::insert_line_break() {
  if (!multiline_) return false;
  text_.insert(caret_, "\r\n");
  caret_ += 2;
  return true;
}

bool EditBuffer::backspace() {
  if (caret_ == 0) return false;
  const std::size_t count = (caret_ >= 2 && is_break_at(caret_ - 2)) ? 2 : 1;
  caret_ -= count;
  text_.erase(caret_, count);
  return true;
}

bool EditBuffer::delete_forward() {
  if (caret_ >= text_.size()) return false;
  text_.erase(caret_, is_break_at(caret_) ? 2 : 1);
  return true;
}

void EditBuffer::move_left() {
  if (caret_ == 0) return;
  caret_ -= (caret_ >= 2 && is_break_at(caret_ - 2)) ? 2 : 1;
}

void EditBuffer::move_right() {
  if (caret_ >= text_.size()) return;
  caret_ += is_break_at(caret_) ? 2 : 1;
}

}  // namespace zorva::platform::dialogs
