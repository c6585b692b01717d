/*
 * all_primitives: every drawing primitive in every one of the 24 colours.
 *
 * One row per colour, named at the left; one column per primitive, named at the top:
 * pixel, circle, triangle (filled and hollow), rectangle (filled and hollow), oval (filled
 * and hollow), line (thin and wide), text and formatted text. The white row stands on a
 * black band so that it can be seen. Close the window or press Ctrl+Q to quit.
 */
#include "zorva.h"

enum {
  ROW_STEP = 20,     /* height of one colour's row */
  FIRST_ROW_Y = 214, /* centre of the first row */
  HEADER_Y = 234,    /* the column captions stand on this line */
  NAME_X = -295,     /* left of the colour names */
  CAPTION_SIZE = 11,
};

static const char *const COLOR_LABELS[COLOR_COUNT] = {
    "black",      "white",     "red",       "green",        "blue",      "yellow",
    "magenta",    "cyan",      "purple",    "navy blue",    "dusty plum", "ice blue",
    "turquoise",  "orange",    "brown",     "pink",         "chalk",     "gold",
    "peach",      "forest green", "sea green", "olive",     "50% gray",  "20% gray",
};

/* Left edge of each column and its caption. */
static const int COLUMN_X[] = {-205, -175, -130, -80, -30, 25, 85, 145};
static const char *const COLUMN_CAPTIONS[] = {"pixel", "circle", "triangle", "rectangle",
                                               "oval", "line", "text", "textf"};
/* Where each caption starts relative to its column ("rectangle" is wider than its column). */
static const int CAPTION_SHIFT[] = {0, 0, 0, -4, 12, 0, 0, 0};

static void draw_captions(void) {
  int i;
  ZORVA_draw_text(BLACK, NAME_X, HEADER_Y, CAPTION_SIZE, "color");
  for (i = 0; i < (int)(sizeof COLUMN_X / sizeof COLUMN_X[0]); ++i) {
    ZORVA_draw_text(BLACK, COLUMN_X[i] + CAPTION_SHIFT[i], HEADER_Y, CAPTION_SIZE, COLUMN_CAPTIONS[i]);
  }
  ZORVA_draw_line(GRAY_50, NAME_X, HEADER_Y - 3, 290, HEADER_Y - 3, 0);
}

static void draw_row(int color, int y) {
  Point centre;
  int dx;

  if (color == WHITE) { /* a black band behind the white row */
    ZORVA_draw_rectangle(BLACK, COLUMN_X[0] - 6, y + ROW_STEP / 2 - 1, 290, y - ROW_STEP / 2 + 1, 0);
  }
  ZORVA_draw_text(BLACK, NAME_X, y - 6, CAPTION_SIZE, COLOR_LABELS[color]);

  /* pixel: a small cross of single pixels, the point form for the middle one */
  for (dx = -2; dx <= 2; ++dx) {
    if (dx != 0) ZORVA_draw_pixel(color, COLUMN_X[0] + 10 + dx * 2, y);
    if (dx != 0) ZORVA_draw_pixel(color, COLUMN_X[0] + 10, y + dx * 2);
  }
  centre.x = COLUMN_X[0] + 10;
  centre.y = y;
  ZORVA_draw_pixel_p(color, centre);

  /* circle: always filled */
  ZORVA_draw_circle(color, COLUMN_X[1] + 12, y, 7);

  /* triangle: filled, then an outline two pixels wide */
  ZORVA_draw_triangle(color, COLUMN_X[2], y - 7, COLUMN_X[2] + 18, y - 7, COLUMN_X[2] + 9, y + 8, 0);
  ZORVA_draw_triangle(color, COLUMN_X[2] + 24, y - 7, COLUMN_X[2] + 42, y - 7, COLUMN_X[2] + 33, y + 8, 2);

  /* rectangle: filled, then an outline one pixel wide */
  ZORVA_draw_rectangle(color, COLUMN_X[3], y + 7, COLUMN_X[3] + 18, y - 7, 0);
  ZORVA_draw_rectangle(color, COLUMN_X[3] + 24, y + 7, COLUMN_X[3] + 42, y - 7, 1);

  /* oval: filled, then an outline two pixels wide */
  ZORVA_draw_oval(color, COLUMN_X[4], y + 7, COLUMN_X[4] + 22, y - 7, 0);
  ZORVA_draw_oval(color, COLUMN_X[4] + 26, y + 7, COLUMN_X[4] + 48, y - 7, 2);

  /* line: one pixel (width 0), then three pixels wide */
  ZORVA_draw_line(color, COLUMN_X[5], y - 7, COLUMN_X[5] + 22, y + 7, 0);
  ZORVA_draw_line(color, COLUMN_X[5] + 30, y - 7, COLUMN_X[5] + 52, y + 7, 3);

  /* text and formatted text, anchored at their lower-left corner */
  ZORVA_draw_text(color, COLUMN_X[6], y - 6, 13, "Zorva");
  ZORVA_draw_textf(color, COLUMN_X[7], y - 6, 13, "#%d %s", color, COLOR_LABELS[color]);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous_instance, LPSTR command_line,
                   int show_mode) {
  int color, x, y;
  char key;

  ZORVA_start(instance, previous_instance, command_line, show_mode);
  ZORVA_set_logging(0);
  ZORVA_clear();
  draw_captions();
  for (color = 0; color < COLOR_COUNT; ++color) draw_row(color, FIRST_ROW_Y - color * ROW_STEP);

  while (ZORVA_next_event(&x, &y, &key) != ZORVA_QUIT) {
  }
  ZORVA_finish();
  return 0;
}
