#include "effects.h"

#include "random.h"
#include "zorva.h"

namespace shooter {

void draw_spark(int x, int y) {
  ZORVA_draw_triangle(WHITE, x + 2, y - 7, x - 3, y - 7, x + 1, y - 13, 0);
  ZORVA_draw_triangle(YELLOW, x + 3, y - 10, x - 2, y - 9, x + 1, y - 3, 0);
}

void draw_explosion(int x, int y) { ZORVA_draw_circle(WHITE, x, y, 6); }

void draw_hit_burst(RandomGenerator& random, int ship_x, int ship_y, const Enemy* enemy) {
  for (int n = 0; n < kBurstCount; ++n) {
    const int ship_burst_x = ship_x + random_mod(random, 10);
    const int ship_burst_y = ship_y + random_mod(random, 10);
    draw_explosion(ship_burst_x, ship_burst_y);
    if (enemy != nullptr) {
      const int enemy_burst_x = enemy->x + random_mod(random, 10);
      const int enemy_burst_y = enemy->y + random_mod(random, 10);
      draw_explosion(enemy_burst_x, enemy_burst_y);
    }
    const int spark_left = random_mod(random, 30);
    const int spark_x = ship_x - spark_left + random_mod(random, 60);
    const int spark_y = ship_y + random_mod(random, 35);
    draw_spark(spark_x, spark_y);
  }
}

}  // namespace shooter
