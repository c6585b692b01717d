// The window procedures of the built-in controls and the dialog window.
#pragma once

#include "platform/win32.h"

namespace zorva::platform::dialogs {

LRESULT CALLBACK static_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK button_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK edit_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

// Control kinds, told apart by class name (compared without case).
bool is_button(HWND hwnd);
bool is_edit(HWND hwnd);
// A push button with BS_DEFPUSHBUTTON.
bool is_default_button(HWND hwnd);

// A button's click as the dialog hears it: WM_COMMAND with its id and BN_CLICKED.
void click_button(HWND button);

}  // namespace zorva::platform::dialogs
