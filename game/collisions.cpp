#include "collisions.h"

#include "effects.h"
#include "enemies.h"

namespace shooter {
namespace {

constexpr int kCollisionWidth = 20;
constexpr int kCollisionHeight = 29;
constexpr int kBurstCount = 10;

void draw_collision_burst(RandomGenerator& random, int ship_x, int ship_y, const Enemy& enemy) {
  for (int n = 0; n < kBurstCount; ++n) {
    const int ship_burst_x = ship_x + random_mod(random, 10);
    const int ship_burst_y = ship_y + random_mod(random, 10);
    draw_explosion(ship_burst_x, ship_burst_y);
    const int enemy_burst_x = enemy.x + random_mod(random, 10);
    const int enemy_burst_y = enemy.y + random_mod(random, 10);
    draw_explosion(enemy_burst_x, enemy_burst_y);
    const int spark_left = random_mod(random, 30);
    const int spark_x = ship_x - spark_left + random_mod(random, 60);
    const int spark_y = ship_y + random_mod(random, 35);
    draw_spark(spark_x, spark_y);
  }
}

}  // namespace

void check_ship_collisions(RandomGenerator& random, int& ship_x, int ship_y, Formation& enemies,
                           int& damage) {
  for (Enemy& enemy : enemies) {
    if (distance(ship_x, enemy.x) < kCollisionWidth &&
        distance(ship_y, enemy.y) < kCollisionHeight && alive(enemy)) {
      enemy.hit_points = -1;  // destroyed outright; not counted as a kill
      draw_collision_burst(random, ship_x, ship_y, enemy);
      count_one(damage);
      ship_x = kShipRestartX;
    }
  }
}

}  // namespace shooter
