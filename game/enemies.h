// The nine-craft enemy formation: spawn, one tick of movement with dodging and mutual
// avoidance, and drawing in the colour of each craft's hit points.
#pragma once

#include "world.h"

namespace shooter {

inline constexpr int kEnemyStartHitPoints = 3;
inline constexpr int kFrontRowY = 260;
inline constexpr int kBackRowY = 310;
inline constexpr int kEnemyDescent = 4;
inline constexpr int kEnemySideLimit = 300;
inline constexpr int kLastEnemy = kEnemyCount - 1;  // its height decides replacement
inline constexpr int kFormationGoneBelow = -250;

inline bool alive(const Enemy& enemy) { return enemy.hit_points >= 0; }

// -1 for a negative dx, +1 for a positive one.
inline int sign_of(int dx) { return dx < 0 ? -1 : 1; }

// Lays out a fresh formation: a front row of five at 260 from the leader rightward and a
// back row of four at 310 over front-row craft 1 to 4, all with the leader's dx.
void spawn_formation(RandomGenerator& random, Formation& enemies);

// One tick: movement with wobble and side bounce, then dodging of bullets in flight, then
// mutual avoidance. Changes only the enemies.
void move_enemies(RandomGenerator& random, Formation& enemies, const BulletSlots& bullets);

// The colour that shows an enemy's remaining hit points.
int enemy_color(int hit_points);

// Draws every living enemy.
void draw_enemies(const Formation& enemies);

}  // namespace shooter
