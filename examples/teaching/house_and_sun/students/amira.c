/* amira: a student's answer to "A house and a sun".
 * (A sample for docs/teaching.md: this answer is right.) */
#include "zorva.h"

/* The house does not move, so it has a function of its own. */
static void draw_house(void) {
  ZORVA_draw_rectangle(PEACH, -110, 20, 110, -150, 0);
  ZORVA_draw_triangle(RED, -140, 20, 140, 20, 0, 120, 0);
  ZORVA_draw_rectangle(BROWN, -25, -70, 25, -150, 0);
  ZORVA_draw_rectangle(CHALK, 45, -10, 90, -50, 0);
  ZORVA_draw_rectangle(BLACK, 45, -10, 90, -50, 2);
}

static void draw_everything(Point sun) {
  Point sky_top = {-300, 260}, sky_bottom = {300, -80};
  Point grass_top = {-300, -80}, grass_bottom = {300, -260};
  ZORVA_draw_rectangle_p(ICE_BLUE, sky_top, sky_bottom, 0);
  ZORVA_draw_circle_p(YELLOW, sun, 40);
  ZORVA_draw_rectangle_p(FOREST_GREEN, grass_top, grass_bottom, 0);
  draw_house();
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous_instance, LPSTR command_line,
                   int show_mode) {
  Point sun = {200, 180};
  int x, y;
  char key;

  ZORVA_start(instance, previous_instance, command_line, show_mode);
  ZORVA_set_logging(0);
  draw_everything(sun);
  for (;;) {
    int kind = ZORVA_next_event(&x, &y, &key);
    if (kind == ZORVA_QUIT) break;
    if (kind == ZORVA_MOUSE) {
      sun.x = x;
      sun.y = y;
      draw_everything(sun);
      ZORVA_log("Sun at (%d, %d)\n", sun.x, sun.y);
    }
  }
  ZORVA_finish();
  return 0;
}
