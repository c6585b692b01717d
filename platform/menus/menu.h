// Menus: the bar and popup records behind an HMENU, and their handle table.
#pragma once

#include <vector>

#include "platform/core/handle_table.h"
#include "platform/ui/menu_label.h"
#include "platform/win32.h"

namespace zorva::platform::menus {

struct MenuItem {
  UINT flags = 0;         // MF_CHECKED, MF_GRAYED, MF_DISABLED, MF_POPUP, MF_SEPARATOR
  UINT id = 0;            // command identifier (strings only)
  HMENU popup = nullptr;  // MF_POPUP items: the submenu
  MenuLabel label;

  bool separator() const { return (flags & MF_SEPARATOR) != 0; }
  bool has_popup() const { return (flags & MF_POPUP) != 0; }
  bool checked() const { return (flags & MF_CHECKED) != 0; }
  bool grayed() const { return (flags & (MF_GRAYED | MF_DISABLED)) != 0; }
  // Can be chosen: a string item that is neither greyed nor a separator.
  bool choosable() const { return !separator() && !grayed(); }
};

struct Menu {
  bool bar = false;  // made by CreateMenu (a window's menu bar) rather than CreatePopupMenu
  std::vector<MenuItem> items;
};

HandleTable<Menu>& menu_table();
Menu* find_menu(HMENU handle);
std::size_t live_menu_count();

// Finds the first string item with this command id, searching submenus depth first.
MenuItem* find_item_by_command(HMENU menu, UINT id);

}  // namespace zorva::platform::menus
