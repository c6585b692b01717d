// The shooter's entry: the platform calls WinMain with its four start-up values.
#include "game_loop.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous_instance, LPSTR command_line,
                   int show_mode) {
  shooter::World world;  // the whole game state, alive as long as the game runs
  shooter::game_start(world, instance, previous_instance, command_line, show_mode,
                      shooter::seed_from_clock());
  return shooter::game_run(world);
}
