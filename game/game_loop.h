// The shooter's start-up and main loop, split into pieces a test can drive one at a time.
#pragma once

#include "world.h"

namespace shooter {

// Status line: red text near the top of the playfield.
inline constexpr int kStatusX = -200;
inline constexpr int kStatusY = 225;
inline constexpr int kStatusPointSize = 15;

// Builds the world, starts the package with the four start-up values (animation running,
// drawing calls not logged) and draws the first frame. `seed` starts the random sequence;
// the game passes the current time.
void game_start(World& world, HINSTANCE instance, HINSTANCE previous_instance,
                LPSTR command_line, int show_mode, unsigned int seed);

// Acts on one event: keys steer the ship, ticks move enemies and ship, quit ends the loop.
void game_apply_event(World& world, int kind, char key);

// What every event brings besides its own effect, in this order: the stars drawn and
// scrolled, ship and enemies drawn, shots moved, drawn and tested against the enemies, bombs
// dropped, moved and tested against the ship, bombs drawn, ship tested against the enemies,
// then the status line.
void game_move_and_draw(World& world);

// One pass of the loop: waits for the next event, applies it, then moves and draws.
void game_pass(World& world);

// Runs passes until a quit event has been handled, then finishes the package. Returns 0.
int game_run(World& world);

}  // namespace shooter
