/* reference: the teacher's answer to the exercise "A house and a sun".
 *
 * The exercise (docs/teaching.md hands it out):
 *   Fill the window with a sky (ICE_BLUE, from (-300, 260) to (300, -80)) above grass
 *   (FOREST_GREEN, from (-300, -80) to (300, -260)). Put a yellow sun of radius 40 at
 *   (200, 180). Stand a house on the grass: PEACH walls from (-110, 20) to (110, -150), a
 *   RED roof with its corners at (-140, 20), (140, 20) and (0, 120), a BROWN door from
 *   (-25, -70) to (25, -150) and a CHALK window from (45, -10) to (90, -50) with a black
 *   frame 2 pixels wide.
 *   A click moves the sun to where you clicked, behind the house and the grass if it is
 *   low, and writes "Sun at (x, y)" in the text window. The program ends when the window
 *   is closed.
 *
 * The whole scene is drawn again for every click, so the old sun disappears. */
#include "zorva.h"

static void draw_scene(int sun_x, int sun_y) {
  ZORVA_draw_rectangle(ICE_BLUE, -300, 260, 300, -80, 0);      /* sky */
  ZORVA_draw_circle(YELLOW, sun_x, sun_y, 40);                 /* sun, before what hides it */
  ZORVA_draw_rectangle(FOREST_GREEN, -300, -80, 300, -260, 0); /* grass */
  ZORVA_draw_rectangle(PEACH, -110, 20, 110, -150, 0);         /* walls */
  ZORVA_draw_triangle(RED, -140, 20, 140, 20, 0, 120, 0);      /* roof */
  ZORVA_draw_rectangle(BROWN, -25, -70, 25, -150, 0);          /* door */
  ZORVA_draw_rectangle(CHALK, 45, -10, 90, -50, 0);            /* window */
  ZORVA_draw_rectangle(BLACK, 45, -10, 90, -50, 2);            /* its frame */
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous_instance, LPSTR command_line,
                   int show_mode) {
  int x, y, kind;
  char key;

  ZORVA_start(instance, previous_instance, command_line, show_mode);
  ZORVA_set_logging(0); /* only our own lines in the text window */
  draw_scene(200, 180);

  while ((kind = ZORVA_next_event(&x, &y, &key)) != ZORVA_QUIT) {
    if (kind == ZORVA_MOUSE) {
      draw_scene(x, y);
      ZORVA_log("Sun at (%d, %d)\n", x, y);
    }
  }
  ZORVA_finish();
  return 0;
}
