/* bouncing_ball: animation. The package sends a ZORVA_PERIODIC event about ten times a
 * second while the animation runs; at each one we move the ball a step and draw it again.
 *
 * Try the "Run" menu: Halt animation (Ctrl+H) freezes the ball, Advance one frame (Ctrl+F)
 * moves it one step, Animate (Ctrl+A) lets it run again. The package does all of that:
 * this program only answers the ticks it is given. A click puts the ball where you clicked. */
#include "zorva.h"

enum { RADIUS = 20, LEFT = -290, RIGHT = 290, FLOOR = -240, CEILING = 200 };

/* Draws the whole picture again: clear, floor, ball and a caption. */
static void draw_scene(int x, int y, int ticks) {
  ZORVA_clear();
  ZORVA_draw_rectangle(GRAY_50, LEFT, FLOOR, RIGHT, FLOOR - 8, 0);
  ZORVA_draw_circle(ORANGE, x, y, RADIUS);
  ZORVA_draw_textf(BLACK, LEFT, CEILING + 35, 14,
                   "tick %d    Ctrl+H halt, Ctrl+F one frame, Ctrl+A run", ticks);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous_instance, LPSTR command_line,
                   int show_mode) {
  int x = -200, y = 150; /* where the ball is */
  int dx = 9, dy = 0;    /* how far it moves at each tick */
  int ticks = 0, kind, click_x, click_y;
  char key;

  ZORVA_start(instance, previous_instance, command_line, show_mode);
  ZORVA_set_logging(0);                 /* keep the text window quiet */
  draw_scene(x, y, ticks);
  ZORVA_set_animation(ANIMATION_RUN);   /* start the ticks */

  while ((kind = ZORVA_next_event(&click_x, &click_y, &key)) != ZORVA_QUIT) {
    if (kind == ZORVA_MOUSE) { /* catch the ball and drop it again from the click */
      x = click_x;
      y = click_y;
      dy = 0;
    } else if (kind == ZORVA_PERIODIC) {
      ++ticks;
      dy -= 2; /* gravity pulls the ball down a little more at every tick */
      x += dx;
      y += dy;
      if (x < LEFT + RADIUS || x > RIGHT - RADIUS) dx = -dx; /* bounce off the walls */
      if (x < LEFT + RADIUS) x = LEFT + RADIUS;
      if (x > RIGHT - RADIUS) x = RIGHT - RADIUS;
      if (y < FLOOR + RADIUS) { /* bounce off the floor, losing a little speed */
        y = FLOOR + RADIUS;
        dy = -dy * 9 / 10;
      }
    }
    draw_scene(x, y, ticks); /* keys change nothing, but redrawing does no harm */
  }
  ZORVA_finish();
  return 0;
}
