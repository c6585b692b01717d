#include "bullets.h"

#include "effects.h"
#include "enemies.h"

namespace shooter {
namespace {

constexpr int kHitHeight = 14;
constexpr int kHitWidth = 10;

// A slot can take a new bullet when it is free or already past the top.
bool ready_to_fire(const Point& slot) { return slot.y == INACTIVE_Y || slot.y > kBulletTop; }

}  // namespace

void fire_bullet(int x, Point& slot, int index) {
  slot.x = index % 2 == 0 ? x + kWingTipOffset : x - kWingTipOffset;
  slot.y = kBulletStartY;
}

void step_bullet(Point& slot, Formation& enemies, int& kills) {
  slot.y += kBulletRise;
  if (slot.y > kBulletTop) slot.y = INACTIVE_Y;
  for (Enemy& enemy : enemies) {
    if (distance(slot.y, enemy.y) < kHitHeight && distance(slot.x, enemy.x) < kHitWidth &&
        alive(enemy)) {
      --enemy.hit_points;
      slot.y = INACTIVE_Y;  // spent: it cannot hit anything further
      draw_spark(slot.x, enemy.y);
      if (!alive(enemy)) {
        draw_explosion(enemy.x, enemy.y);
        count_one(kills);
      }
    }
  }
}

void draw_bullet(const Point& slot) {
  ZORVA_draw_rectangle(SEA_GREEN, slot.x - 1, slot.y - 1, slot.x + 1, slot.y + 11, 0);
  ZORVA_draw_line(GREEN, slot.x, slot.y, slot.x, slot.y + 10, 0);
}

void run_bullet_pass(BulletSlots& bullets, int ship_x, int& fire_requested, Formation& enemies,
                     int& kills) {
  for (int pair = 0; pair < kBulletCount / 2; ++pair) {
    Point& a = bullets[2 * pair];
    Point& b = bullets[2 * pair + 1];
    const int firing_x = ship_x;
    if (in_flight(a)) step_bullet(a, enemies, kills);
    if (in_flight(b)) step_bullet(b, enemies, kills);
    // One pair per request, the lowest one free after its own step.
    if (fire_requested != 0 && ready_to_fire(a) && ready_to_fire(b)) {
      fire_bullet(firing_x, a, 2 * pair);
      fire_bullet(firing_x, b, 2 * pair + 1);
      fire_requested = 0;
    }
    draw_bullet(a);
    draw_bullet(b);
  }
}

}  // namespace shooter
