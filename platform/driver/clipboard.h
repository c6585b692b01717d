// The clipboard as the platform's windows see it: text whose lines end in "\r\n", as on
// Windows. The driver holds it in the system's own form (lines ending in "\n").
#pragma once

#include <string>
#include <string_view>

namespace zorva::platform {

std::string clipboard_text();
void set_clipboard_text(std::string_view text);

}  // namespace zorva::platform
