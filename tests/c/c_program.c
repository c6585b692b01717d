/* A program on the package written in C: it must compile, link and run as C.
 * With ZORVA_C_PROGRAM_CHECK set it runs the animation for three ticks, asks to quit and
 * finishes by itself; otherwise it logs events until the user quits. */
#include <stdlib.h>

#include "zorva.h"

static int run_check(void) {
  int x = 0, y = 0, ticks = 0;
  char key = 0;
  ZORVA_set_animation(ANIMATION_RUN);
  for (;;) {
    int kind = ZORVA_next_event(&x, &y, &key);
    if (kind == ZORVA_QUIT) return ticks == 3 ? 0 : 1;
    if (kind == ZORVA_PERIODIC && ++ticks == 3) ZORVA_set_animation(ANIMATION_QUIT);
    if (ticks > 3) return 2;
  }
}

static int run_interactive(void) {
  int x = 0, y = 0;
  char key = 0;
  int kind;
  while ((kind = ZORVA_next_event(&x, &y, &key)) != ZORVA_QUIT) {
    ZORVA_log("event %d at (%d, %d) key %d\n", kind, x, y, key);
  }
  return 0;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous_instance, LPSTR command_line,
                   int show_mode) {
  int result;
  Point origin = {0, 0};
  ZORVA_start(instance, previous_instance, command_line, show_mode);
  (void)origin;
  result = getenv("ZORVA_C_PROGRAM_CHECK") != NULL ? run_check() : run_interactive();
  ZORVA_finish();
  return result;
}
