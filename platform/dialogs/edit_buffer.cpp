#include "platform/dialogs/edit_buffer.h"

#include <algorithm>

namespace zorva::platform::dialogs {
namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool is_line_end(char c) { return c == '\r' || c == '\n'; }

}  // namespace

bool EditBuffer::is_break_at(std::size_t position) const {
  return position + 1 < text_.size() && text_[position] == '\r' && text_[position + 1] == '\n';
}

std::size_t EditBuffer::snapped(std::size_t position) const {
  position = std::min(position, text_.size());
  if (position > 0 && is_break_at(position - 1)) --position;
  return position;
}

void EditBuffer::set_text(std::string_view text) {
  // As on Windows, the limit is for what the user types and pastes, not for this.
  if (!multiline_) text = text.substr(0, std::min(text.find('\r'), text.find('\n')));
  text_.assign(text);
  caret_ = anchor_ = text_.size();
  undo_ = Change{};
  run_ = Run::kNone;
  hit_limit_ = false;
}

void EditBuffer::set_caret(std::size_t position, bool extend) {
  caret_ = snapped(position);
  if (!extend) anchor_ = caret_;
  run_ = Run::kNone;
}

void EditBuffer::select(std::size_t anchor, std::size_t caret) {
  anchor_ = snapped(anchor);
  caret_ = snapped(caret);
  run_ = Run::kNone;
}

void EditBuffer::select_word_at(std::size_t position) {
  std::size_t at = snapped(position);
  // At the end of a line the word before it is meant.
  if (at > 0 && (at == text_.size() || is_line_end(text_[at])) && !is_line_end(text_[at - 1])) --at;
  if (at >= text_.size() || is_line_end(text_[at])) return select(at, at);
  const bool blank = is_blank(text_[at]);
  const auto same_kind = [&](char c) { return !is_line_end(c) && is_blank(c) == blank; };
  std::size_t start = at, end = at;
  while (start > 0 && same_kind(text_[start - 1])) --start;
  while (end < text_.size() && same_kind(text_[end])) ++end;
  select(start, end);
}

void EditBuffer::replace(std::size_t start, std::size_t end, std::string_view text, Run run) {
  std::string removed = text_.substr(start, end - start);
  bool merged = false;
  if (run != Run::kNone && run == run_ && undo_.valid) {
    if (run == Run::kTyping && removed.empty() && start == undo_.position + undo_.inserted.size()) {
      undo_.inserted += text;
      merged = true;
    } else if (run == Run::kDeleting && undo_.inserted.empty() && start + removed.size() == undo_.position) {
      undo_.position = start;  // Backspace again: the removed text grows to the left
      undo_.removed.insert(0, removed);
      merged = true;
    } else if (run == Run::kDeleting && undo_.inserted.empty() && start == undo_.position) {
      undo_.removed += removed;  // Delete again: it grows to the right
      merged = true;
    }
  }
  if (!merged) undo_ = Change{true, start, std::move(removed), std::string(text)};
  text_.replace(start, end - start, text);
  caret_ = anchor_ = start + text.size();
  run_ = run;
}

bool EditBuffer::replace_selection(std::string_view text) {
  std::string incoming(multiline_ ? text : text.substr(0, std::min(text.find('\r'), text.find('\n'))));
  const std::size_t kept = text_.size() - (selection_end() - selection_start());
  const std::size_t room = limit_ > kept ? limit_ - kept : 0;
  hit_limit_ = incoming.size() > room;
  if (hit_limit_) {
    const bool splits_break = room > 0 && incoming[room - 1] == '\r' && incoming[room] == '\n';
    incoming.resize(splits_break ? room - 1 : room);
  }
  if (incoming.empty() && !has_selection()) return false;
  replace(selection_start(), selection_end(), incoming, Run::kNone);
  return true;
}

bool EditBuffer::type_char(unsigned code) {
  if (code < 32 || code == 127 || code > 255) return false;
  hit_limit_ = !has_selection() && text_.size() >= limit_;
  if (hit_limit_) return false;
  replace(selection_start(), selection_end(), std::string(1, static_cast<char>(static_cast<unsigned char>(code))),
          Run::kTyping);
  return true;
}

bool EditBuffer::insert_line_break() {
  if (!multiline_) return false;
  hit_limit_ = text_.size() - (selection_end() - selection_start()) + 2 > limit_;
  if (hit_limit_) return false;
  replace(selection_start(), selection_end(), "\r\n", Run::kTyping);
  return true;
}

bool EditBuffer::remove(std::size_t start, std::size_t end) {
  replace(start, end, "", start == selection_start() && end == selection_end() ? Run::kNone : Run::kDeleting);
  return true;
}

bool EditBuffer::backspace() {
  if (has_selection()) return remove(selection_start(), selection_end());
  if (caret_ == 0) return false;
  return remove(caret_ - ((caret_ >= 2 && is_break_at(caret_ - 2)) ? 2 : 1), caret_);
}

bool EditBuffer::delete_forward() {
  if (has_selection()) return remove(selection_start(), selection_end());
  if (caret_ >= text_.size()) return false;
  return remove(caret_, caret_ + (is_break_at(caret_) ? 2 : 1));
}

void EditBuffer::move_left(bool extend) {
  if (has_selection() && !extend) return set_caret(selection_start());
  if (caret_ == 0) return set_caret(caret_, extend);
  set_caret(caret_ - ((caret_ >= 2 && is_break_at(caret_ - 2)) ? 2 : 1), extend);
}

void EditBuffer::move_right(bool extend) {
  if (has_selection() && !extend) return set_caret(selection_end());
  if (caret_ >= text_.size()) return set_caret(caret_, extend);
  set_caret(caret_ + (is_break_at(caret_) ? 2 : 1), extend);
}

bool EditBuffer::undo() {
  if (!undo_.valid) return false;
  Change change = std::move(undo_);
  text_.replace(change.position, change.inserted.size(), change.removed);
  anchor_ = change.position;
  caret_ = change.position + change.removed.size();
  undo_ = Change{true, change.position, std::move(change.inserted), std::move(change.removed)};
  run_ = Run::kNone;
  return true;
}

}  // namespace zorva::platform::dialogs
