// The one active menu: which window's bar is selected, which popup is open and which item is
// highlighted. Only one menu can be active at a time, as on the desktop.
#pragma once

#include <bitset>

#include "platform/win32.h"

namespace zorva::platform::menus {

enum class MenuMode {
  Idle,         // nothing selected (Alt may be held)
  BarSelected,  // a bar title is highlighted, no popup (after F10 or a lone Alt)
  PopupOpen,    // a title's popup is shown
};

struct MenuTracking {
  HWND window = nullptr;  // the window whose bar is active (or where Alt went down)
  MenuMode mode = MenuMode::Idle;
  int title = -1;         // selected bar title
  int item = -1;          // highlighted popup item, -1 for none
  bool alt_down = false;  // Alt is held over `window`
  bool alt_chord = false; // another key was pressed while Alt was held
  std::bitset<256> swallowed;  // keys whose key-down the menu took: their key-up is taken too
};

MenuTracking& tracking();

// Called by the menu model when a menu's items or marks change, or a menu is destroyed, so
// an open popup is redrawn or closed.
void menu_contents_changed(HMENU menu);
void menu_destroyed(HMENU menu);

// Redraws the active window's bar and asks for the window to be presented again.
void refresh_active_window();

}  // namespace zorva::platform::menus
