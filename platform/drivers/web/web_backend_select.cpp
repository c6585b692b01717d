// The backend in a web page: the browser, or the headless one when a test asks for it.
#include "platform/backend/backend.h"
#include "platform/backend/headless_backend.h"
#include "platform/drivers/web/web_backend.h"

namespace zorva::platform {
namespace {

bool& headless_requested() {
  static bool requested = false;
  return requested;
}

}  // namespace

bool headless_backend_selected() { return headless_requested(); }
void select_headless_backend() { headless_requested() = true; }
bool sdl_backend_wanted() { return false; }

bool sdl_display_available(std::string& why) {
  why = "a web page has no SDL display";
  return false;
}

Backend& backend() {
  if (headless_backend_selected()) return headless_backend();
  return web_backend();
}

}  // namespace zorva::platform
