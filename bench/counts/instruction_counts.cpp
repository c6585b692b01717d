// Instructions and heap allocations per pass, for make bench: run under valgrind's callgrind
// (--collect-atstart=no), each figure's steady-state passes are collected alone and dumped
// under the figure's name; run-bench.sh divides the dump's instructions by the passes this
// program prints. Without valgrind it still prints the allocations.
//   bench_instruction_counts [FIGURE]   every figure, or the one named
// Prints one line per figure: "FIGURE PASSES ALLOCATIONS", or "FIGURE skipped: WHY".
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else  // without valgrind's headers the program still counts allocations
#define CALLGRIND_TOGGLE_COLLECT
#define CALLGRIND_DUMP_STATS_AT(name) static_cast<void>(name)
#endif

#include <cstdio>
#include <string>

#include "../oracle_commands.h"
#include "allocation_counter.h"
#include "../game_setup.h"
#include "game_loop.h"
#include "internal/library_state.h"
#include "platform/testing/headless.h"

namespace {

// Runs `warm_up` untimed passes (fonts opened, caches filled), then collects `passes` more.
template <typename Pass>
void count(const char* figure, int warm_up, int passes, Pass pass) {
  for (int i = 0; i < warm_up; ++i) pass();
  const unsigned long long allocations_before = allocation_count();
  CALLGRIND_TOGGLE_COLLECT;
  for (int i = 0; i < passes; ++i) pass();
  CALLGRIND_TOGGLE_COLLECT;
  const unsigned long long allocations = allocation_count() - allocations_before;
  CALLGRIND_DUMP_STATS_AT(figure);
  std::printf("%s %d %llu\n", figure, passes, allocations);
}

using zorva::bench::finish_game;
using zorva::bench::start_game;

// The passes of bench_game_pass: some shots always in the air.
void count_game_passes(const char* figure, bool logging, int warm_up, int passes) {
  shooter::World world;
  start_game(world);
  if (logging) ZORVA_set_logging(1);
  count(figure, warm_up, passes, [&world] {
    if (world.bullets[0].y == shooter::INACTIVE_Y) world.fire_requested = 1;
    shooter::game_pass(world);
  });
  finish_game();
}

// The reference renderer's frame through our GDI, as bench_oracle_frame draws it.
void count_oracle_frame() {
  const std::string path = bench_support::oracle_folder() + "/frame.txt";
  const auto commands = bench_support::read_commands(path);
  if (!commands) {
    std::printf("oracle_frame skipped: no reference frame at %s (set ZORVA_GDI_ORACLE)\n", path.c_str());
    return;
  }
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, 601, 540);
  HGDIOBJ previous_bitmap = SelectObject(dc, bitmap);
  HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
  HGDIOBJ previous_brush = SelectObject(dc, white);
  Rectangle(dc, 0, 0, 601, 540);
  SelectObject(dc, previous_brush);
  DeleteObject(white);
  count("oracle_frame", 5, 30, [&] {
    for (const bench_support::Command& c : *commands) bench_support::draw(dc, c);
  });
  SelectObject(dc, previous_bitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string only = argc > 1 ? argv[1] : "";
  const auto wanted = [&](const char* figure) { return only.empty() || only == figure; };
  if (wanted("game_pass")) count_game_passes("game_pass", false, 20, 100);
  if (wanted("game_pass_logging")) count_game_passes("game_pass_logging", true, 10, 30);
  if (wanted("oracle_frame")) count_oracle_frame();
  return 0;
}
