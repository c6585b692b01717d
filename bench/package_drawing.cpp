// The cost of one game-like frame drawn through the public primitives: a black playfield,
// three layers of stars, a formation of enemies, the ship, shots and the status line, about
// 850 calls. Measured with logging off (as the game runs) and with every call described in
// the shown text window.
#include <benchmark/benchmark.h>

#include "internal/console.h"
#include "internal/library_state.h"
#include "platform/testing/headless.h"
#include "zorva.h"

namespace {

constexpr int kStarsPerLayer = 233;

// Draws one frame; returns the number of drawing calls it made.
int draw_frame(int frame) {
  int calls = 0;
  ZORVA_draw_rectangle(BLACK, -300, -250, 300, 300, 0);
  ++calls;
  for (int i = 0; i < kStarsPerLayer; ++i) {
    const int x = (i * 97 + frame) % 600 - 300;
    const int y = (i * 61 + frame * 3) % 540 - 250;
    ZORVA_draw_rectangle(WHITE, x, y, x + 1, y + 1, 0);
    ZORVA_draw_rectangle(GRAY_50, x + 7, y, x + 7, y + 1, 0);
    ZORVA_draw_rectangle(GRAY_20, x + 3, y - 5, x + 3, y - 4, 0);
    calls += 3;
  }
  for (int e = 0; e < 20; ++e) {
    const int x = -250 + (e % 10) * 50;
    const int y = 200 - (e / 10) * 40 - frame % 30;
    const int c = 3 + e % 5;
    ZORVA_draw_circle(c, x, y, 5);
    ZORVA_draw_circle(BLACK, x, y, 3);
    ZORVA_draw_line(c, x - 3, y - 5, x + 3, y + 5, 0);
    ZORVA_draw_line(c, x - 3, y + 5, x + 3, y - 5, 0);
    ZORVA_draw_line(c, x - 10, y, x + 10, y, 0);
    ZORVA_draw_line(c, x - 10, y + 10, x - 10, y - 10, 0);
    ZORVA_draw_line(c, x + 10, y + 10, x + 10, y - 10, 0);
    calls += 7;
  }
  const int sx = frame % 500 - 250, sy = -220;
  ZORVA_draw_rectangle(GRAY_20, sx - 6, sy, sx + 6, sy + 30, 0);
  ZORVA_draw_rectangle(GRAY_50, sx - 5, sy, sx + 5, sy + 5, 0);
  ZORVA_draw_triangle(GRAY_20, sx - 6, sy, sx - 20, sy, sx - 6, sy + 5, 0);
  ZORVA_draw_triangle(GRAY_20, sx - 20, sy, sx - 20, sy - 4, sx - 6, sy, 0);
  ZORVA_draw_triangle(GRAY_20, sx + 6, sy, sx + 20, sy, sx + 6, sy + 5, 0);
  ZORVA_draw_triangle(GRAY_20, sx + 20, sy, sx + 20, sy - 4, sx + 6, sy, 0);
  ZORVA_draw_triangle(WHITE, sx - 6, sy + 5, sx - 20, sy + 10, sx - 6, sy + 10, 0);
  ZORVA_draw_triangle(WHITE, sx - 20, sy + 10, sx - 6, sy + 10, sx - 20, sy + 14, 0);
  ZORVA_draw_triangle(WHITE, sx + 6, sy + 5, sx + 20, sy + 10, sx + 6, sy + 10, 0);
  ZORVA_draw_triangle(WHITE, sx + 20, sy + 10, sx + 6, sy + 10, sx + 20, sy + 14, 0);
  calls += 10;
  for (int b = 0; b < 10; ++b) {
    const int x = -200 + b * 40, y = -150 + (frame * 7 + b * 31) % 300;
    ZORVA_draw_rectangle(SEA_GREEN, x - 1, y - 1, x + 1, y + 11, 0);
    ZORVA_draw_line(GREEN, x, y, x, y + 10, 0);
    calls += 2;
  }
  ZORVA_draw_textf(RED, -290, 280, 20, "Kills: %d, Damage: %d", frame, frame / 3);
  return calls + 1;
}

// Starts the package once on the headless backend.
void start_package() {
  static bool started = false;
  if (started) return;
  zorva::headless::use();
  static char command_line[] = "";
  ZORVA_start(nullptr, nullptr, command_line, SW_SHOWNORMAL);
  started = true;
}

void run_frames(benchmark::State& state, bool logging) {
  start_package();
  ZORVA_set_logging(logging ? 1 : 0);
  int frame = 0, calls = 0;
  for (auto _ : state) {
    calls = draw_frame(frame++);
    zorva::draw_queued_lines();  // what the next message turn does with the frame's descriptions
  }
  ZORVA_set_logging(0);
  state.counters["calls_per_frame"] = calls;
}

void BM_GameFrameLoggingOff(benchmark::State& state) { run_frames(state, false); }
void BM_GameFrameLoggingOnTextWindowShown(benchmark::State& state) { run_frames(state, true); }

// The copy of a changed surface to the window that follows each frame.
void BM_FlushChangedSurface(benchmark::State& state) {
  start_package();
  ZORVA_set_logging(0);
  for (auto _ : state) {
    zorva::g_state.surface_dirty = 1;
    ZORVA_flush();
  }
}

}  // namespace

BENCHMARK(BM_GameFrameLoggingOff)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GameFrameLoggingOnTextWindowShown)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FlushChangedSurface)->Unit(benchmark::kMicrosecond);
