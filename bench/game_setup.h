// Starting and finishing a seeded game on the headless driver, for the benchmarks that time
// or count its passes.
#pragma once

#include "game_loop.h"
#include "internal/library_state.h"
#include "platform/testing/headless.h"

namespace zorva::bench {

inline void start_game(shooter::World& world) {
  zorva::headless::use();
  zorva::headless::reset();
  zorva::reset_library_state();
  char command_line[1] = {0};
  shooter::game_start(world, nullptr, nullptr, command_line, SW_SHOWNORMAL, 12345);
}

inline void finish_game() {
  ZORVA_finish();
  zorva::headless::reset();
  zorva::reset_library_state();
}

}  // namespace zorva::bench
