// The dialog window's procedure: the program's dialog procedure first, then the default
// dialog handling for what it leaves (returns 0).
#include "platform/dialogs/control_paint.h"
#include "platform/dialogs/controls.h"
#include "platform/dialogs/dialog_state.h"
#include "platform/state/platform_state.h"
#include "platform/windows/window.h"

namespace zorva::platform::dialogs {
namespace {

std::map<HWND, DialogState>& dialog_states() { return platform_state().dialogs.dialogs; }

// The face with a raised edge, so the dialog stands out even where no window manager draws
// a frame round it.
void paint_face(HWND hwnd) {
  ScratchSurface surface = surface_for(hwnd, kFaceColor);
  surface.edge(0, 0, surface.width(), surface.height(), false);
  show_surface(hwnd, surface);
}

// The close box asks for the same as Escape: IDCANCEL, from the Cancel button if there is one.
void send_cancel(HWND dialog) {
  const HWND cancel = GetDlgItem(dialog, IDCANCEL);
  send_message(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
}

}  // namespace

DialogState* find_dialog(HWND dialog) {
  auto it = dialog_states().find(dialog);
  if (it == dialog_states().end()) return nullptr;
  // A handle value can come back after a reset: only a live dialog window has a state.
  const Window* window = find_window(dialog);
  if (window == nullptr || window->proc != dialog_window_proc) return nullptr;
  return &it->second;
}

DialogState& add_dialog(HWND dialog, DLGPROC proc) {
  DialogState& state = dialog_states()[dialog];
  state = DialogState{};
  state.proc = proc;
  return state;
}

void remove_dialog(HWND dialog) { dialog_states().erase(dialog); }

HWND first_tab_stop(HWND dialog) {
  const Window* window = find_window(dialog);
  if (window == nullptr) return nullptr;
  for (HWND child : window->children) {
    const Window* control = find_window(child);
    if (control != nullptr && (control->style & WS_TABSTOP) != 0 && control->enabled && control->visible)
      return child;
  }
  return nullptr;
}

void remember_focus(HWND control) {
  if (DialogState* state = find_dialog(GetParent(control)); state != nullptr) state->focus_control = control;
}

// The dialog itself never keeps the focus: it passes it to the control that had it last
// (as when the user comes back to the dialog from another window), else the first tab stop.
static void pass_focus_on(HWND dialog) {
  const DialogState* state = find_dialog(dialog);
  HWND target = state != nullptr ? state->focus_control : nullptr;
  const Window* control = find_window(target);
  if (control == nullptr || GetParent(target) != dialog || !control->enabled || !control->visible)
    target = first_tab_stop(dialog);
  if (target != nullptr) SetFocus(target);
}

LRESULT CALLBACK dialog_window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_CREATE) remove_dialog(hwnd);  // a state left by an earlier window
  if (message == WM_NCDESTROY) {
    if (DialogState* state = find_dialog(hwnd); state != nullptr && state->proc != nullptr)
      state->proc(hwnd, message, wparam, lparam);
    remove_dialog(hwnd);
    return 0;
  }
  if (DialogState* state = find_dialog(hwnd); state != nullptr && state->proc != nullptr) {
    const INT_PTR handled = state->proc(hwnd, message, wparam, lparam);
    if (handled != 0) return handled;
  }
  switch (message) {
    case WM_CLOSE:
      send_cancel(hwnd);
      return 0;
    case WM_SETFOCUS:
      pass_focus_on(hwnd);
      return 0;
    case WM_ERASEBKGND:
      paint_face(hwnd);
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      if (BeginPaint(hwnd, &ps) != nullptr) EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_COMMAND:
    case WM_INITDIALOG:
      return 0;
    default:
      return DefWindowProcA(hwnd, message, wparam, lparam);
  }
}

}  // namespace zorva::platform::dialogs
