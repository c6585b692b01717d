// Ship against enemy: a living craft that reaches the ship is destroyed, the ship is thrown
// back to the left and the damage counted.
#pragma once

#include "world.h"

namespace shooter {

inline constexpr int kShipRestartX = -260;

// Tests the ship against each enemy in order; later enemies meet the ship where an earlier
// collision has put it.
void check_ship_collisions(RandomGenerator& random, int& ship_x, int ship_y, Formation& enemies,
                           int& damage);

}  // namespace shooter
