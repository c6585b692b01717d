/* chloe: a student's answer to "A house and a sun".
 * (A sample for docs/teaching.md: the sun glides 4 pixels a step towards the click and
 * stops only on the exact spot; when the distance is not a multiple of 4 it steps past
 * it and back for ever, so the first such click never returns from the loop.) */
#include "zorva.h"

static void draw_scene(int sun_x, int sun_y) {
  ZORVA_draw_rectangle(ICE_BLUE, -300, 260, 300, -80, 0);
  ZORVA_draw_circle(YELLOW, sun_x, sun_y, 40);
  ZORVA_draw_rectangle(FOREST_GREEN, -300, -80, 300, -260, 0);
  ZORVA_draw_rectangle(PEACH, -110, 20, 110, -150, 0);
  ZORVA_draw_triangle(RED, -140, 20, 140, 20, 0, 120, 0);
  ZORVA_draw_rectangle(BROWN, -25, -70, 25, -150, 0);
  ZORVA_draw_rectangle(CHALK, 45, -10, 90, -50, 0);
  ZORVA_draw_rectangle(BLACK, 45, -10, 90, -50, 2);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous_instance, LPSTR command_line,
                   int show_mode) {
  int x, y, kind;
  int sun_x = 200, sun_y = 180;
  char key;

  ZORVA_start(instance, previous_instance, command_line, show_mode);
  ZORVA_set_logging(0);
  draw_scene(sun_x, sun_y);

  while ((kind = ZORVA_next_event(&x, &y, &key)) != ZORVA_QUIT) {
    if (kind == ZORVA_MOUSE) {
      ZORVA_log("Sun at (%d, %d)\n", x, y);
      while (sun_x != x || sun_y != y) { /* glide until the sun is there */
        if (sun_x < x) sun_x = sun_x + 4;
        if (sun_x > x) sun_x = sun_x - 4;
        if (sun_y < y) sun_y = sun_y + 4;
        if (sun_y > y) sun_y = sun_y - 4;
        draw_scene(sun_x, sun_y);
      }
    }
  }
  ZORVA_finish();
  return 0;
}
