// What a dialog window keeps beside its Window record: the program's procedure, the value
// for EndDialog, and whether its modal loop should end.
#pragma once

#include <map>
#include <optional>
#include <unordered_map>

#include "platform/dialogs/edit_layout.h"
#include "platform/dialogs/edit_state.h"
#include "platform/win32.h"

namespace zorva::platform::dialogs {

struct DialogState {
  DLGPROC proc = nullptr;
  bool ended = false;
  INT_PTR result = 0;
  // The control that last had the keyboard focus: it gets it back when the dialog does.
  HWND focus_control = nullptr;
};

// Everything the dialogs and their controls keep: each dialog's state, each edit control's
// text, and the control font's character widths once measured.
struct DialogRecords {
  std::map<HWND, DialogState> dialogs;
  std::unordered_map<HWND, EditState> edits;
  std::optional<CharWidths> control_char_widths;
};

// The state of a live dialog window, or nullptr.
DialogState* find_dialog(HWND dialog);
DialogState& add_dialog(HWND dialog, DLGPROC proc);
void remove_dialog(HWND dialog);

// The first visible, enabled control with WS_TABSTOP, or nullptr.
HWND first_tab_stop(HWND dialog);
// Called by a control that gains the focus, so that its dialog can give it back later.
void remember_focus(HWND control);

LRESULT CALLBACK dialog_window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace zorva::platform::dialogs
