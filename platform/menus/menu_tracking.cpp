// The one active menu and what changes it: redrawing the bar when the menu moves, closing it
// when its menu goes.
#include "platform/menus/menu_tracking.h"

#include "platform/menus/menu_hooks.h"
#include "platform/state/platform_state.h"

namespace zorva::platform::menus {

MenuTracking& tracking() { return platform_state().menu_tracking; }

void refresh_active_window() {
  Window* window = find_window(tracking().window);
  if (window == nullptr) return;
  paint_bar(*window);
  // Presented by the next message turn, or by the wait that the taken input ends in.
  framebuffer_changed(window->handle);
}

void menu_contents_changed(HMENU) {
  if (tracking().mode != MenuMode::Idle) refresh_active_window();
}

void menu_destroyed(HMENU menu) {
  MenuTracking& t = tracking();
  Window* window = find_window(t.window);
  if (window == nullptr || t.mode == MenuMode::Idle) return;
  // Whether the bar itself or one of its popups goes, the open menu closes.
  t.mode = MenuMode::Idle;
  t.title = -1;
  t.item = -1;
  if (window->menu != menu) refresh_active_window();
}


}  // namespace zorva::platform::menus
