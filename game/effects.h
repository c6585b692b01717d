// The hit effects, drawn only in the pass in which a hit happens.
#pragma once

#include "world.h"

namespace shooter {

// Explosions and sparks drawn for one hit.
inline constexpr int kBurstCount = 10;

// A white and a yellow shard just below (x, y).
void draw_spark(int x, int y);

// A white disc of radius 6 at (x, y).
void draw_explosion(int x, int y);

// A hit on the ship: kBurstCount times an explosion near the ship, one near the enemy it met
// (none for a bomb), and a spark around the ship, at random offsets in that order.
void draw_hit_burst(RandomGenerator& random, int ship_x, int ship_y, const Enemy* enemy);

}  // namespace shooter
