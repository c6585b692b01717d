// DialogBoxIndirectParamA and its modal loop; EndDialog, GetDlgItem, Get/SetDlgItemTextA.
#include <cstdint>

#include "platform/dialogs/controls.h"
#include "platform/dialogs/dialog.h"
#include "platform/dialogs/dialog_state.h"
#include "platform/dialogs/dialog_template.h"
#include "platform/dialogs/dialog_units.h"
#include "platform/windows/window.h"
#include "platform/windows/window_classes.h"

namespace zorva::platform::dialogs {
namespace {

// Makes the dialog window and its controls from the template; nullptr if any part fails.
HWND create_dialog(const DialogTemplate& layout, HINSTANCE instance, HWND owner, DLGPROC proc) {
  const BaseUnits base = system_base_units();
  // The template gives the client area, placed relative to the owner's client area; the
  // window round it is larger by its frame.
  POINT origin{0, 0};
  if (find_window(owner) != nullptr) origin = client_origin_on_screen(owner);
  const int x = dialog_x_to_pixels(layout.x, base);
  const int y = dialog_y_to_pixels(layout.y, base);
  RECT outer{x, y, x + dialog_x_to_pixels(layout.cx, base), y + dialog_y_to_pixels(layout.cy, base)};
  const DWORD style = (layout.style & ~static_cast<DWORD>(WS_VISIBLE | WS_CHILD)) | WS_POPUP;
  AdjustWindowRectEx(&outer, style, FALSE, layout.ex_style);
  const HWND dialog = CreateWindowExA(layout.ex_style, kDialogClass, layout.caption.c_str(), style,
                                      origin.x + outer.left, origin.y + outer.top, outer.right - outer.left,
                                      outer.bottom - outer.top, owner, nullptr, instance, nullptr);
  if (dialog == nullptr) return nullptr;
  add_dialog(dialog, proc);
  for (const DialogItemTemplate& item : layout.items) {
    const HWND control = CreateWindowExA(
        item.ex_style, item.class_name.c_str(), item.text.c_str(), item.style | WS_CHILD,
        dialog_x_to_pixels(item.x, base), dialog_y_to_pixels(item.y, base), dialog_x_to_pixels(item.cx, base),
        dialog_y_to_pixels(item.cy, base), dialog, reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(item.id)),
        instance, nullptr);
    if (control == nullptr || find_window(dialog) == nullptr) {
      DestroyWindow(dialog);
      return nullptr;
    }
  }
  return dialog;
}

// Gives the owner back its input and takes the dialog down, however the loop ends.
class ModalScope {
 public:
  ModalScope(HWND owner, HWND dialog) : owner_(owner), dialog_(dialog) {
    if (owner_ != nullptr) owner_was_disabled_ = EnableWindow(owner_, FALSE) != FALSE;
  }
  ~ModalScope() {
    if (owner_ != nullptr && !owner_was_disabled_) EnableWindow(owner_, TRUE);
    if (find_window(dialog_) != nullptr) DestroyWindow(dialog_);
  }
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

 private:
  HWND owner_;
  HWND dialog_;
  bool owner_was_disabled_ = false;
};

bool dialog_running(HWND dialog) {
  const DialogState* state = find_dialog(dialog);
  return state != nullptr && !state->ended;
}

}  // namespace

void register_dialog_classes(WindowClassTable& classes) {
  classes.add_builtin(kDialogClass, dialog_window_proc);
  classes.add_builtin("Button", button_proc);
  classes.add_builtin("Edit", edit_proc, CS_DBLCLKS);  // a double click selects a word
  classes.add_builtin("Static", static_proc);
}

}  // namespace zorva::platform::dialogs

using namespace zorva::platform;
using namespace zorva::platform::dialogs;

extern "C" {

INT_PTR WINAPI DialogBoxIndirectParamA(HINSTANCE hInstance, LPCDLGTEMPLATEA hDialogTemplate, HWND hWndParent,
                                       DLGPROC lpDialogFunc, LPARAM dwInitParam) {
  const std::optional<DialogTemplate> layout = parse_dialog_template_unsized(hDialogTemplate);
  if (!layout) return -1;
  if (hWndParent != nullptr && find_window(hWndParent) == nullptr) return -1;
  const Window* owner_top = hWndParent != nullptr ? top_level_of(hWndParent) : nullptr;
  const HWND owner = owner_top != nullptr ? owner_top->handle : nullptr;

  const HWND dialog = create_dialog(*layout, hInstance, owner, lpDialogFunc);
  if (dialog == nullptr) return -1;
  ModalScope modal(owner, dialog);

  const HWND first = first_tab_stop(dialog);
  const LRESULT wants_focus = send_message(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), dwInitParam);
  if (find_window(dialog) == nullptr) return -1;
  if (wants_focus != 0) SetFocus(first != nullptr ? first : dialog);
  if (dialog_running(dialog)) ShowWindow(dialog, SW_SHOW);

  bool quit = false;
  WPARAM quit_code = 0;
  while (dialog_running(dialog)) {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      WaitMessage();
      continue;
    }
    if (msg.message == WM_QUIT) {
      quit = true;
      quit_code = msg.wParam;
      break;
    }
    if (handle_dialog_message(dialog, msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  const DialogState* state = find_dialog(dialog);
  const INT_PTR result = (state != nullptr && state->ended) ? state->result : 0;
  if (quit) PostQuitMessage(static_cast<int>(quit_code));  // the program's own loop must see it
  return quit ? 0 : result;
}

BOOL WINAPI EndDialog(HWND hDlg, INT_PTR nResult) {
  DialogState* state = find_dialog(hDlg);
  if (state == nullptr) return FALSE;
  state->ended = true;
  state->result = nResult;
  PostMessageA(hDlg, WM_NULL, 0, 0);  // wakes a modal loop that is waiting for input
  return TRUE;
}

HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem) {
  const Window* dialog = find_window(hDlg);
  if (dialog == nullptr) return nullptr;
  for (HWND child : dialog->children) {
    const Window* control = find_window(child);
    if (control != nullptr && control->id == nIDDlgItem) return child;
  }
  return nullptr;
}

UINT WINAPI GetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPSTR lpString, int cchMax) {
  const HWND control = GetDlgItem(hDlg, nIDDlgItem);
  if (control == nullptr) {
    if (lpString != nullptr && cchMax > 0) lpString[0] = '\0';
    return 0;
  }
  const int copied = GetWindowTextA(control, lpString, cchMax);
  return copied > 0 ? static_cast<UINT>(copied) : 0;
}

BOOL WINAPI SetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPCSTR lpString) {
  const HWND control = GetDlgItem(hDlg, nIDDlgItem);
  if (control == nullptr) return FALSE;
  return SetWindowTextA(control, lpString);
}

}  // extern "C"
