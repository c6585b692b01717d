// CreateMenu, CreatePopupMenu, AppendMenuA, CheckMenuItem, DestroyMenu.
#include <string>

#include "platform/menus/menu.h"
#include "platform/menus/menu_tracking.h"
#include "platform/state/platform_state.h"

namespace zorva::platform::menus {
namespace {

// Deeper nesting than this is refused, which also bounds every recursive search.
constexpr int kMaxDepth = 16;

HMENU create_menu(bool bar) {
  auto menu = std::make_unique<Menu>();
  menu->bar = bar;
  return to_handle<HMENU>(menu_table().add(std::move(menu)));
}

MenuItem* search(HMENU handle, UINT id, int depth) {
  Menu* menu = find_menu(handle);
  if (menu == nullptr || depth > kMaxDepth) return nullptr;
  for (MenuItem& item : menu->items) {
    if (item.has_popup()) {
      if (MenuItem* found = search(item.popup, id, depth + 1)) return found;
    } else if (!item.separator() && item.id == id) {
      return &item;
    }
  }
  return nullptr;
}

// True if `inner` is `outer` or is reachable through `outer`'s submenus.
bool reaches(HMENU outer, HMENU inner, int depth) {
  if (outer == inner) return true;
  const Menu* menu = find_menu(outer);
  if (menu == nullptr || depth > kMaxDepth) return false;
  for (const MenuItem& item : menu->items)
    if (item.has_popup() && reaches(item.popup, inner, depth + 1)) return true;
  return false;
}

int nesting_depth(HMENU handle, int depth) {
  const Menu* menu = find_menu(handle);
  if (menu == nullptr || depth > kMaxDepth) return depth;
  int deepest = depth;
  for (const MenuItem& item : menu->items)
    if (item.has_popup()) deepest = std::max(deepest, nesting_depth(item.popup, depth + 1));
  return deepest;
}

void destroy_tree(HMENU handle, int depth) {
  std::unique_ptr<Menu> menu = menu_table().remove(from_handle(handle));
  if (!menu || depth > kMaxDepth) return;
  for (const MenuItem& item : menu->items)
    if (item.has_popup()) destroy_tree(item.popup, depth + 1);
}

}  // namespace

HandleTable<Menu>& menu_table() { return platform_state().menus; }

Menu* find_menu(HMENU handle) { return menu_table().find(from_handle(handle)); }

std::size_t live_menu_count() { return menu_table().live(); }

MenuItem* find_item_by_command(HMENU menu, UINT id) { return search(menu, id, 0); }

}  // namespace zorva::platform::menus

using namespace zorva::platform;
using namespace zorva::platform::menus;

extern "C" {

HMENU WINAPI CreateMenu(void) { return create_menu(true); }

HMENU WINAPI CreatePopupMenu(void) { return create_menu(false); }

BOOL WINAPI AppendMenuA(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCSTR lpNewItem) {
  Menu* menu = find_menu(hMenu);
  if (menu == nullptr) return FALSE;
  MenuItem item;
  item.flags = uFlags & (MF_CHECKED | MF_GRAYED | MF_DISABLED | MF_POPUP | MF_SEPARATOR);
  if (item.separator()) {
    item.flags &= ~static_cast<UINT>(MF_POPUP | MF_CHECKED);
  } else if (item.has_popup()) {
    const HMENU popup = reinterpret_cast<HMENU>(uIDNewItem);
    // A submenu must exist and must not contain the menu it is added to (no cycles).
    if (find_menu(popup) == nullptr || reaches(popup, hMenu, 0)) return FALSE;
    if (nesting_depth(popup, 1) >= kMaxDepth) return FALSE;
    item.popup = popup;
  } else {
    item.id = static_cast<UINT>(uIDNewItem);
  }
  if (!item.separator() && lpNewItem != nullptr) item.label = parse_menu_label(lpNewItem);
  menu->items.push_back(std::move(item));
  menu_contents_changed(hMenu);
  return TRUE;
}

DWORD WINAPI CheckMenuItem(HMENU hMenu, UINT uIDCheckItem, UINT uCheck) {
  MenuItem* item = nullptr;
  if ((uCheck & MF_BYPOSITION) != 0) {
    Menu* menu = find_menu(hMenu);
    if (menu != nullptr && uIDCheckItem < menu->items.size()) item = &menu->items[uIDCheckItem];
  } else {
    item = find_item_by_command(hMenu, uIDCheckItem);
  }
  if (item == nullptr) return static_cast<DWORD>(-1);
  const DWORD previous = item->checked() ? MF_CHECKED : MF_UNCHECKED;
  if ((uCheck & MF_CHECKED) != 0)
    item->flags |= MF_CHECKED;
  else
    item->flags &= ~static_cast<UINT>(MF_CHECKED);
  menu_contents_changed(hMenu);
  return previous;
}

BOOL WINAPI DestroyMenu(HMENU hMenu) {
  if (find_menu(hMenu) == nullptr) return FALSE;
  menu_destroyed(hMenu);
  destroy_tree(hMenu, 0);
  return TRUE;
}

}  // extern "C"
