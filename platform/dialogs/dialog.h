// Modal dialogs and their controls: what the rest of the platform and the tests may call.
#pragma once

#include "platform/win32.h"

namespace zorva::platform {
struct WindowClassTable;
}

namespace zorva::platform::dialogs {

// The class of dialog windows (the desktop's name for it) and of the built-in controls.
inline constexpr const char* kDialogClass = "#32770";

// Registers "#32770", "Button", "Edit" and "Static" in the class table.
void register_dialog_classes(WindowClassTable& classes);

// Dialog keyboard handling for a message taken from the queue: Tab and Shift+Tab between tab
// stops, Enter for the default (or focused) push button, Escape as IDCANCEL. True if the
// message was used up and must not be dispatched.
bool handle_dialog_message(HWND dialog, const MSG& msg);

}  // namespace zorva::platform::dialogs
