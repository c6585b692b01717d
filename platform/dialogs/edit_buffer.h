// The text of an edit control, its selection and its one step of undo: 8-bit characters,
// line breaks stored as "\r\n" and always moved over, selected or deleted as one.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace zorva::platform::dialogs {

class EditBuffer {
 public:
  // The most text a field holds unless told otherwise, as Windows' edit controls.
  static constexpr std::size_t kDefaultLimit = 30000;

  explicit EditBuffer(bool multiline = false) : multiline_(multiline) {}

  const std::string& text() const { return text_; }
  bool multiline() const { return multiline_; }
  // The selection runs from the anchor to the caret, which is the end that moves; with
  // nothing selected the two are the same.
  std::size_t caret() const { return caret_; }
  std::size_t anchor() const { return anchor_; }
  std::size_t selection_start() const { return caret_ < anchor_ ? caret_ : anchor_; }
  std::size_t selection_end() const { return caret_ < anchor_ ? anchor_ : caret_; }
  bool has_selection() const { return caret_ != anchor_; }
  std::string selected_text() const { return text_.substr(selection_start(), selection_end() - selection_start()); }

  // Replaces the text (cut to the limit and, single-line, to its first line), puts the
  // caret at its end and forgets the undo step.
  void set_text(std::string_view text);
  // Moves the caret, snapping out of the middle of a "\r\n"; `extend` keeps the anchor, so
  // the selection grows or shrinks, else nothing stays selected.
  void set_caret(std::size_t position, bool extend = false);
  // Selects from `anchor` to `caret` (both snapped and kept within the text).
  void select(std::size_t anchor, std::size_t caret);
  // Selects the word at the position, or the run of blanks there.
  void select_word_at(std::size_t position);

  // Puts `text` in place of the selection, as typing and pasting do: cut at the limit (never
  // between "\r" and "\n") and, single-line, at its first line break. True if the text
  // changed.
  bool replace_selection(std::string_view text);
  // A typed character: codes 32 to 255 (Latin-1 above 127) replace the selection; anything
  // else is refused. Typing in a row is undone as one step.
  bool type_char(unsigned code);
  bool insert_line_break();  // multi-line only
  // Backspace and Delete remove the selection, or else the character (or line break)
  // before or after the caret.
  bool backspace();
  bool delete_forward();
  // Left and Right move by one character, or to the selection's start or end when
  // something is selected and `extend` is false.
  void move_left(bool extend = false);
  void move_right(bool extend = false);

  // The last change is undone (and becomes itself undoable, so undoing twice redoes it);
  // the text it brings back is selected. False when there is nothing to undo.
  bool undo();
  bool can_undo() const { return undo_.valid; }

  // True, once, after typing or a paste was cut short by the limit.
  bool take_hit_limit() { return std::exchange(hit_limit_, false); }

 private:
  // One change: at `position`, `removed` gave way to `inserted`.
  struct Change {
    bool valid = false;
    std::size_t position = 0;
    std::string removed;
    std::string inserted;
  };
  enum class Run { kNone, kTyping, kDeleting };

  bool is_break_at(std::size_t position) const;
  std::size_t snapped(std::size_t position) const;
  // Replaces [start, end) with `text`, records the change for undo (merged into the last
  // one when `run` continues it) and leaves the caret after the new text.
  void replace(std::size_t start, std::size_t end, std::string_view text, Run run);
  bool remove(std::size_t start, std::size_t end);

  std::string text_;
  std::size_t caret_ = 0;
  std::size_t anchor_ = 0;
  bool multiline_;
  std::size_t limit_ = kDefaultLimit;
  bool hit_limit_ = false;
  Change undo_;
  Run run_ = Run::kNone;  // what the last change was, while typing or deleting goes on
};

}  // namespace zorva::platform::dialogs
