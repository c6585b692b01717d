// One full pass of the shooter's loop on the headless backend: the event call (a tick, with
// the previous frame copied to the window), the tick's movement, and the redraw of the whole
// scene, some 850 drawing calls rendered onto the off-screen surface.
#include <benchmark/benchmark.h>

#include "frame_clock.h"
#include "game_setup.h"
#include "game_loop.h"
#include "internal/library_state.h"
#include "platform/testing/headless.h"

namespace {

using zorva::bench::finish_game;
using zorva::bench::start_game;

// Times game passes, keeping some shots in the air so bullets, dodging and hits are part of
// the work. before_pass runs untimed ahead of each pass.
template <typename BeforePass>
void time_game_passes(benchmark::State& state, shooter::World& world, BeforePass before_pass) {
  bench_support::FrameClock clock;
  for (auto _ : state) {
    if (world.bullets[0].y == shooter::INACTIVE_Y) world.fire_requested = 1;
    before_pass();
    clock.begin();
    shooter::game_pass(world);
    clock.end();
    benchmark::DoNotOptimize(world.scroll_counter);
  }
  clock.report(state);
}

void BM_GamePass(benchmark::State& state) {
  shooter::World world;
  start_game(world);
  time_game_passes(state, world, [] {});
  state.counters["passes/s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                  benchmark::Counter::kIsRate);
  finish_game();
}
BENCHMARK(BM_GamePass)->Unit(benchmark::kMicrosecond);

// The pass as above without its copy of the surface to the window (measured on its own below):
// the event call, the tick's movement and the ~850 drawing calls rendered onto the surface.
void BM_GamePassWithoutCopy(benchmark::State& state) {
  shooter::World world;
  start_game(world);
  // The event call's turn then finds nothing to copy.
  time_game_passes(state, world, [] { zorva::g_state.surface_dirty = 0; });
  finish_game();
}
BENCHMARK(BM_GamePassWithoutCopy)->Unit(benchmark::kMicrosecond);

// The same pass with every drawing call described in the shown text window (some 850 lines a
// pass, the text window as wide as the screen).
void BM_GamePassLoggingOn(benchmark::State& state) {
  shooter::World world;
  start_game(world);
  ZORVA_set_logging(1);
  RECT client{};
  GetClientRect(zorva::g_state.text_window, &client);
  time_game_passes(state, world, [] {});
  state.counters["text_window_width"] = client.right - client.left;
  finish_game();
}
BENCHMARK(BM_GamePassLoggingOn)->Unit(benchmark::kMicrosecond);

// The copy of the whole surface to the drawing window that each pass's first message turn makes.
void BM_SurfaceCopy(benchmark::State& state) {
  shooter::World world;
  start_game(world);
  bench_support::FrameClock clock;
  for (auto _ : state) {
    clock.begin();
    BitBlt(zorva::g_state.window_dc, 0, 0, zorva::kSurfaceWidth, zorva::kSurfaceHeight, zorva::g_state.offscreen_dc, 0, 0,
           SRCCOPY);
    clock.end();
  }
  clock.report(state);
  finish_game();
}
BENCHMARK(BM_SurfaceCopy)->Unit(benchmark::kMicrosecond);

// Moving and drawing alone, without the event call and its copy of the surface to the window.
void BM_GameRedraw(benchmark::State& state) {
  shooter::World world;
  start_game(world);
  for (auto _ : state) {
    if (world.bullets[0].y == shooter::INACTIVE_Y) world.fire_requested = 1;
    shooter::game_apply_event(world, ZORVA_PERIODIC, 0);
    shooter::game_move_and_draw(world);
    benchmark::DoNotOptimize(world.scroll_counter);
  }
  finish_game();
}
BENCHMARK(BM_GameRedraw)->Unit(benchmark::kMicrosecond);

}  // namespace
