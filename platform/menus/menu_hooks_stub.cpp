// Placeholder until menus are drawn and run: windows have no menu strip.
#include "platform/menus/menu_hooks.h"

namespace zorva::platform::menus {

int bar_height(HMENU) { return 0; }
bool take_click(Window&, int, int) { return false; }
bool take_key_down(Window&, int, bool) { return false; }
bool take_key_up(Window&, int) { return false; }
void paint_bar(Window&) {}
bool has_overlay(const Window&) { return false; }
void paint_overlay(const Window&, Pixmap&) {}
void close_popups(Window&) {}

}  // namespace zorva::platform::menus
