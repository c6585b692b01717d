// The cost of showing the drawing window's framebuffer (595 by 515: menu strip and client
// area) as blocks of 1 to 4 screen pixels: the copy into the window surface a present makes.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "platform/driver/screen_scale.h"

namespace {

void BM_ScaleUpDrawingWindow(benchmark::State& state) {
  const int factor = static_cast<int>(state.range(0));
  const int width = 595, height = 515;
  std::vector<std::uint32_t> framebuffer(static_cast<std::size_t>(width) * height, 0x00123456u);
  std::vector<std::uint32_t> surface(static_cast<std::size_t>(width) * factor * height * factor);
  for (auto _ : state) {
    zorva::platform::scale_up(framebuffer.data(), width, height, width, factor, surface.data(), width * factor * 4);
    benchmark::DoNotOptimize(surface.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(surface.size()) * 4);
}
BENCHMARK(BM_ScaleUpDrawingWindow)->DenseRange(1, 4);

}  // namespace
