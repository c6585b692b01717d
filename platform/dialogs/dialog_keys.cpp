// The dialog's own keys, looked at before a message reaches the control with the focus.
#include <vector>

#include "platform/dialogs/controls.h"
#include "platform/dialogs/dialog.h"
#include "platform/messages/keyboard.h"
#include "platform/messages/message_queue.h"
#include "platform/windows/window.h"

namespace zorva::platform::dialogs {
namespace {

bool is_within(HWND window, HWND ancestor) {
  for (const Window* w = find_window(window); w != nullptr; w = find_window(w->parent))
    if (w->handle == ancestor) return true;
  return false;
}

bool can_take_focus(HWND control) {
  const Window* window = find_window(control);
  return window != nullptr && window->visible && window->enabled && (window->style & WS_TABSTOP) != 0;
}

// Moves the focus to the next (or previous) tab stop after the current focus, wrapping.
void move_focus(HWND dialog, bool backwards) {
  const Window* window = find_window(dialog);
  if (window == nullptr) return;
  const std::vector<HWND> controls = window->children;
  const int count = static_cast<int>(controls.size());
  if (count == 0) return;
  int current = -1;
  for (int i = 0; i < count; ++i)
    if (is_within(GetFocus(), controls[static_cast<std::size_t>(i)])) current = i;
  const int step = backwards ? -1 : 1;
  int index = current < 0 ? (backwards ? count : -1) : current;
  for (int tries = 0; tries < count; ++tries) {
    index = ((index + step) % count + count) % count;
    if (can_take_focus(controls[static_cast<std::size_t>(index)])) {
      SetFocus(controls[static_cast<std::size_t>(index)]);
      return;
    }
  }
}

HWND default_button(HWND dialog) {
  const Window* window = find_window(dialog);
  if (window == nullptr) return nullptr;
  for (HWND child : window->children)
    if (is_default_button(child)) return child;
  return nullptr;
}

// Enter: the focused push button, else the default button, else IDOK.
void press_enter(HWND dialog) {
  const HWND focus = GetFocus();
  if (is_button(focus) && is_within(focus, dialog)) return click_button(focus);
  if (const HWND button = default_button(dialog)) {
    const Window* window = find_window(button);
    if (window != nullptr && window->enabled) click_button(button);
    return;
  }
  send_message(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

bool focus_wants_all_keys(HWND dialog) {
  const HWND focus = GetFocus();
  if (focus == nullptr || focus == dialog || !is_within(focus, dialog)) return false;
  return (send_message(focus, WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS) != 0;
}

// The character the key typed when it was pressed (Ctrl+Enter types 10, Enter 13).
int typed_by(const MSG& msg) {
  if (const QueuedMessage* current = current_key_message()) {
    const MSG& m = current->msg;
    if (m.hwnd == msg.hwnd && m.message == msg.message && m.wParam == msg.wParam && m.lParam == msg.lParam &&
        current->typed >= 0)
      return current->typed;
  }
  return character_for_key_now(static_cast<int>(msg.wParam & 0xFF));
}

}  // namespace

bool handle_dialog_message(HWND dialog, const MSG& msg) {
  if (!is_within(msg.hwnd, dialog)) return false;
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  switch (msg.wParam) {
    case VK_TAB:
      if (key_is_down(VK_CONTROL) || key_is_down(VK_MENU)) return false;
      move_focus(dialog, key_is_down(VK_SHIFT));
      return true;
    case VK_RETURN:
      // Ctrl+Enter goes to the field (a line break in a multi-line edit).
      if (typed_by(msg) == '\n' || focus_wants_all_keys(dialog)) return false;
      press_enter(dialog);
      return true;
    case VK_ESCAPE: {
      const HWND cancel = GetDlgItem(dialog, IDCANCEL);
      send_message(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
      return true;
    }
    default:
      return false;
  }
}

}  // namespace zorva::platform::dialogs
