// Runs a beginner's program (an example, or a teaching sample) on the headless backend in a
// scratch working directory, with steps carried out whenever the program waits.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <functional>

#include "internal/library_state.h"
#include "platform/testing/headless.h"
#include "support/package_probes.h"
#include "zorva.h"

namespace zorva {

using Program = int(WINAPI*)(HINSTANCE, HINSTANCE, LPSTR, int);

// Runs one example in a scratch working directory. The steps queued with `then` are carried
// out one at a time whenever the program waits; once they are done the window is closed the
// way the user would, and the example must return 0.
class ExampleRun : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::begin_package_test(scratch_, [this] { return feed(); });
  }

  void TearDown() override {
    testing_support::end_package_test(scratch_);
  }

  void then(std::function<void()> step) { steps_.push_back(std::move(step)); }

  // A fresh platform, package and working directory, for another program in the same test.
  void start_again() {
    TearDown();
    steps_.clear();
    closed_ = false;
    turns_after_close_ = 0;
    SetUp();
  }

  void run_to_the_end(Program program) {
    char command_line[1] = {0};
    EXPECT_EQ(program(nullptr, nullptr, command_line, SW_SHOWNORMAL), 0);
    EXPECT_TRUE(steps_.empty()) << "the example quit before all its steps were done";
  }

  // Logical coordinates, as the examples use them.
  static std::uint32_t pixel(int x, int y) {
    return headless::client_pixel(g_state.draw_window, g_state.origin_x + x, g_state.origin_y - y);
  }
  static void click(int x, int y) {
    headless::click(g_state.draw_window, g_state.origin_x + x, g_state.origin_y - y);
  }
  static void ctrl(int letter) {
    headless::key_down(VK_CONTROL);
    headless::key_down(letter);
    headless::key_up(letter);
    headless::key_up(VK_CONTROL);
  }
  // Lets the clock run on, so that a running animation gets its next tick.
  static void wait_ms(std::uint32_t ms) { headless::advance_ms(ms); }

 private:
  bool feed() {
    if (!steps_.empty()) {
      auto step = std::move(steps_.front());
      steps_.pop_front();
      step();
      return true;
    }
    if (!closed_) {
      closed_ = true;
      headless::close_request(g_state.draw_window);
      return true;
    }
    if (++turns_after_close_ > 1000) {
      ADD_FAILURE() << "the example went on waiting after its window was closed";
      PostQuitMessage(99);
      return true;
    }
    return false;
  }

  std::deque<std::function<void()>> steps_;
  bool closed_ = false;
  int turns_after_close_ = 0;
  testing_support::ScratchDirectory scratch_;
};

}  // namespace zorva
