#include "ship.h"

#include <climits>

#include "zorva.h"

namespace shooter {

void handle_key(char key, int& ship_direction, int& fire_requested, int& ship_speed) {
  switch (key) {
    case ' ':
      fire_requested = 1;
      break;
    case ',':
    case '4':
      ship_direction = -1;
      break;
    case '.':
    case '6':
      ship_direction = +1;
      break;
    case '2':
      // The speed has no bounds of its own; it only stops short of wrapping around.
      if (ship_speed > INT_MIN) --ship_speed;
      break;
    case '8':
      if (ship_speed < INT_MAX) ++ship_speed;
      break;
    default:
      break;
  }
}

void move_ship(int& ship_x, int& ship_direction, int ship_speed) {
  // Computed wide: any speed the keys can reach gives a candidate without overflow.
  const long long candidate =
      static_cast<long long>(ship_x) + static_cast<long long>(ship_direction) * ship_speed;
  if (candidate < -kShipLimit || candidate > kShipLimit) {
    ship_direction = -ship_direction;
  } else {
    ship_x = static_cast<int>(candidate);
  }
}

void draw_ship(int x, int y) {
  ZORVA_draw_rectangle(GRAY_20, x - 6, y, x + 6, y + 30, 0);
  ZORVA_draw_rectangle(GRAY_50, x - 5, y, x + 5, y + 5, 0);
  ZORVA_draw_triangle(GRAY_20, x - 6, y, x - 20, y, x - 6, y + 5, 0);
  ZORVA_draw_triangle(GRAY_20, x - 20, y, x - 20, y - 4, x - 6, y, 0);
  ZORVA_draw_triangle(GRAY_20, x + 6, y, x + 20, y, x + 6, y + 5, 0);
  ZORVA_draw_triangle(GRAY_20, x + 20, y, x + 20, y - 4, x + 6, y, 0);
  ZORVA_draw_triangle(WHITE, x - 6, y + 5, x - 20, y + 10, x - 6, y + 10, 0);
  ZORVA_draw_triangle(WHITE, x - 20, y + 10, x - 6, y + 10, x - 20, y + 14, 0);
  ZORVA_draw_triangle(WHITE, x + 6, y + 5, x + 20, y + 10, x + 6, y + 10, 0);
  ZORVA_draw_triangle(WHITE, x + 20, y + 10, x + 6, y + 10, x + 20, y + 14, 0);
}

}  // namespace shooter
