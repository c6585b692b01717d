// Times every iteration of a benchmark on its own, so a frame's median and best time can be
// set beside the reference renderer's, which it reports per frame too. Google Benchmark's own
// figure is the mean of a batch, into which every pause the shared machine makes goes.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace bench_support {

class FrameClock {
 public:
  void begin() { start_ = std::chrono::steady_clock::now(); }
  void end() { micros_.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start_).count()); }

  // Adds the counters "median_us" and "min_us".
  void report(benchmark::State& state) {
    if (micros_.empty()) return;
    std::sort(micros_.begin(), micros_.end());
    state.counters["median_us"] = micros_[micros_.size() / 2];
    state.counters["min_us"] = micros_.front();
  }

 private:
  std::chrono::steady_clock::time_point start_;
  std::vector<double> micros_;
};

}  // namespace bench_support
