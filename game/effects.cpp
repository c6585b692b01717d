#include "effects.h"

#include "zorva.h"

namespace shooter {

void draw_spark(int x, int y) {
  ZORVA_draw_triangle(WHITE, x + 2, y - 7, x - 3, y - 7, x + 1, y - 13, 0);
  ZORVA_draw_triangle(YELLOW, x + 3, y - 10, x - 2, y - 9, x + 1, y - 3, 0);
}

void draw_explosion(int x, int y) { ZORVA_draw_circle(WHITE, x, y, 6); }

}  // namespace shooter
