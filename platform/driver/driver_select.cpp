// Chooses the driver once: the one the environment names, else the first one built in.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/driver/driver.h"
#include "platform/driver/driver_choice.h"
#include "platform/driver/quit_signals.h"
#include "platform/state/platform_state.h"

namespace zorva::platform {

// Defined by each driver in its own folder; the build says which are built in.
#ifdef ZORVA_WITH_WEB_DRIVER
extern const DriverEntry kWebDriverEntry;
#endif
#ifdef ZORVA_WITH_SDL_DRIVER
extern const DriverEntry kSdlDriverEntry;
#endif
#ifdef ZORVA_WITH_HEADLESS_DRIVER
extern const DriverEntry kHeadlessDriverEntry;
#endif

namespace {

// The drivers built in, the default first.
const DriverEntry* const kDrivers[] = {
#ifdef ZORVA_WITH_WEB_DRIVER
    &kWebDriverEntry,
#endif
#ifdef ZORVA_WITH_SDL_DRIVER
    &kSdlDriverEntry,
#endif
#ifdef ZORVA_WITH_HEADLESS_DRIVER
    &kHeadlessDriverEntry,
#endif
};

// Stands for the headless driver in a build without it: asking for it fails clearly.
const DriverEntry kHeadlessNotBuilt{"headless", [](std::string& why) -> std::unique_ptr<Driver> {
  why = "this build has no headless driver";
  return nullptr;
}};

DriverChoice& choice() { return platform_state().driver; }

const DriverEntry* wanted_entry() {
  if (choice().headless_requested) {
    for (const DriverEntry* entry : kDrivers)
      if (std::strcmp(entry->name, "headless") == 0) return entry;
    return &kHeadlessNotBuilt;
  }
  if (const char* name = std::getenv("ZORVA_BACKEND"))
    for (const DriverEntry* entry : kDrivers)
      if (std::strcmp(entry->name, name) == 0) return entry;
  return kDrivers[0];
}

// Makes the wanted driver unless it is the one already made (or already failed).
void choose() {
  DriverChoice& c = choice();
  const DriverEntry* wanted = wanted_entry();
  if (c.entry == wanted) return;
  c.entry = wanted;
  c.failure.clear();
  c.driver = wanted->create(c.failure);
  // Whatever drives the windows, Ctrl+C in the terminal asks the program to quit.
  if (c.driver) quit_signals::install();
}

}  // namespace

bool driver_ready(std::string& why) {
  choose();
  if (!choice().driver) why = choice().failure;
  return choice().driver != nullptr;
}

void select_headless_driver() {
  choice().headless_requested = true;
  choose();
}

Driver& driver() {
  DriverChoice& c = choice();
  if (c.driver) return *c.driver;
  choose();
  if (!c.driver) {
    // A program that got this far without the entry point's check still stops clearly.
    std::fprintf(stderr, "zorva: %s\n", c.failure.c_str());
    std::exit(1);
  }
  return *c.driver;
}

}  // namespace zorva::platform
