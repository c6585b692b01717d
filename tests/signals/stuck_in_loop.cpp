// A program stuck in a loop of its own: after starting it never calls the event call. It
// creates the file its command line names once it has been stuck for longer than the
// platform waits before a signal means "end at once".
#include <chrono>
#include <cstdio>

#include "platform/win32.h"
#include "zorva.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command_line, int show) {
  ZORVA_start(instance, previous, command_line, show);
  const auto stuck_since = std::chrono::steady_clock::now();
  bool ready = false;
  volatile unsigned long spins = 0;
  for (;;) {
    spins = spins + 1;
    if (!ready && std::chrono::steady_clock::now() - stuck_since > std::chrono::milliseconds(2200)) {
      ready = true;
      if (std::FILE* file = std::fopen(command_line, "w")) std::fclose(file);
    }
  }
}
