/* recorded_demo: record what you do, then watch the package play it back.
 *
 * A click draws a dot; a key draws a short line from the pen in a direction picked by the
 * key. Every event also gets a line in the text window, and the colour moves on with each
 * event, so a replay draws the same picture again in new colours.
 *   Ctrl+R  start recording into the file ZORVA.SCR (in the folder you started from)
 *   ...     click and type a few keys
 *   Ctrl+R  stop recording
 *   Ctrl+P  play the whole recording back (Ctrl+O plays it one event at a time)
 * The space bar wipes the window. The program does nothing special for any of this: while
 * playing back, ZORVA_next_event simply returns the recorded events instead of live ones. */
#include "zorva.h"

static const int STEP_X[8] = {40, 28, 0, -28, -40, -28, 0, 28}; /* eight directions */
static const int STEP_Y[8] = {0, 28, 40, 28, 0, -28, -40, -28};

static void draw_caption(void) {
  ZORVA_draw_text(BLACK, -290, 235, 14, "Ctrl+R, click and type, Ctrl+R, then Ctrl+P to replay.");
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous_instance, LPSTR command_line,
                   int show_mode) {
  int x, y, kind, events = 0;
  int pen_x = 0, pen_y = 0; /* where the next line starts */
  char key;

  ZORVA_start(instance, previous_instance, command_line, show_mode);
  ZORVA_set_logging(0); /* only our own lines in the text window */
  ZORVA_clear();
  draw_caption();
  ZORVA_log("Press Ctrl+R, click and type a few keys, press Ctrl+R again,\n");
  ZORVA_log("then Ctrl+P to watch it replay (Ctrl+O: one event at a time).\n");

  while ((kind = ZORVA_next_event(&x, &y, &key)) != ZORVA_QUIT) {
    int color = 2 + events % 22; /* RED to GRAY_20: never white or black */
    if (kind == ZORVA_MOUSE || kind == ZORVA_KBD) ++events;
    if (kind == ZORVA_MOUSE) {
      ZORVA_log("click at (%d, %d)\n", x, y);
      ZORVA_draw_circle(color, x, y, 7);
      pen_x = x;
      pen_y = y;
    } else if (kind == ZORVA_KBD && key == ' ') {
      ZORVA_log("space: wipe\n");
      ZORVA_clear();
      draw_caption();
    } else if (kind == ZORVA_KBD) {
      int direction = (unsigned char)key % 8;
      ZORVA_log("key '%c'\n", key > ' ' && key < 127 ? key : '?');
      ZORVA_draw_line(color, pen_x, pen_y, pen_x + STEP_X[direction],
                      pen_y + STEP_Y[direction], 3);
      pen_x += STEP_X[direction];
      pen_y += STEP_Y[direction];
    }
  }
  ZORVA_finish();
  return 0;
}
