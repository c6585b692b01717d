/* colour_swatches: the 24 named colours, each as a swatch with its name and number.
 *
 * A colour is just a number from 0 to 23; the names in capitals (RED, NAVY_BLUE, ...) are
 * constants from zorva.h, so ZORVA_draw_circle(RED, ...) and ZORVA_draw_circle(2, ...) are
 * the same call. This program draws them all in a loop over the numbers. */
#include "zorva.h"

static const char *const NAMES[COLOR_COUNT] = {
    "BLACK",  "WHITE", "RED",        "GREEN",     "BLUE",       "YELLOW",
    "MAGENTA", "CYAN", "PURPLE",     "NAVY_BLUE", "DUSTY_PLUM", "ICE_BLUE",
    "TURQUOISE", "ORANGE", "BROWN",  "PINK",      "CHALK",      "GOLD",
    "PEACH",  "FOREST_GREEN", "SEA_GREEN", "OLIVE", "GRAY_50",  "GRAY_20"};

enum { COLUMNS = 4, CELL_WIDTH = 148, CELL_HEIGHT = 78, SWATCH_WIDTH = 136, SWATCH_HEIGHT = 44 };

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous_instance, LPSTR command_line,
                   int show_mode) {
  int x, y, color;
  char key;

  ZORVA_start(instance, previous_instance, command_line, show_mode);
  ZORVA_set_logging(0);
  ZORVA_clear();
  ZORVA_draw_text(BLACK, -290, 232, 18, "The 24 colours: number and name");

  for (color = 0; color < COLOR_COUNT; ++color) {
    int left = -290 + (color % COLUMNS) * CELL_WIDTH; /* four swatches to a row */
    int top = 212 - (color / COLUMNS) * CELL_HEIGHT;
    ZORVA_draw_rectangle(color, left, top, left + SWATCH_WIDTH, top - SWATCH_HEIGHT, 0);
    ZORVA_draw_rectangle(BLACK, left, top, left + SWATCH_WIDTH, top - SWATCH_HEIGHT, 1);
    ZORVA_draw_textf(BLACK, left, top - 62, 13, "%2d  %s", color, NAMES[color]);
  }

  while (ZORVA_next_event(&x, &y, &key) != ZORVA_QUIT) {
  }
  ZORVA_finish();
  return 0;
}
