// A menu item's or a button's text split into what is shown: the label with its "&" mnemonic
// marker taken out, the underlined letter, and the key hint after the tab.
#pragma once

#include <string>
#include <string_view>

namespace zorva::platform::menus {

struct MenuLabel {
  std::string text;       // shown label; "&&" became a literal "&"
  int underline = -1;     // index in `text` of the mnemonic letter, -1 for none
  char mnemonic = 0;      // the mnemonic in upper case (ASCII letters), 0 for none
  std::string hint;       // text after the first tab, shown right-aligned
};

MenuLabel parse_menu_label(std::string_view raw);

// True when a virtual-key code (letters 65-90, digits 48-57) names this mnemonic.
bool mnemonic_matches(char mnemonic, int vk);

}  // namespace zorva::platform::menus
