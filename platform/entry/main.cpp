// The program's start: checks that windows can be shown, then calls its WinMain with the
// command line (the arguments after the program name, joined by spaces).
#include <cstdio>
#include <string>

#include "platform/driver/driver.h"
#include "platform/core/handle_table.h"
#include "platform/win32.h"

int main(int argc, char** argv) {
  using namespace zorva::platform;
  std::string command_line;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) command_line += ' ';
    command_line += argv[i];
  }
  std::string why;
  if (!driver_ready(why)) {
    std::fprintf(stderr, "zorva: %s\n", why.c_str());
    return 1;
  }
  const HINSTANCE instance = to_handle<HINSTANCE>((static_cast<std::uint32_t>(HandleKind::Instance) << 28) | 1u);
  return WinMain(instance, nullptr, command_line.data(), SW_SHOWNORMAL);
}
