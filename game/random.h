// The game's pseudo-random source: the portable linear congruential generator, so one seed
// gives the same sequence of draws on every platform and a recorded game replays exactly.
#pragma once

#include <cstdint>

namespace shooter {

struct RandomGenerator {
  std::uint32_t next = 1;  // an unseeded generator behaves as if seeded with 1
};

// Starts the sequence over from `seed`.
void seed_random(RandomGenerator& random, unsigned int seed);

// The seed the game uses at start-up: the current calendar time in seconds.
unsigned int seed_from_clock();

// One draw, 0 to 32767.
int random_value(RandomGenerator& random);

// One fresh draw reduced modulo n (n > 0): 0 to n - 1.
int random_mod(RandomGenerator& random, int n);

}  // namespace shooter
