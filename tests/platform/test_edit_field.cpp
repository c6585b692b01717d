// The edit field as the user drives it: keys typed into a focused field (a table of
// keystrokes, and the text, selection and clipboard they leave), the pointer, the limit on
// pasted text and the blinking caret.
#include <gtest/gtest.h>

#include <sstream>

#include "platform/dialogs/control_paint.h"
#include "test_windows_support.h"

using namespace zorva;
using namespace zorva::testing_support;

namespace {

class EditField : public ::testing::Test {
 protected:
  void SetUp() override {
    fresh_platform();
    window = make_window(300, 200);
    field = CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE, 10, 10, 250, 60,
                            window, reinterpret_cast<HMENU>(UINT_PTR{102}), nullptr, nullptr);
    SetFocus(field);
    drain();
    recorder().clear();
  }

  // Presses the keys of a script: tokens separated by '|', each plain text to type or a key
  // (Left, Right, Home, End, Up, Down, Back, Del, Ins, Enter) or Ctrl+letter (C-c), with S-
  // for Shift and C- for Ctrl in front.
  void keys(const std::string& script) {
    std::stringstream tokens(script);
    std::string token;
    while (std::getline(tokens, token, '|')) {
      bool shift = false, ctrl = false;
      for (;;) {
        if (token.rfind("S-", 0) == 0 && token.size() > 2) shift = true;
        else if (token.rfind("C-", 0) == 0 && token.size() > 2) ctrl = true;
        else break;
        token.erase(0, 2);
      }
      static const std::pair<const char*, int> kNamed[] = {
          {"Left", VK_LEFT}, {"Right", VK_RIGHT}, {"Home", VK_HOME}, {"End", VK_END},     {"Up", VK_UP},
          {"Down", VK_DOWN}, {"Back", VK_BACK},   {"Del", VK_DELETE}, {"Ins", VK_INSERT}, {"Enter", VK_RETURN}};
      int vk = 0;
      for (const auto& [name, code] : kNamed)
        if (token == name) vk = code;
      if (vk == 0 && ctrl && token.size() == 1) vk = std::toupper(static_cast<unsigned char>(token[0]));
      if (shift) headless::key_down(VK_SHIFT);
      if (ctrl) headless::key_down(VK_CONTROL);
      if (vk != 0) {
        headless::key_down(vk);
        headless::key_up(vk);
      } else {
        headless::type_text(token);
      }
      if (ctrl) headless::key_up(VK_CONTROL);
      if (shift) headless::key_up(VK_SHIFT);
    }
    drain();
  }
  std::string text() const {
    char buffer[512] = {};
    GetWindowTextA(field, buffer, sizeof buffer);
    return buffer;
  }
  std::pair<DWORD, DWORD> selection() const {
    DWORD start = 0, end = 0;
    SendMessageA(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
  }
  // A client x of the field just right of where a position of its first line lies (the text
  // starts 4 pixels in, after the frame and the margin), and a row through that line.
  int x_at(std::size_t position) const {
    const auto& widths = platform::dialogs::control_char_widths();
    int x = 4;
    const std::string shown = text();
    for (std::size_t i = 0; i < position && i < shown.size(); ++i) x += widths[static_cast<unsigned char>(shown[i])];
    return x + 1;
  }
  static constexpr int kRow = 8;

  HWND window = nullptr;
  HWND field = nullptr;
};

TEST_F(EditField, KeysEditTheTextTheSelectionAndTheClipboard) {
  const struct {
    const char* what;
    const char* clipboard;  // before; as the system holds it
    const char* keys;
    const char* text;
    DWORD start, end;
    const char* clipboard_after;
  } cases[] = {
      {"Shift+Left selects back from the caret", "", "hello|S-Left|S-Left", "hello", 3, 5, ""},
      {"Left without Shift goes to the selection's start", "", "hello|S-Left|S-Left|Left", "hello", 3, 3, ""},
      {"Right goes to its end", "", "hello|Home|S-Right|S-Right|Right", "hello", 2, 2, ""},
      {"Shift+Home and Shift+End", "", "one two|Left|Left|S-Home", "one two", 0, 5, ""},
      {"... from inside the line", "", "abc|Home|Right|S-End", "abc", 1, 3, ""},
      {"Shift+Up in a multi-line field", "", "one|C-Enter|one|S-Up", "one\r\none", 3, 8, ""},
      {"typing replaces the selection", "", "hello|S-Home|bye", "bye", 3, 3, ""},
      {"Backspace removes the selection", "", "abc|S-Home|Back", "", 0, 0, ""},
      {"Delete removes the selection", "", "abcd|Home|S-Right|S-Right|Del", "cd", 0, 0, ""},
      {"Ctrl+C copies, Ctrl+V pastes", "", "hello|S-Home|C-c|End|C-v", "hellohello", 10, 10, "hello"},
      {"Ctrl+X cuts", "", "hello world|S-Left|S-Left|S-Left|S-Left|S-Left|C-x", "hello ", 6, 6, "world"},
      {"a paste replaces the selection", "XY", "abc|S-Left|C-v", "abXY", 4, 4, "XY"},
      {"pasted lines end in CR LF", "a\nb\r\nc", "C-v", "a\r\nb\r\nc", 7, 7, "a\nb\r\nc"},
      {"the old keys: Ctrl+Insert, Shift+Insert", "", "ab|S-Left|C-Ins|End|S-Ins", "abb", 3, 3, "b"},
      {"... and Shift+Delete", "", "ab|S-Left|S-Del", "a", 1, 1, "b"},
      {"copying nothing leaves the clipboard", "kept", "ab|C-c", "ab", 2, 2, "kept"},
      {"Ctrl+Z undoes typing in one step", "", "abc|C-z", "", 0, 0, ""},
      {"a second Ctrl+Z redoes it", "", "abc|C-z|C-z", "abc", 0, 3, ""},
      {"undoing a cut brings the text back selected", "", "hello world|S-Left|S-Left|S-Left|S-Left|S-Left|C-x|C-z",
       "hello world", 6, 11, "world"},
      {"undoing a paste", "XYZ", "ab|C-v|C-z", "ab", 2, 2, "XYZ"},
      {"undoing typing over a selection", "", "hello|S-Home|jo|C-z", "hello", 0, 5, ""},
      {"Backspaces in a row are one step", "", "abcd|Back|Back|C-z", "abcd", 2, 4, ""},
      {"a moved caret starts a new step", "", "ab|Left|X|C-z", "ab", 1, 1, ""},
      {"Ctrl with another letter types nothing", "", "ab|C-b|C-a", "ab", 2, 2, ""},
  };
  for (const auto& c : cases) {
    SetUp();
    headless::set_clipboard_text(c.clipboard);
    keys(c.keys);
    EXPECT_EQ(text(), c.text) << c.what;
    EXPECT_EQ(selection(), std::make_pair(c.start, c.end)) << c.what;
    EXPECT_EQ(headless::clipboard_text(), c.clipboard_after) << c.what;
  }
}

TEST_F(EditField, ThePointerPlacesTheCaretDragsASelectionAndADoubleClickTakesAWord) {
  keys("one two three");
  headless::click(field, x_at(1), kRow);
  drain();
  EXPECT_EQ(selection(), std::make_pair(DWORD{1}, DWORD{1}));
  headless::advance_ms(1000);  // not a double click
  headless::button(field, x_at(5), kRow, true);
  headless::move_mouse(field, x_at(2), kRow);
  headless::move_mouse(field, -50, kRow);  // beyond the field: to the line's start
  headless::button(field, -50, kRow, false);
  drain();
  EXPECT_EQ(selection(), std::make_pair(DWORD{0}, DWORD{5}));
  headless::advance_ms(1000);
  headless::key_down(VK_SHIFT);
  headless::click(field, x_at(9), kRow);  // Shift+click extends from where the drag began
  headless::key_up(VK_SHIFT);
  drain();
  EXPECT_EQ(selection(), std::make_pair(DWORD{5}, DWORD{9}));
  headless::advance_ms(1000);
  headless::click(field, x_at(5), kRow);
  headless::click(field, x_at(5), kRow);
  drain();
  EXPECT_EQ(selection(), std::make_pair(DWORD{4}, DWORD{7}));  // "two"
  keys("2");
  EXPECT_EQ(text(), "one 2 three");
  // EM_SETSEL: everything, then nothing selected.
  SendMessageA(field, EM_SETSEL, 0, -1);
  EXPECT_EQ(selection(), std::make_pair(DWORD{0}, DWORD{11}));
  SendMessageA(field, EM_SETSEL, static_cast<WPARAM>(-1), 0);
  EXPECT_EQ(selection(), std::make_pair(DWORD{11}, DWORD{11}));
}

TEST_F(EditField, APasteIsCutAtTheLimitAndNeverSplitsALineBreak) {
  const auto length = [&] { return SendMessageA(field, WM_GETTEXTLENGTH, 0, 0); };
  const auto full_notices = [&] {
    int n = 0;
    for (const Received& r : recorder().messages) n += r.message == WM_COMMAND && HIWORD(r.wparam) == EN_MAXTEXT;
    return n;
  };
  std::string last(2, '\0');
  const auto last_two = [&] {
    SendMessageA(field, EM_SETSEL, static_cast<WPARAM>(length() - 2), length());
    keys("C-c");
    return headless::clipboard_text();
  };
  // 30000 characters at most: "ab" and 29997 p's fill 29999, and the line break's CR that
  // would make 30000 is left out with its LF.
  headless::set_clipboard_text(std::string(29997, 'p') + "\nmore");
  keys("ab|C-v");
  EXPECT_EQ(length(), 29999);
  EXPECT_EQ(full_notices(), 1);
  keys("End|xy");  // one more fits, the second is refused
  EXPECT_EQ(length(), 30000);
  EXPECT_EQ(last_two(), "px");
  EXPECT_EQ(full_notices(), 2);
  headless::set_clipboard_text("QRS");
  keys("End|S-Left|C-v");  // over a selection a paste gets the selection's room
  EXPECT_EQ(length(), 30000);
  EXPECT_EQ(last_two(), "pQ");
}

TEST_F(EditField, TheCaretBlinksAtTheSystemRateAndShowsAtOnceWhenTyping) {
  const auto caret_shown = [&] {
    drain();
    return headless::client_pixel(field, 4, kRow) == 0x000000u;
  };
  EXPECT_TRUE(caret_shown());
  // The blinking keeps no program waiting: with no timer of its own it would wait forever.
  MSG msg;
  EXPECT_THROW(GetMessageA(&msg, nullptr, 0, 0), headless::WouldWaitForever);
  headless::advance_ms(GetCaretBlinkTime());
  EXPECT_FALSE(caret_shown());
  headless::advance_ms(GetCaretBlinkTime());
  EXPECT_TRUE(caret_shown());
  headless::advance_ms(GetCaretBlinkTime());
  EXPECT_FALSE(caret_shown());
  keys("Home");  // moving the caret shows it again
  EXPECT_TRUE(caret_shown());
  SetFocus(window);
  headless::advance_ms(GetCaretBlinkTime());
  EXPECT_FALSE(caret_shown());  // no caret without the keyboard, and no timer left
  EXPECT_EQ(headless::live_timers(), 0u);
}

}  // namespace
