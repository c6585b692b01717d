/* hello: the first program. It writes a greeting and draws a little scene with the shapes,
 * then waits until you close the window (or press Ctrl+Q).
 *
 * Coordinates are in pixels from the centre of the window: x grows to the right, y grows
 * upward, so (0, 0) is the middle and (-100, 50) is left of it and a bit higher. */
#include "zorva.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous_instance, LPSTR command_line,
                   int show_mode) {
  int x, y;
  char key;

  ZORVA_start(instance, previous_instance, command_line, show_mode); /* opens the windows */
  ZORVA_set_logging(0); /* 1 would describe every drawing call in the text window */
  ZORVA_clear();        /* paints the drawing window white */

  /* Text: colour, x and y of its lower left corner, height in pixels, the text itself. */
  ZORVA_draw_text(NAVY_BLUE, -130, 180, 40, "Hello, ZORVA!");

  /* The last argument of most shapes is the line width; 0 means "filled". */
  ZORVA_draw_rectangle(ICE_BLUE, -300, 140, 300, -60, 0);     /* the sky: two corners */
  ZORVA_draw_circle(YELLOW, 200, 80, 35);                     /* the sun: centre, radius */
  ZORVA_draw_oval(WHITE, -230, 100, -120, 70, 0);             /* a cloud: its bounding box */
  ZORVA_draw_rectangle(FOREST_GREEN, -300, -60, 300, -200, 0); /* the grass */
  ZORVA_draw_rectangle(PEACH, -80, 20, 60, -100, 0);          /* the house */
  ZORVA_draw_triangle(RED, -100, 20, 80, 20, -10, 90, 0);     /* its roof: three corners */
  ZORVA_draw_rectangle(BROWN, -30, -50, 10, -100, 0);         /* the door */
  ZORVA_draw_rectangle(BLACK, -80, 20, 60, -100, 2);          /* an outline 2 pixels wide */
  ZORVA_draw_line(GRAY_50, 150, -100, 250, -100, 3);          /* a path: from, to, width */
  ZORVA_draw_pixel(BLACK, 120, 110);                          /* one pixel: a far-off bird */

  /* The drawing reaches the screen when we wait for events; keep waiting until quit. */
  while (ZORVA_next_event(&x, &y, &key) != ZORVA_QUIT) {
  }
  ZORVA_finish();
  return 0;
}
