// The "Edit" control: a white field with a sunken frame, text typed at a blinking caret,
// a selection made with Shift and the keys or with the pointer, the clipboard's cut, copy and
// paste, one step of undo, and multi-line fields wrapping words and scrolling to keep the
// caret in view.
#include <algorithm>
#include <unordered_map>

#include "platform/dialogs/control_paint.h"
#include "platform/dialogs/controls.h"
#include "platform/dialogs/dialog_state.h"
#include "platform/dialogs/edit_buffer.h"
#include "platform/dialogs/edit_state.h"
#include "platform/driver/clipboard.h"
#include "platform/messages/message_queue.h"
#include "platform/messages/timers.h"
#include "platform/state/platform_state.h"
#include "platform/windows/window.h"

namespace zorva::platform::dialogs {
namespace {

constexpr int kMargin = 2;  // between the frame and the text
constexpr UINT_PTR kCaretTimer = 1;
// The control characters that Ctrl+C, Ctrl+V, Ctrl+X and Ctrl+Z type.
constexpr WPARAM kCopyChar = 3, kPasteChar = 22, kCutChar = 24, kUndoChar = 26;

std::unordered_map<HWND, EditState>& edit_states() { return platform_state().dialogs.edits; }

EditState* find_state(HWND hwnd) {
  auto it = edit_states().find(hwnd);
  return it != edit_states().end() ? &it->second : nullptr;
}

// The box the text lies in, in client coordinates.
struct TextBox {
  int left = 0, top = 0, width = 0, rows = 1, line_height = 13;
};

TextBox text_box(HWND hwnd) {
  const Window* window = find_window(hwnd);
  RECT client{0, 0, 0, 0};
  GetClientRect(hwnd, &client);
  const int frame = (window != nullptr && (window->style & WS_BORDER) != 0) ? 2 : 0;
  TextBox box;
  ScratchSurface measure(1, 1, kWindowColor);
  box.line_height = std::max(1, measure.line_height());
  box.left = frame + kMargin;
  box.top = frame + 1;
  box.width = std::max(1, static_cast<int>(client.right) - 2 * box.left);
  box.rows = std::max(1, (static_cast<int>(client.bottom) - 2 * box.top) / box.line_height);
  return box;
}

std::vector<EditLine> lines_of(const EditState& state, const TextBox& box) {
  return layout_lines(state.buffer.text(), control_char_widths(), box.width, state.buffer.multiline());
}

// Scrolls so that the caret's line (and, single-line, its column) is in view.
void keep_caret_visible(HWND hwnd, EditState& state) {
  const TextBox box = text_box(hwnd);
  const std::vector<EditLine> lines = lines_of(state, box);
  const std::size_t line = line_of(lines, state.buffer.caret());
  const std::size_t rows = static_cast<std::size_t>(box.rows);
  if (line < state.top_line) state.top_line = line;
  if (line >= state.top_line + rows) state.top_line = line + 1 - rows;
  state.top_line = std::min(state.top_line, lines.size() - 1);
  if (!state.buffer.multiline()) {
    const int x = x_of(state.buffer.text(), control_char_widths(), lines[0], state.buffer.caret());
    if (x < state.scroll_x) state.scroll_x = std::max(0, x - box.width / 3);
    if (x >= state.scroll_x + box.width) state.scroll_x = x - box.width + 1;
  }
}

void notify(HWND hwnd, WORD code) {
  const Window* window = find_window(hwnd);
  if (window == nullptr) return;
  send_message(window->parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(window->id), code),
               reinterpret_cast<LPARAM>(hwnd));
}

// The caret shows at once, and its blinking starts afresh, whenever it moves or the text
// changes, as long as the field has the keyboard.
void restart_blinking(HWND hwnd, EditState& state) {
  state.caret_shown = true;
  if (GetFocus() == hwnd) set_system_timer(hwnd, kCaretTimer, GetCaretBlinkTime());
}

void after_edit(HWND hwnd, bool changed) {
  EditState* state = find_state(hwnd);
  if (state != nullptr) {
    keep_caret_visible(hwnd, *state);
    restart_blinking(hwnd, *state);
  }
  InvalidateRect(hwnd, nullptr, FALSE);
  const bool hit_limit = state != nullptr && state->buffer.take_hit_limit();
  if (changed) notify(hwnd, EN_CHANGE);
  if (hit_limit) notify(hwnd, EN_MAXTEXT);
}

void copy_selection(const EditState& state) {
  if (state.buffer.has_selection()) set_clipboard_text(state.buffer.selected_text());
}

// The clipboard's text in place of the selection, cut to fit the field.
void paste(HWND hwnd, EditState& state) { after_edit(hwnd, state.buffer.replace_selection(clipboard_text())); }

void cut(HWND hwnd, EditState& state) {
  if (!state.buffer.has_selection()) return;
  copy_selection(state);
  after_edit(hwnd, state.buffer.backspace());
}

// Up/Down/Home/End work on the lines as shown; `extend` moves only the caret's end of the
// selection.
void move_by_line(HWND hwnd, EditState& state, int vk, bool extend) {
  const TextBox box = text_box(hwnd);
  const std::vector<EditLine> lines = lines_of(state, box);
  const CharWidths& widths = control_char_widths();
  const std::string& text = state.buffer.text();
  const std::size_t line = line_of(lines, state.buffer.caret());
  const int x = x_of(text, widths, lines[line], state.buffer.caret());
  switch (vk) {
    case VK_HOME:
      state.buffer.set_caret(lines[line].begin, extend);
      return;
    case VK_END: {
      // At a wrapped line's end the caret stays before the blank that ends it.
      std::size_t end = lines[line].end;
      if (line + 1 < lines.size() && lines[line + 1].begin == end && end > lines[line].begin) --end;
      state.buffer.set_caret(end, extend);
      return;
    }
    case VK_UP:
      if (line > 0) state.buffer.set_caret(position_at_x(text, widths, lines[line - 1], x), extend);
      return;
    case VK_DOWN:
      if (line + 1 < lines.size())
        state.buffer.set_caret(position_at_x(text, widths, lines[line + 1], x), extend);
      return;
    default:
      return;
  }
}

void key_down(HWND hwnd, EditState& state, const MSG& msg) {
  const bool shift = held_for_key_message(msg, VK_SHIFT);
  const bool ctrl = held_for_key_message(msg, VK_CONTROL);
  bool changed = false;
  switch (msg.wParam) {
    case VK_LEFT: state.buffer.move_left(shift); break;
    case VK_RIGHT: state.buffer.move_right(shift); break;
    case VK_HOME:
    case VK_END:
    case VK_UP:
    case VK_DOWN: move_by_line(hwnd, state, static_cast<int>(msg.wParam), shift); break;
    case VK_DELETE:
      if (shift) return cut(hwnd, state);  // the old keys for cut, copy and paste
      changed = state.buffer.delete_forward();
      break;
    case VK_INSERT:
      if (ctrl) copy_selection(state);
      if (shift) paste(hwnd, state);
      return;
    default: return;
  }
  after_edit(hwnd, changed);
}

void typed_char(HWND hwnd, EditState& state, WPARAM code) {
  bool changed = false;
  switch (code) {
    case kCopyChar: return copy_selection(state);
    case kPasteChar: return paste(hwnd, state);
    case kCutChar: return cut(hwnd, state);
    case kUndoChar: return after_edit(hwnd, state.buffer.undo());
    default: break;
  }
  if (code == 8) {
    changed = state.buffer.backspace();
  } else if (code == '\n') {
    changed = state.buffer.insert_line_break();  // Ctrl+Enter
  } else if (code == '\r') {
    // Plain Enter breaks the line only in a field that asks for it; in a dialog it has
    // already become the default button's press.
    const Window* window = find_window(hwnd);
    if (window == nullptr || (window->style & ES_WANTRETURN) == 0) return;
    changed = state.buffer.insert_line_break();
  } else {
    changed = state.buffer.type_char(static_cast<unsigned>(std::min<WPARAM>(code, 0xFFFF)));
  }
  after_edit(hwnd, changed);
}

// The text position under a point of the client area (above or below the text: the first
// or last line shown; a multi-line field scrolls no further than that).
std::size_t position_at(HWND hwnd, const EditState& state, LPARAM lparam) {
  const int x = static_cast<short>(LOWORD(lparam));
  const int y = static_cast<short>(HIWORD(lparam));
  const TextBox box = text_box(hwnd);
  const std::vector<EditLine> lines = lines_of(state, box);
  // Above the text a multi-line field reaches one line further up (a drag scrolls), below it
  // one line further down.
  const int below_top = y - box.top;
  const int row = std::clamp(below_top >= 0 ? below_top / box.line_height : -1, state.buffer.multiline() ? -1 : 0,
                             box.rows);
  const long long line_index = std::clamp<long long>(static_cast<long long>(state.top_line) + row, 0,
                                                     static_cast<long long>(lines.size()) - 1);
  const int scroll = state.buffer.multiline() ? 0 : state.scroll_x;
  return position_at_x(state.buffer.text(), control_char_widths(), lines[static_cast<std::size_t>(line_index)],
                       x - box.left + scroll);
}

void paint_edit(HWND hwnd) {
  const Window* window = find_window(hwnd);
  EditState* state = find_state(hwnd);
  if (window == nullptr || state == nullptr) return;
  ScratchSurface surface = surface_for(hwnd, window->enabled ? kWindowColor : kFaceColor);
  if ((window->style & WS_BORDER) != 0) surface.edge(0, 0, surface.width(), surface.height(), true);
  const TextBox box = text_box(hwnd);
  const std::vector<EditLine> lines = lines_of(*state, box);
  const std::string& text = state->buffer.text();
  const int scroll = state->buffer.multiline() ? 0 : state->scroll_x;
  const std::size_t caret_line = line_of(lines, state->buffer.caret());
  const bool focused = GetFocus() == hwnd;
  // The selection shows while the field has the keyboard, as Windows' fields do.
  const std::size_t selected_from = focused ? state->buffer.selection_start() : 0;
  const std::size_t selected_to = focused ? state->buffer.selection_end() : 0;
  const CharWidths& widths = control_char_widths();
  for (std::size_t row = 0; row < static_cast<std::size_t>(box.rows); ++row) {
    const std::size_t index = state->top_line + row;
    if (index >= lines.size()) break;
    const EditLine& line = lines[index];
    const int y = box.top + static_cast<int>(row) * box.line_height;
    const std::string_view shown = std::string_view(text).substr(line.begin, line.end - line.begin);
    surface.text(box.left - scroll, y, shown, window->enabled ? kTextColor : kGrayTextColor);
    const std::size_t from = std::max(selected_from, line.begin), to = std::min(selected_to, line.end);
    if (from < to) {
      const int left = box.left - scroll + x_of(text, widths, line, from);
      const int right = box.left - scroll + x_of(text, widths, line, to);
      surface.fill(left, y, right, y + box.line_height, kHighlightColor);
      surface.text(left, y, std::string_view(text).substr(from, to - from), kHighlightTextColor);
    }
    if (focused && state->caret_shown && index == caret_line) {
      const int x = box.left - scroll + x_of(text, widths, line, state->buffer.caret());
      surface.fill(x, y, x + 1, y + box.line_height, kTextColor);
    }
  }
  // The frame is drawn last so text scrolled sideways never covers it.
  if ((window->style & WS_BORDER) != 0) {
    surface.fill(0, 0, 2, surface.height(), kWindowColor);
    surface.fill(surface.width() - 2, 0, surface.width(), surface.height(), kWindowColor);
    surface.edge(0, 0, surface.width(), surface.height(), true);
  }
  show_surface(hwnd, surface);
}

// EM_GETSEL: the selection's start and end, written where the parameters point (either may be
// null) and returned in the result's two halves.
LRESULT get_selection(const EditState& state, WPARAM start_address, LPARAM end_address) {
  const auto start = static_cast<DWORD>(state.buffer.selection_start());
  const auto end = static_cast<DWORD>(state.buffer.selection_end());
  if (start_address != 0) *reinterpret_cast<DWORD*>(start_address) = start;
  if (end_address != 0) *reinterpret_cast<DWORD*>(end_address) = end;
  return static_cast<LRESULT>(MAKELONG(std::min<DWORD>(start, 0xFFFF), std::min<DWORD>(end, 0xFFFF)));
}

// EM_SETSEL: from `start` to `end`, where -1 for the end means the text's end and -1 for the
// start takes the selection away.
void set_selection(HWND hwnd, EditState& state, WPARAM start, LPARAM end) {
  const auto as_position = [&](long long value) {
    return value < 0 ? state.buffer.text().size() : static_cast<std::size_t>(value);
  };
  const auto signed_start = static_cast<long long>(static_cast<INT_PTR>(start));
  if (signed_start < 0)
    state.buffer.set_caret(state.buffer.caret());
  else
    state.buffer.select(as_position(signed_start), as_position(static_cast<long long>(end)));
  after_edit(hwnd, false);
}

LRESULT get_text(const EditState& state, WPARAM size, LPARAM buffer_address) {
  char* buffer = reinterpret_cast<char*>(buffer_address);
  if (buffer == nullptr || size == 0) return 0;
  const std::string& text = state.buffer.text();
  const std::size_t count = std::min<std::size_t>(text.size(), size - 1);
  std::copy_n(text.data(), count, buffer);
  buffer[count] = '\0';
  return static_cast<LRESULT>(count);
}

}  // namespace

LRESULT CALLBACK edit_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_CREATE) {
    const Window* window = find_window(hwnd);
    EditState fresh{EditBuffer(window != nullptr && (window->style & ES_MULTILINE) != 0)};
    if (window != nullptr) fresh.buffer.set_text(window->text);
    edit_states()[hwnd] = std::move(fresh);
    return 0;
  }
  EditState* state = find_state(hwnd);
  if (state == nullptr) return DefWindowProcA(hwnd, message, wparam, lparam);
  switch (message) {
    case WM_NCDESTROY:
      edit_states().erase(hwnd);
      return 0;
    case WM_PAINT:
      paint_window(hwnd, paint_edit);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_GETDLGCODE: {
      const Window* window = find_window(hwnd);
      const bool wants_return = window != nullptr && (window->style & (ES_MULTILINE | ES_WANTRETURN)) ==
                                                         (ES_MULTILINE | ES_WANTRETURN);
      return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS | (wants_return ? DLGC_WANTALLKEYS : 0);
    }
    case WM_SETFOCUS:
      remember_focus(hwnd);
      restart_blinking(hwnd, *state);
      InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    case WM_KILLFOCUS:
      kill_system_timer(hwnd, kCaretTimer);
      state->dragging = false;
      InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    case WM_ENABLE:
      InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    case kSystemTimerMessage:
      if (wparam == kCaretTimer) {
        state->caret_shown = !state->caret_shown;
        InvalidateRect(hwnd, nullptr, FALSE);
      }
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetFocus(hwnd);
      if ((state = find_state(hwnd)) == nullptr) return 0;
      if (message == WM_LBUTTONDBLCLK) {
        state->buffer.select_word_at(position_at(hwnd, *state, lparam));
      } else {
        // Shift and a press extend the selection to the point; a drag goes on from there.
        state->buffer.set_caret(position_at(hwnd, *state, lparam), (wparam & MK_SHIFT) != 0);
        state->dragging = true;
      }
      after_edit(hwnd, false);
      return 0;
    case WM_MOUSEMOVE:
      if (state->dragging && (wparam & MK_LBUTTON) != 0) {
        state->buffer.set_caret(position_at(hwnd, *state, lparam), true);
        after_edit(hwnd, false);
      }
      return 0;
    case WM_LBUTTONUP:
      state->dragging = false;
      return 0;
    case WM_KEYDOWN: {
      const MSG msg{hwnd, message, wparam, lparam, 0, {0, 0}};
      key_down(hwnd, *state, msg);
      return 0;
    }
    case WM_CHAR:
      typed_char(hwnd, *state, wparam);
      return 0;
    case WM_SETTEXT:
      state->buffer.set_text(lparam != 0 ? reinterpret_cast<const char*>(lparam) : "");
      state->top_line = 0;
      state->scroll_x = 0;
      after_edit(hwnd, true);
      return TRUE;
    case WM_GETTEXT:
      return get_text(*state, wparam, lparam);
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(state->buffer.text().size());
    case EM_GETSEL:
      return get_selection(*state, wparam, lparam);
    case EM_SETSEL:
      set_selection(hwnd, *state, wparam, lparam);
      return 0;
    case WM_COPY:
      copy_selection(*state);
      return 0;
    case WM_CUT:
      cut(hwnd, *state);
      return 0;
    case WM_PASTE:
      paste(hwnd, *state);
      return 0;
    case WM_CLEAR:
      if (state->buffer.has_selection()) after_edit(hwnd, state->buffer.delete_forward());
      return 0;
    case WM_UNDO:
    case EM_UNDO: {
      const bool undone = state->buffer.undo();
      after_edit(hwnd, undone);
      return undone ? TRUE : FALSE;
    }
    case EM_CANUNDO:
      return state->buffer.can_undo() ? TRUE : FALSE;
    default:
      return DefWindowProcA(hwnd, message, wparam, lparam);
  }
}

}  // namespace zorva::platform::dialogs
