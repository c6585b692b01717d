// Parsing labels with an "&" mnemonic and a tab-separated key hint.
#include "platform/ui/menu_label.h"

#include "platform/core/ascii.h"

namespace zorva::platform::menus {
namespace {

// Removes the "&" markers: "&&" stays one "&", "&x" marks x; the first marked letter counts.
void strip_markers(std::string_view raw, std::string& text, int* underline, char* mnemonic) {
  text.reserve(raw.size());
  for (std::size_t i = 0; i < raw.size(); ++i) {
    const char c = raw[i];
    if (c != '&') {
      text.push_back(c);
      continue;
    }
    if (i + 1 >= raw.size()) break;  // a lone trailing "&" shows nothing
    const char next = raw[++i];
    if (next != '&' && underline != nullptr && *underline < 0) {
      *underline = static_cast<int>(text.size());
      *mnemonic = ascii_upper(next);
    }
    text.push_back(next);
  }
}

}  // namespace

MenuLabel parse_menu_label(std::string_view raw) {
  MenuLabel label;
  const std::size_t tab = raw.find('\t');
  const std::string_view shown = raw.substr(0, tab);
  strip_markers(shown, label.text, &label.underline, &label.mnemonic);
  if (tab != std::string_view::npos) strip_markers(raw.substr(tab + 1), label.hint, nullptr, nullptr);
  return label;
}

bool mnemonic_matches(char mnemonic, int vk) {
  if (mnemonic == 0) return false;
  const bool letter_or_digit = (vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9');
  return letter_or_digit && mnemonic == static_cast<char>(vk);
}

}  // namespace zorva::platform::menus
