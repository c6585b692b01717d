// What routing OS input to windows keeps from one event to the next.
#pragma once

namespace zorva::platform {

struct InputRouting {
  bool menu_took_press = false;  // the menu took the button's press, so it takes the release
};

}  // namespace zorva::platform
