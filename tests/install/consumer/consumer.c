/* consumer: a small C program built against an installed ZORVA. It draws a little, lets the
 * animation run for three ticks, asks to quit and says on standard output how it went. */
#include <stdio.h>

#include "zorva.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous_instance, LPSTR command_line,
                   int show_mode) {
  int x = 0, y = 0, ticks = 0, kind;
  char key = 0;

  ZORVA_start(instance, previous_instance, command_line, show_mode);
  ZORVA_set_logging(0);
  ZORVA_clear();
  ZORVA_draw_circle(RED, 0, 0, 40);
  ZORVA_draw_text(BLACK, -50, -60, 14, "installed");
  ZORVA_set_animation(ANIMATION_RUN);
  while ((kind = ZORVA_next_event(&x, &y, &key)) != ZORVA_QUIT) {
    if (kind == ZORVA_PERIODIC && ++ticks == 3) ZORVA_set_animation(ANIMATION_QUIT);
  }
  ZORVA_finish();
  printf("consumer: %d ticks, then quit\n", ticks);
  return ticks == 3 ? 0 : 1;
}
