// Chooses the backend once: headless for tests, SDL2 otherwise.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/backend/backend.h"
#include "platform/backend/headless_backend.h"
#include "platform/backend/sdl_backend.h"

namespace zorva::platform {
namespace {

struct Selection {
  bool headless_requested = false;
  std::unique_ptr<SdlBackend> sdl;
  std::string sdl_error;
};

Selection& selection() {
  static Selection s;
  return s;
}

bool headless_by_environment() {
  const char* value = std::getenv("ZORVA_BACKEND");
  return value && std::strcmp(value, "headless") == 0;
}

SdlBackend& sdl_backend() {
  Selection& s = selection();
  if (!s.sdl) s.sdl = std::make_unique<SdlBackend>(s.sdl_error);
  return *s.sdl;
}

}  // namespace

bool headless_backend_selected() { return selection().headless_requested || headless_by_environment(); }

void select_headless_backend() { selection().headless_requested = true; }

bool sdl_backend_wanted() { return !headless_backend_selected(); }

bool sdl_display_available(std::string& why) {
  SdlBackend& sdl = sdl_backend();
  if (!sdl.ready()) why = selection().sdl_error;
  return sdl.ready();
}

Backend& backend() {
  if (headless_backend_selected()) return headless_backend();
  SdlBackend& sdl = sdl_backend();
  if (!sdl.ready()) {
    // A program that got this far without the entry point's check still stops clearly.
    std::fprintf(stderr, "zorva: cannot open a display: %s\n", selection().sdl_error.c_str());
    std::exit(1);
  }
  return sdl;
}

}  // namespace zorva::platform
