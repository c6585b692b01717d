/* click_draw: draw with the mouse.
 *
 * Each click puts a dot where you clicked and joins it to the previous dot with a line.
 * Any key lifts the pen: the next click starts a new line, in the next colour.
 * The space bar wipes the window. Close the window or press Ctrl+Q to quit. */
#include "zorva.h"

static void draw_help(int color) {
  ZORVA_draw_text(BLACK, -290, 235, 14, "Click to draw; a key changes colour; space wipes.");
  ZORVA_draw_rectangle(color, 250, 250, 280, 230, 0); /* shows the pen's colour */
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous_instance, LPSTR command_line,
                   int show_mode) {
  int x, y;         /* where the mouse was clicked, filled in by ZORVA_next_event */
  char key;         /* which key was typed */
  int last_x = 0, last_y = 0;
  int pen_down = 0; /* 1 once there is a previous dot to join */
  int color = BLUE;
  int kind;

  ZORVA_start(instance, previous_instance, command_line, show_mode);
  ZORVA_set_logging(0);
  ZORVA_clear();
  draw_help(color);

  /* The event loop: wait for something to happen, react, repeat until quit. */
  while ((kind = ZORVA_next_event(&x, &y, &key)) != ZORVA_QUIT) {
    if (kind == ZORVA_MOUSE) {
      if (pen_down) ZORVA_draw_line(color, last_x, last_y, x, y, 2);
      ZORVA_draw_circle(color, x, y, 4);
      last_x = x;
      last_y = y;
      pen_down = 1;
    } else if (kind == ZORVA_KBD && key == ' ') {
      ZORVA_clear();
      draw_help(color);
      pen_down = 0;
    } else if (kind == ZORVA_KBD) {
      color = (color + 1) % COLOR_COUNT; /* colours are numbered 0 to 23 */
      if (color == WHITE) color = RED;   /* white on white would be invisible */
      draw_help(color);
      pen_down = 0;
    }
  }
  ZORVA_finish();
  return 0;
}
