// A program that takes events in a loop while recording them. Its command line is the file
// to create once it runs and a mode: "ignore" never leaves the loop, whatever it gets (it
// says so on standard output at each ZORVA_QUIT); "finish" leaves it at the first ZORVA_QUIT.
#include <cstdio>
#include <cstring>

#include "internal/library_state.h"
#include "internal/menu_ids.h"
#include "platform/win32.h"
#include "zorva.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command_line, int show) {
  char ready_file[512] = {0};
  char mode[16] = {0};
  if (std::sscanf(command_line, "%511s %15s", ready_file, mode) != 2) return 2;
  ZORVA_start(instance, previous, command_line, show);
  ZORVA_set_animation(ANIMATION_RUN);
  PostMessageA(zorva::g_state.draw_window, WM_COMMAND, zorva::kCommandRecord, 0);
  // Messages keep coming after the windows have closed, as they do on a desktop; the
  // headless driver would otherwise end a program that waits for nothing.
  SetTimer(nullptr, 0, 50, nullptr);
  bool ready = false;
  for (;;) {
    int x = 0, y = 0;
    char key = 0;
    const int kind = ZORVA_next_event(&x, &y, &key);
    // A pixel a tick: the headless driver asks a program that shows nothing new for a while
    // to quit, and only the signals may ask this one.
    if (kind == ZORVA_PERIODIC) ZORVA_draw_pixel(BLACK, x, y);
    if (!ready && kind == ZORVA_PERIODIC) {
      ready = true;
      if (std::FILE* file = std::fopen(ready_file, "w")) std::fclose(file);
    }
    if (kind != ZORVA_QUIT) continue;
    std::printf("ZORVA_QUIT\n");
    std::fflush(stdout);
    if (std::strcmp(mode, "finish") == 0) break;
  }
  ZORVA_finish();
  return 0;
}
