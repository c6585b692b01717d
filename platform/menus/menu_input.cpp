// Mouse and keyboard input for menus: opening a popup from the bar, moving the highlight
// with the pointer or the arrow keys, choosing an item (which posts WM_COMMAND) and closing.
#include "platform/menus/menu_hooks.h"
#include "platform/menus/menu_layout.h"
#include "platform/menus/menu_tracking.h"
#include "platform/messages/keyboard.h"

namespace zorva::platform::menus {
namespace {

Menu* active_bar() {
  Window* window = find_window(tracking().window);
  return window != nullptr ? find_menu(window->menu) : nullptr;
}

// The popup of the selected title, if that title has one.
Menu* open_popup_menu() {
  Menu* bar = active_bar();
  const int title = tracking().title;
  if (bar == nullptr || title < 0 || static_cast<std::size_t>(title) >= bar->items.size()) return nullptr;
  return find_menu(bar->items[static_cast<std::size_t>(title)].popup);
}

int item_count(const Menu* menu) { return menu != nullptr ? static_cast<int>(menu->items.size()) : 0; }

// Next item from `from` in direction `step` that can be highlighted (anything but a
// separator), wrapping around; -1 if there is none.
int next_selectable(const Menu* menu, int from, int step) {
  const int count = item_count(menu);
  if (count == 0) return -1;
  int index = from;
  for (int tries = 0; tries < count; ++tries) {
    index = ((index + step) % count + count) % count;
    if (!menu->items[static_cast<std::size_t>(index)].separator()) return index;
  }
  return -1;
}

void reset_state() {
  MenuTracking& t = tracking();
  t.mode = MenuMode::Idle;
  t.title = -1;
  t.item = -1;
}

void close_menu() {
  reset_state();
  refresh_active_window();
}

void choose(const MenuItem& item) {
  const HWND window = tracking().window;
  const UINT id = item.id;
  close_menu();
  PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(id), 0);
}

// Selects a bar title and opens its popup; a title without a popup is chosen at once.
void open_title(int title, bool highlight_first) {
  MenuTracking& t = tracking();
  Menu* bar = active_bar();
  if (bar == nullptr || title < 0 || title >= item_count(bar)) return;
  const MenuItem& entry = bar->items[static_cast<std::size_t>(title)];
  if (!entry.has_popup()) {
    if (entry.choosable()) choose(entry);
    return;
  }
  t.mode = MenuMode::PopupOpen;
  t.title = title;
  t.item = highlight_first ? next_selectable(open_popup_menu(), -1, 1) : -1;
  refresh_active_window();
}

void select_bar(int title) {
  MenuTracking& t = tracking();
  t.mode = MenuMode::BarSelected;
  t.title = title;
  t.item = -1;
  refresh_active_window();
}

int title_for_mnemonic(const Menu* bar, int vk) {
  for (int i = 0; i < item_count(bar); ++i)
    if (mnemonic_matches(bar->items[static_cast<std::size_t>(i)].label.mnemonic, vk)) return i;
  return -1;
}

// Moves the active menu to this window, closing one that was open elsewhere.
void switch_to(HWND window) {
  MenuTracking& t = tracking();
  if (t.window == window) return;
  if (t.mode != MenuMode::Idle) close_menu();
  t.window = window;
  t.alt_down = false;
  t.alt_chord = false;
  t.swallowed.reset();
}

bool swallow(int vk) {
  if (vk >= 0 && vk < 256) tracking().swallowed.set(static_cast<std::size_t>(vk));
  return true;
}

// The bar title left (VK_LEFT) or right of `title`, wrapping around; titles > 0.
int neighbour_title(int title, int vk, int titles) {
  return ((title + (vk == VK_LEFT ? -1 : 1)) % titles + titles) % titles;
}

void popup_key(int vk) {
  MenuTracking& t = tracking();
  Menu* bar = active_bar();
  Menu* popup = open_popup_menu();
  const int titles = item_count(bar);
  switch (vk) {
    case VK_UP:
    case VK_DOWN:
      t.item = next_selectable(popup, t.item < 0 && vk == VK_UP ? 0 : t.item, vk == VK_UP ? -1 : 1);
      refresh_active_window();
      return;
    case VK_LEFT:
    case VK_RIGHT:
      if (titles > 0) open_title(neighbour_title(t.title, vk, titles), true);
      return;
    case VK_RETURN:
      if (popup != nullptr && t.item >= 0 && t.item < item_count(popup)) {
        const MenuItem& item = popup->items[static_cast<std::size_t>(t.item)];
        if (item.choosable() && !item.has_popup()) choose(item);
      }
      return;
    case VK_ESCAPE:
    case VK_MENU:
    case VK_F10:
      close_menu();
      return;
    default:
      break;
  }
  // A mnemonic chooses the first enabled item with that letter, or highlights a greyed one.
  int greyed_match = -1;
  for (int i = 0; i < item_count(popup); ++i) {
    const MenuItem& item = popup->items[static_cast<std::size_t>(i)];
    if (item.separator() || !mnemonic_matches(item.label.mnemonic, vk)) continue;
    if (item.choosable() && !item.has_popup()) return choose(item);
    if (greyed_match < 0) greyed_match = i;
  }
  if (greyed_match >= 0) {
    t.item = greyed_match;
    refresh_active_window();
  }
}

void bar_key(int vk) {
  MenuTracking& t = tracking();
  Menu* bar = active_bar();
  const int titles = item_count(bar);
  if (titles == 0) return close_menu();
  switch (vk) {
    case VK_LEFT:
    case VK_RIGHT:
      select_bar(neighbour_title(t.title, vk, titles));
      return;
    case VK_RETURN:
    case VK_DOWN:
    case VK_UP:
      open_title(t.title, true);
      return;
    case VK_ESCAPE:
    case VK_MENU:
    case VK_F10:
      close_menu();
      return;
    default:
      if (const int title = title_for_mnemonic(bar, vk); title >= 0) open_title(title, true);
  }
}

// What lies under a point of the window's framebuffer while its menu is active.
struct MenuHit {
  bool in_bar = false;    // in the menu strip
  int title = -1;         // the bar title there, if any
  bool in_popup = false;  // inside the open popup's box
  int item = -1;          // the popup item there (-1: its frame)
};

MenuHit hit_test(const Window& window, const Menu& bar, int x, int y) {
  MenuHit hit;
  ScratchSurface measure(1, 1, kFaceColor);
  const std::vector<Span> titles = layout_bar(bar, measure);
  const MenuTracking& t = tracking();
  if (const Menu* popup = open_popup_menu();
      t.mode == MenuMode::PopupOpen && popup != nullptr && t.title < static_cast<int>(titles.size())) {
    const PopupLayout layout = layout_popup(*popup, titles[static_cast<std::size_t>(t.title)].begin, kBarHeight,
                                            window.framebuffer.width, measure);
    if (x >= layout.box.left && x < layout.box.right && y >= layout.box.top && y < layout.box.bottom) {
      hit.in_popup = true;
      hit.item = item_at(layout, x, y);
      return hit;
    }
  }
  hit.in_bar = y >= 0 && y < kBarHeight && x >= 0 && x < window.framebuffer.width;
  if (hit.in_bar) hit.title = title_at(titles, x);
  return hit;
}

// An item of the open popup that the pointer highlights: one that can be chosen (never a
// separator or a greyed item).
bool pointable(int index) {
  const Menu* popup = open_popup_menu();
  if (popup == nullptr || index < 0 || index >= item_count(popup)) return false;
  const MenuItem& item = popup->items[static_cast<std::size_t>(index)];
  return item.choosable() && !item.has_popup();
}

void set_highlight(int index) {
  MenuTracking& t = tracking();
  if (t.item == index) return;
  t.item = index;
  refresh_active_window();
}

}  // namespace

bool take_press(Window& window, int x, int y) {
  switch_to(window.handle);
  MenuTracking& t = tracking();
  const Menu* bar = find_menu(window.menu);
  if (bar == nullptr) {
    if (t.mode != MenuMode::Idle) close_menu();
    return false;
  }
  const MenuHit hit = hit_test(window, *bar, x, y);
  if (hit.in_popup) {
    // The item is chosen when the button comes up over it; the press only highlights it.
    set_highlight(pointable(hit.item) ? hit.item : -1);
    return true;
  }
  if (hit.in_bar) {
    if (hit.title < 0 || (t.mode == MenuMode::PopupOpen && hit.title == t.title))
      close_menu();
    else
      open_title(hit.title, false);
    return true;
  }
  if (t.mode != MenuMode::Idle) {
    close_menu();  // a click elsewhere closes the menu and does nothing else
    return true;
  }
  return false;
}

void take_release(Window& window, int x, int y) {
  MenuTracking& t = tracking();
  const Menu* bar = find_menu(window.menu);
  if (t.window != window.handle || t.mode != MenuMode::PopupOpen || bar == nullptr) return;
  const MenuHit hit = hit_test(window, *bar, x, y);
  if (hit.in_popup) {
    if (pointable(hit.item)) choose(open_popup_menu()->items[static_cast<std::size_t>(hit.item)]);
    return;
  }
  // Released on the bar (the press that opened the popup, say) the popup stays open;
  // dragged off the menu and released, it closes.
  if (!hit.in_bar) close_menu();
}

bool take_motion(Window& window, int x, int y) {
  MenuTracking& t = tracking();
  const Menu* bar = find_menu(window.menu);
  if (t.window != window.handle || t.mode == MenuMode::Idle || bar == nullptr) return false;
  const MenuHit hit = hit_test(window, *bar, x, y);
  const bool other_title = hit.title >= 0 && hit.title != t.title;
  if (t.mode == MenuMode::BarSelected) {
    if (other_title) select_bar(hit.title);
    return true;
  }
  // Along the bar the pointer opens the popup of each title it passes that has one.
  if (other_title && bar->items[static_cast<std::size_t>(hit.title)].has_popup())
    open_title(hit.title, false);
  else if (!other_title)
    set_highlight(hit.in_popup && pointable(hit.item) ? hit.item : -1);
  return true;
}

bool take_key_down(Window& window, int vk, bool repeat) {
  switch_to(window.handle);
  MenuTracking& t = tracking();
  Menu* bar = find_menu(window.menu);
  if (bar == nullptr) {
    if (t.mode != MenuMode::Idle) close_menu();
    return false;
  }
  // Alt released where we could not see it (the window lost the keyboard meanwhile).
  if (t.alt_down && vk != VK_MENU && !key_is_down(VK_MENU)) t.alt_down = false;
  if (t.mode == MenuMode::PopupOpen) {
    popup_key(vk);
    return swallow(vk);
  }
  if (t.mode == MenuMode::BarSelected) {
    bar_key(vk);
    return swallow(vk);
  }
  if (vk == VK_MENU) {
    if (!repeat) {
      t.alt_down = true;
      t.alt_chord = false;
    }
    return swallow(vk);
  }
  if (t.alt_down) {
    t.alt_chord = true;
    if (!repeat)
      if (const int title = title_for_mnemonic(bar, vk); title >= 0) open_title(title, true);
    return swallow(vk);
  }
  if (vk == VK_F10) {
    if (!repeat && !bar->items.empty()) select_bar(0);
    return swallow(vk);
  }
  return false;
}

bool take_key_up(Window& window, int vk) {
  MenuTracking& t = tracking();
  if (t.window != window.handle) return false;
  if (vk == VK_MENU && t.alt_down) {
    t.alt_down = false;
    // Alt pressed and released alone selects the bar, as F10 does.
    const Menu* bar = find_menu(window.menu);
    if (!t.alt_chord && t.mode == MenuMode::Idle && bar != nullptr && !bar->items.empty()) select_bar(0);
  }
  if (vk < 0 || vk >= 256 || !t.swallowed.test(static_cast<std::size_t>(vk))) return false;
  t.swallowed.reset(static_cast<std::size_t>(vk));
  return true;
}

void close_popups(Window& window) {
  MenuTracking& t = tracking();
  if (t.window != window.handle) return;
  t.alt_down = false;
  t.alt_chord = false;
  if (t.mode != MenuMode::Idle) close_menu();
}

}  // namespace zorva::platform::menus
