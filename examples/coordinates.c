/* coordinates: the coordinate system of the drawing window.
 *
 * (0, 0) is the centre of the drawing area, x grows to the right and y grows UPWARD (not
 * downward as in many other systems). The window's frame, title bar and menu bar take their
 * room inside its 601 by 540 pixels, so the visible area runs from x = -297 to 297 and from
 * y = -247 to 248. Click anywhere to see the coordinates of that spot. */
#include "zorva.h"

enum { LEFT = -297, RIGHT = 297, TOP = 248, BOTTOM = -247, TEXT_SIZE = 13 };

static void draw_axes(void) {
  int t;
  ZORVA_draw_line(GRAY_50, LEFT, 0, RIGHT, 0, 1);                      /* the x axis */
  ZORVA_draw_line(GRAY_50, 0, BOTTOM, 0, TOP, 1);                      /* the y axis */
  ZORVA_draw_triangle(GRAY_50, RIGHT, 0, RIGHT - 12, 5, RIGHT - 12, -5, 0); /* arrow heads */
  ZORVA_draw_triangle(GRAY_50, 0, TOP, -5, TOP - 12, 5, TOP - 12, 0);
  ZORVA_draw_text(BLACK, RIGHT - 14, 10, TEXT_SIZE, "x");
  ZORVA_draw_text(BLACK, 10, TOP - 16, TEXT_SIZE, "y");
  for (t = -250; t <= 250; t += 50) { /* a tick every 50, a number every 100 */
    if (t == 0) continue;
    ZORVA_draw_line(GRAY_50, t, -4, t, 4, 1);
    ZORVA_draw_line(GRAY_50, -4, t, 4, t, 1);
    if (t % 100 == 0) {
      ZORVA_draw_textf(GRAY_50, t - 12, -20, TEXT_SIZE - 2, "%d", t);
      ZORVA_draw_textf(GRAY_50, 8, t - 5, TEXT_SIZE - 2, "%d", t);
    }
  }
}

/* A dot at (x, y) with its coordinates beside it: right and above, unless near an edge. */
static void label_point(int color, int x, int y) {
  int text_x = x > 200 ? x - 90 : x + 6, text_y = y > 230 ? y - 18 : y + 6;
  ZORVA_draw_circle(color, x, y, 3);
  ZORVA_draw_textf(color, text_x, text_y, TEXT_SIZE, "(%d, %d)", x, y);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous_instance, LPSTR command_line,
                   int show_mode) {
  int x, y, kind;
  char key;

  ZORVA_start(instance, previous_instance, command_line, show_mode);
  ZORVA_set_logging(0);
  ZORVA_clear();
  draw_axes();
  label_point(RED, 0, 0);
  label_point(BLUE, LEFT, TOP);
  label_point(BLUE, RIGHT, TOP);
  label_point(BLUE, LEFT, BOTTOM);
  label_point(BLUE, RIGHT, BOTTOM);
  label_point(FOREST_GREEN, 150, 100);

  while ((kind = ZORVA_next_event(&x, &y, &key)) != ZORVA_QUIT) {
    if (kind == ZORVA_MOUSE) label_point(PURPLE, x, y);
  }
  ZORVA_finish();
  return 0;
}
