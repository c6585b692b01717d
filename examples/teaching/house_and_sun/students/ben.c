/* ben: a student's answer to "A house and a sun".
 * (A sample for docs/teaching.md: a click draws a new sun but never wipes the old one, so
 * every sun stays in the sky, and a low sun lands in front of the house.) */
#include "zorva.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous_instance, LPSTR command_line,
                   int show_mode) {
  int x, y, kind;
  char key;

  ZORVA_start(instance, previous_instance, command_line, show_mode);
  ZORVA_set_logging(0);
  ZORVA_draw_rectangle(ICE_BLUE, -300, 260, 300, -80, 0);
  ZORVA_draw_circle(YELLOW, 200, 180, 40);
  ZORVA_draw_rectangle(FOREST_GREEN, -300, -80, 300, -260, 0);
  ZORVA_draw_rectangle(PEACH, -110, 20, 110, -150, 0);
  ZORVA_draw_triangle(RED, -140, 20, 140, 20, 0, 120, 0);
  ZORVA_draw_rectangle(BROWN, -25, -70, 25, -150, 0);
  ZORVA_draw_rectangle(CHALK, 45, -10, 90, -50, 0);
  ZORVA_draw_rectangle(BLACK, 45, -10, 90, -50, 2);

  while ((kind = ZORVA_next_event(&x, &y, &key)) != ZORVA_QUIT) {
    if (kind == ZORVA_MOUSE) {
      ZORVA_draw_circle(YELLOW, x, y, 40); /* the sun moves... but the old one stays */
      ZORVA_log("Sun at (%d, %d)\n", x, y);
    }
  }
  ZORVA_finish();
  return 0;
}
