#include "random.h"

#include <ctime>

namespace shooter {

void seed_random(RandomGenerator& random, unsigned int seed) { random.next = seed; }

unsigned int seed_from_clock() {
  // Only the low bits matter to the generator, so truncating the time is harmless.
  return static_cast<unsigned int>(std::time(nullptr));
}

int random_value(RandomGenerator& random) {
  // Unsigned 32-bit arithmetic wraps by definition; bits 16 to 30 form the result, and those
  // depend only on the low 31 bits of the state, so wider state types give the same values.
  random.next = random.next * 1103515245u + 12345u;
  return static_cast<int>((random.next / 65536u) % 32768u);
}

int random_mod(RandomGenerator& random, int n) { return random_value(random) % n; }

}  // namespace shooter
