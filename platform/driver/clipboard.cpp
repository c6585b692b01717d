// Line ends between the windows' "\r\n" and the system's "\n" on the way through the driver.
#include "platform/driver/clipboard.h"

#include "platform/driver/driver.h"

namespace zorva::platform {

std::string clipboard_text() {
  const std::string system = driver().clipboard_text();
  std::string text;
  text.reserve(system.size());
  // Every line end the system may use ("\n", "\r\n" or a lone "\r") becomes "\r\n".
  for (std::size_t i = 0; i < system.size(); ++i) {
    if (system[i] == '\r' || system[i] == '\n') {
      text += "\r\n";
      if (system[i] == '\r' && i + 1 < system.size() && system[i + 1] == '\n') ++i;
    } else {
      text.push_back(system[i]);
    }
  }
  return text;
}

void set_clipboard_text(std::string_view text) {
  std::string system;
  system.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    system.push_back(text[i]);
  }
  driver().set_clipboard_text(system);
}

}  // namespace zorva::platform
