// The enemies' bombs: dropped from living craft with nothing below them, falling 20 units a
// pass, counted as damage when they reach the ship.
#pragma once

#include "world.h"

namespace shooter {

inline constexpr int kBombFall = 20;
inline constexpr int kBombBottom = -250;  // a bomb below this height is gone

// Gives every free slot one try at a bomb from a randomly chosen enemy.
void drop_bombs(RandomGenerator& random, const Formation& enemies, BombSlots& bombs);

// Moves every slot down and tests the bombs in flight against the ship.
void step_bombs(RandomGenerator& random, BombSlots& bombs, int ship_x, int ship_y, int& damage);

// Draws the bombs that are still above the bottom of the playfield.
void draw_bombs(const BombSlots& bombs);

}  // namespace shooter
