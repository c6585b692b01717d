// Continuous playback of a recorded game on the headless backend: a script of 10,000 ticks
// with a shot fired after every tenth, played back through full game passes. Playback
// returns each scripted event after one message turn, so this measures the passes alone.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "game_loop.h"
#include "internal/library_state.h"
#include "internal/menu_ids.h"
#include "platform/testing/headless.h"

namespace {

constexpr int kTicks = 10000;
constexpr int kTicksPerShot = 10;
constexpr int kPasses = kTicks + kTicks / kTicksPerShot;

double cpu_seconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void write_script() {
  std::ofstream script("ZORVA.SCR");
  for (int i = 0; i < kTicks / kTicksPerShot; ++i) script << "ZORVA_PERIODIC(" << kTicksPerShot << ");\nZORVA_KBD(32);\n";
}

void BM_ScriptPlayback(benchmark::State& state) {
  char pattern[] = "/tmp/zorva-bench-XXXXXX";
  if (mkdtemp(pattern) == nullptr) {
    state.SkipWithError("no scratch folder");
    for (auto _ : state) {
    }
    return;
  }
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(pattern);
  write_script();
  double best_wall = 0, best_cpu = 0;
  for (auto _ : state) {
    zorva::headless::use();
    zorva::headless::reset();
    zorva::reset_library_state();
    shooter::World world;
    char command_line[1] = {0};
    shooter::game_start(world, nullptr, nullptr, command_line, SW_SHOWNORMAL, 12345);
    PostMessageA(zorva::g_state.draw_window, WM_COMMAND, zorva::kCommandPlayback, 0);
    const auto wall_start = std::chrono::steady_clock::now();
    const double cpu_start = cpu_seconds();
    for (int pass = 0; pass < kPasses; ++pass) shooter::game_pass(world);
    const double cpu = cpu_seconds() - cpu_start;
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wall_start).count();
    if (best_wall == 0 || wall < best_wall) best_wall = wall;
    if (best_cpu == 0 || cpu < best_cpu) best_cpu = cpu;
    benchmark::DoNotOptimize(world.kills);
    ZORVA_finish();
    zorva::headless::reset();
    zorva::reset_library_state();
  }
  state.counters["passes"] = kPasses;
  state.counters["passes_per_s"] = kPasses / best_wall;
  state.counters["passes_per_cpu_s"] = kPasses / best_cpu;
  std::filesystem::current_path(previous);
  std::filesystem::remove_all(pattern);
}
BENCHMARK(BM_ScriptPlayback)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
