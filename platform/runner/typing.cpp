// Typing through the same input path as a driver's key events.
#include "platform/runner/typing.h"

#include "platform/driver/os_events.h"
#include "platform/messages/keyboard.h"

namespace zorva::platform::runner {
namespace {

// VK_OEM_8: a key no layout of ours gives a character of its own, so the text it reports
// is what it types.
constexpr int kTextKey = 0xDF;

}  // namespace

void press_key(int vk) {
  os_events::key_down(vk, 0, false);
  os_events::key_up(vk);
}

void press_ctrl_chord(int letter) {
  os_events::key_down(VK_CONTROL, 0, false);
  press_key(letter);
  os_events::key_up(VK_CONTROL);
}

void type_text(std::string_view text) {
  for (const unsigned char c : text) {
    int vk = 0;
    bool shift = false;
    if (!key_for_character(c, vk, shift)) {
      os_events::key_down(kTextKey, c, false);
      os_events::key_up(kTextKey);
      continue;
    }
    const bool press_shift = shift && !key_is_down(VK_SHIFT);
    if (press_shift) os_events::key_down(VK_SHIFT, 0, false);
    press_key(vk);
    if (press_shift) os_events::key_up(VK_SHIFT);
  }
}

}  // namespace zorva::platform::runner
