// The "Edit" control: a white field with a sunken frame, text typed at a visible caret,
// multi-line fields wrapping words and scrolling to keep the caret in view.
#include <algorithm>
#include <unordered_map>

#include "platform/dialogs/control_paint.h"
#include "platform/dialogs/controls.h"
#include "platform/dialogs/dialog_state.h"
#include "platform/dialogs/edit_buffer.h"
#include "platform/dialogs/edit_state.h"
#include "platform/state/platform_state.h"
#include "platform/windows/window.h"

namespace zorva::platform::dialogs {
namespace {

constexpr int kMargin = 2;  // between the frame and the text

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

void notify_change(HWND hwnd) {
  const Window* window = find_window(hwnd);
  if (window == nullptr) return;
  send_message(window->parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(window->id), EN_CHANGE),
               reinterpret_cast<LPARAM>(hwnd));
}

void after_edit(HWND hwnd, bool changed) {
  if (EditState* state = find_state(hwnd)) keep_caret_visible(hwnd, *state);
  InvalidateRect(hwnd, nullptr, FALSE);
  if (changed) notify_change(hwnd);
}

// Up/Down/Home/End work on the lines as shown.
void move_by_line(HWND hwnd, EditState& state, int vk) {
  const TextBox box = text_box(hwnd);
  const std::vector<EditLine> lines = lines_of(state, box);
  const CharWidths& widths = control_char_widths();
  const std::string& text = state.buffer.text();
  const std::size_t line = line_of(lines, state.buffer.caret());
  const int x = x_of(text, widths, lines[line], state.buffer.caret());
  switch (vk) {
    case VK_HOME:
      state.buffer.set_caret(lines[line].begin);
      return;
    case VK_END: {
      // At a wrapped line's end the caret stays before the blank that ends it.
      std::size_t end = lines[line].end;
      if (line + 1 < lines.size() && lines[line + 1].begin == end && end > lines[line].begin) --end;
      state.buffer.set_caret(end);
      return;
    }
    case VK_UP:
      if (line > 0) state.buffer.set_caret(position_at_x(text, widths, lines[line - 1], x));
      return;
    case VK_DOWN:
      if (line + 1 < lines.size()) state.buffer.set_caret(position_at_x(text, widths, lines[line + 1], x));
      return;
    default:
      return;
  }
}

void key_down(HWND hwnd, EditState& state, WPARAM vk) {
  bool changed = false;
  switch (vk) {
    case VK_LEFT: state.buffer.move_left(); break;
    case VK_RIGHT: state.buffer.move_right(); break;
    case VK_HOME:
    case VK_END:
    case VK_UP:
    case VK_DOWN: move_by_line(hwnd, state, static_cast<int>(vk)); break;
    case VK_DELETE: changed = state.buffer.delete_forward(); break;
    default: return;
  }
  after_edit(hwnd, changed);
}

void typed_char(HWND hwnd, EditState& state, WPARAM code) {
  bool changed = false;
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

void click_at(HWND hwnd, EditState& state, LPARAM lparam) {
  const int x = static_cast<short>(LOWORD(lparam));
  const int y = static_cast<short>(HIWORD(lparam));
  const TextBox box = text_box(hwnd);
  const std::vector<EditLine> lines = lines_of(state, box);
  const long long row = std::max(0, (y - box.top) / box.line_height);
  const std::size_t line = std::min<std::size_t>(state.top_line + static_cast<std::size_t>(row), lines.size() - 1);
  const int scroll = state.buffer.multiline() ? 0 : state.scroll_x;
  state.buffer.set_caret(position_at_x(state.buffer.text(), control_char_widths(), lines[line], x - box.left + scroll));
  after_edit(hwnd, false);
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
  for (std::size_t row = 0; row < static_cast<std::size_t>(box.rows); ++row) {
    const std::size_t index = state->top_line + row;
    if (index >= lines.size()) break;
    const EditLine& line = lines[index];
    const int y = box.top + static_cast<int>(row) * box.line_height;
    surface.text(box.left - scroll, y, std::string_view(text).substr(line.begin, line.end - line.begin),
                 window->enabled ? kTextColor : kGrayTextColor);
    if (focused && index == caret_line) {
      const int x = box.left - scroll + x_of(text, control_char_widths(), line, state->buffer.caret());
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
    case WM_KILLFOCUS:
    case WM_ENABLE:
      if (message == WM_SETFOCUS) remember_focus(hwnd);
      InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus(hwnd);
      if ((state = find_state(hwnd)) != nullptr) click_at(hwnd, *state, lparam);
      return 0;
    case WM_KEYDOWN:
      key_down(hwnd, *state, wparam);
      return 0;
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
    default:
      return DefWindowProcA(hwnd, message, wparam, lparam);
  }
}

}  // namespace zorva::platform::dialogs
