/* A beginner's C program whose own shapes carry the names a beginner picks: Rectangle,
 * Ellipse, Polygon, POINT, RECT, SIZE and RGB. zorva.h must leave all of them free. It draws
 * with them headless and exits 0 when every drawing call succeeded. */
#include "zorva.h"

typedef struct {
  int x, y;
} POINT;

typedef struct {
  POINT corner;
  int width, height;
} RECT;

typedef struct {
  int x, y, w, h;
} Rectangle;

static const int SIZE = 20;

/* The nearest of three ZORVA colours. */
static int RGB(int red, int green, int blue) {
  if (red >= green && red >= blue) return RED;
  return green >= blue ? GREEN : BLUE;
}

static int Ellipse(int x, int y) {
  return ZORVA_draw_oval(RGB(0, 0, 255), x, y, x + SIZE, y - SIZE / 2, 0);
}

static int Polygon(const POINT *corners) {
  return ZORVA_draw_triangle(RGB(0, 255, 0), corners[0].x, corners[0].y, corners[1].x,
                             corners[1].y, corners[2].x, corners[2].y, 1);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous_instance, LPSTR command_line,
                   int show_mode) {
  Rectangle box = {-50, 40, 100, 80};
  RECT frame = {{-60, 50}, 120, 100};
  POINT corners[3] = {{0, 0}, {SIZE, 0}, {0, SIZE}};
  int drawn = 0;

  ZORVA_start(instance, previous_instance, command_line, show_mode);
  ZORVA_clear();
  drawn += ZORVA_draw_rectangle(RGB(255, 0, 0), box.x, box.y, box.x + box.w, box.y - box.h, 0);
  drawn += ZORVA_draw_rectangle(BLACK, frame.corner.x, frame.corner.y,
                                frame.corner.x + frame.width, frame.corner.y - frame.height, 2);
  drawn += Ellipse(-SIZE, SIZE);
  drawn += Polygon(corners);
  ZORVA_finish();
  return drawn == 4 ? 0 : 1;
}
