#include "bombs.h"

#include "effects.h"
#include "enemies.h"

namespace shooter {
namespace {

constexpr int kHighestDropY = 250;
constexpr int kLowestDropY = -220;
constexpr int kShadowWidth = 20;  // a craft this close sideways and lower blocks the drop
constexpr int kShipHitHeight = 30;
constexpr int kShipHitWidth = 20;

// Whether enemy k may drop a bomb now: alive, within the drop heights, and no craft
// (destroyed ones included) below it within the shadow width.
bool can_drop(const Formation& enemies, const Enemy& k) {
  if (!alive(k) || k.y > kHighestDropY || k.y < kLowestDropY) return false;
  for (const Enemy& j : enemies) {
    if (j.y < k.y && distance(k.x, j.x) < kShadowWidth) return false;
  }
  return true;
}

}  // namespace

void drop_bombs(RandomGenerator& random, const Formation& enemies, BombSlots& bombs) {
  for (Point& slot : bombs) {
    if (slot.y < kBombBottom) slot.y = INACTIVE_Y;
    if (in_flight(slot)) continue;
    const Enemy& k = enemies[random_mod(random, kEnemyCount)];
    slot.x = k.x;
    slot.y = k.y;
    if (!can_drop(enemies, k)) slot.y = INACTIVE_Y;  // withdrawn
  }
}

void step_bombs(RandomGenerator& random, BombSlots& bombs, int ship_x, int ship_y, int& damage) {
  for (Point& slot : bombs) {
    slot.y -= kBombFall;  // free slots too: they fall below the bottom and stay free
    if (slot.y < kBombBottom) slot.y = INACTIVE_Y;
    if (distance(slot.y, ship_y) < kShipHitHeight && in_flight(slot) &&
        distance(slot.x, ship_x) < kShipHitWidth) {
      count_one(damage);
      slot.y = INACTIVE_Y;
      draw_hit_burst(random, ship_x, ship_y, nullptr);
    }
  }
}

void draw_bombs(const BombSlots& bombs) {
  for (const Point& slot : bombs) {
    // A bomb resting on the bottom line is not drawn: its box would reach below the
    // playfield, where nothing ever paints it out again.
    if (slot.y <= kBombBottom) continue;
    ZORVA_draw_rectangle(GRAY_50, slot.x - 1, slot.y - 1, slot.x + 1, slot.y + 11, 0);
    ZORVA_draw_line(RED, slot.x, slot.y, slot.x, slot.y + 10, 0);
  }
}

}  // namespace shooter
