#include "enemies.h"

namespace shooter {
namespace {

constexpr int kDodgeSpeed = 3;
constexpr int kLookAheadSteps = 6;
constexpr int kBulletRisePerStep = 20;
constexpr int kDodgeReach = 10;
constexpr int kAvoidWidth = 24;
constexpr int kAvoidHeight = 20;
constexpr int kEnemyHalfWidth = 10;

int magnitude(int dx) { return dx < 0 ? -dx : dx; }

// Phase 1 for one enemy: drift, descend (with a random wobble on the last hit point) and
// bounce at the sides unless destroyed.
void move_one(RandomGenerator& random, Enemy& enemy) {
  const bool wobbling = enemy.hit_points == 0;
  enemy.x += wobbling ? enemy.dx + random_mod(random, 2) : enemy.dx;
  enemy.y -= wobbling ? enemy.descent + random_mod(random, 2) : enemy.descent;
  if (distance(enemy.x, 0) + kEnemyHalfWidth > kEnemySideLimit && alive(enemy)) {
    enemy.dx = enemy.x > 0 ? -magnitude(enemy.dx) : magnitude(enemy.dx);
  }
}

// Phase 2: turn away from a bullet that will meet the enemy within the next six steps. Every
// step and later bullet is tested with the dx as changed so far.
void dodge(Enemy& enemy, const Point& bullet) {
  for (int k = 1; k <= kLookAheadSteps; ++k) {
    const long long bullet_y = static_cast<long long>(bullet.y) + kBulletRisePerStep * k;
    const long long enemy_y = enemy.y + static_cast<long long>(k) * enemy.descent;
    const long long enemy_x = enemy.x + static_cast<long long>(k) * enemy.dx;
    const long long dy = bullet_y - enemy_y;
    const long long dx = bullet.x - enemy_x;
    if (dy > -kDodgeReach && dy < kDodgeReach && dx > -kDodgeReach && dx < kDodgeReach) {
      enemy.dx = -sign_of(enemy.dx) * kDodgeSpeed;
    }
  }
}

// Phase 3 for one ordered pair: when two living craft overlap and i is the right-hand one,
// the left one turns if both fly right, otherwise the right one turns.
void avoid(Enemy& i, Enemy& j) {
  if (distance(i.x, j.x) < kAvoidWidth && distance(i.y, j.y) < kAvoidHeight && i.x > j.x) {
    if (i.dx > 0 && j.dx > 0) {
      j.dx = -j.dx;
    } else {
      i.dx = -i.dx;
    }
  }
}

}  // namespace

void spawn_formation(RandomGenerator& random, Formation& enemies) {
  Enemy& leader = enemies[0];
  leader.hit_points = kEnemyStartHitPoints;
  leader.x = random_mod(random, 300) - 150;
  leader.y = kFrontRowY;
  leader.descent = kEnemyDescent;
  // The leader heads toward the middle, or right when it starts exactly there.
  leader.dx = leader.x > 0 ? -(random_mod(random, 4) + 1) : random_mod(random, 4) + 1;
  for (int i = 1; i < kEnemyCount; ++i) {
    Enemy& enemy = enemies[i];
    enemy.hit_points = leader.hit_points;
    enemy.descent = leader.descent;
    enemy.dx = leader.dx;
    enemy.x = i > 4 ? enemies[i - 4].x : enemies[i - 1].x + 50;
    enemy.y = i > 4 ? kBackRowY : kFrontRowY;
  }
}

void move_enemies(RandomGenerator& random, Formation& enemies, const BulletSlots& bullets) {
  // The leader (index 0) holds its spawn position until the formation is replaced.
  for (int i = 1; i < kEnemyCount; ++i) move_one(random, enemies[i]);

  // Bullet slot 0 is not looked at; destroyed craft dodge too.
  for (int b = 1; b < kBulletCount; ++b) {
    if (!in_flight(bullets[b])) continue;
    for (Enemy& enemy : enemies) dodge(enemy, bullets[b]);
  }

  for (int i = 0; i < kEnemyCount; ++i) {
    for (int j = 0; j < kEnemyCount; ++j) {
      if (j == i || !alive(enemies[i]) || !alive(enemies[j])) continue;
      avoid(enemies[i], enemies[j]);
    }
  }
}

int enemy_color(int hit_points) {
  switch (hit_points) {
    case 3:
      return WHITE;
    case 2:
      return GRAY_20;
    case 1:
      return GRAY_50;
    default:
      return RED;
  }
}

void draw_enemies(const Formation& enemies) {
  for (const Enemy& enemy : enemies) {
    if (!alive(enemy)) continue;
    const int c = enemy_color(enemy.hit_points);
    const int x = enemy.x;
    const int y = enemy.y;
    ZORVA_draw_circle(c, x, y, 5);
    ZORVA_draw_circle(BLACK, x, y, 3);  // hollows the disc into a ring
    ZORVA_draw_line(c, x - 10, y, x + 10, y, 0);
    ZORVA_draw_line(c, x - 3, y + 5, x + 3, y - 5, 0);
    ZORVA_draw_line(c, x - 3, y - 5, x + 3, y + 5, 0);
    ZORVA_draw_line(c, x - 10, y + 10, x - 10, y - 10, 0);
    ZORVA_draw_line(c, x + 10, y + 10, x + 10, y - 10, 0);
  }
}

}  // namespace shooter
