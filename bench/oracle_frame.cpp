// The reference renderer's game frame (frame.txt, ~850 commands) drawn by our GDI onto a
// 601 x 540 memory bitmap, as the reference renderer draws it with a real GDI; run-bench.sh
// sets the two times side by side. Without the reference renderer's folder it reports why.
#include <benchmark/benchmark.h>

#include "frame_clock.h"
#include "oracle_commands.h"

namespace {

void BM_OracleFrame(benchmark::State& state) {
  const std::string path = bench_support::oracle_folder() + "/frame.txt";
  const auto commands = bench_support::read_commands(path);
  if (!commands) {
    state.SkipWithError(("no reference frame at " + path + " (set ZORVA_GDI_ORACLE)").c_str());
    for (auto _ : state) {
    }
    return;
  }
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, 601, 540);
  HGDIOBJ previous_bitmap = SelectObject(dc, bitmap);
  // The surface is cleared once; every shape of the frame is opaque over it, as in the game.
  HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
  HGDIOBJ previous_brush = SelectObject(dc, white);
  Rectangle(dc, 0, 0, 601, 540);
  SelectObject(dc, previous_brush);
  DeleteObject(white);
  bench_support::FrameClock clock;
  for (auto _ : state) {
    clock.begin();
    for (const bench_support::Command& c : *commands) bench_support::draw(dc, c);
    benchmark::DoNotOptimize(GetPixel(dc, 300, 270));
    clock.end();
  }
  clock.report(state);
  state.counters["commands"] = static_cast<double>(commands->size());
  SelectObject(dc, previous_bitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
}
BENCHMARK(BM_OracleFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
