#include "collisions.h"

#include "effects.h"
#include "enemies.h"

namespace shooter {
namespace {

constexpr int kCollisionWidth = 20;
constexpr int kCollisionHeight = 29;

}  // namespace

void check_ship_collisions(RandomGenerator& random, int& ship_x, int ship_y, Formation& enemies,
                           int& damage) {
  for (Enemy& enemy : enemies) {
    if (distance(ship_x, enemy.x) < kCollisionWidth &&
        distance(ship_y, enemy.y) < kCollisionHeight && alive(enemy)) {
      enemy.hit_points = -1;  // destroyed outright; not counted as a kill
      draw_hit_burst(random, ship_x, ship_y, &enemy);
      count_one(damage);
      ship_x = kShipRestartX;
    }
  }
}

}  // namespace shooter
