// A started package on the headless backend, in a scratch working directory (the script file
// name is relative), with helpers to take events and to feed input while the call waits.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "internal/library_state.h"
#include "internal/script.h"
#include "platform/testing/headless.h"
#include "support/package_probes.h"
#include "zorva.h"

namespace zorva::testing_support {

struct Event {
  int kind = 0;
  int x = 0;
  int y = 0;
  char key = 0;
};

class StartedPackage : public ::testing::Test {
 protected:
  void SetUp() override {
    begin_package_test(scratch_, [this] { return feed_next(); });
    ZORVA_start(nullptr, nullptr, command_line_, SW_SHOWNORMAL);
  }

  void TearDown() override {
    end_package_test(scratch_);
  }

  static Event next_event() {
    Event e;
    e.kind = ZORVA_next_event(&e.x, &e.y, &e.key);
    return e;
  }

  // Input handed to the program one action at a time, whenever it would otherwise wait.
  // With nothing left to feed, virtual time jumps to the next tick; a call that still finds
  // nothing after many ticks is stopped with a quit so a broken loop cannot hang the test.
  void when_idle(std::function<void()> action) { feed_.push_back(std::move(action)); }

  bool feed_next() {
    ++idle_turns_;
    if (!feed_.empty()) {
      auto action = std::move(feed_.front());
      feed_.pop_front();
      action();
      return true;
    }
    if (idle_turns_ > 2000) {
      ADD_FAILURE() << "the event call waited without end";
      PostQuitMessage(99);
      return true;
    }
    return false;
  }

  static POINT client_of(int logical_x, int logical_y) {
    return {g_state.origin_x + logical_x, g_state.origin_y - logical_y};
  }
  static void click_logical(int x, int y) {
    const POINT p = client_of(x, y);
    headless::click(g_state.draw_window, p.x, p.y);
  }
  static void command(WPARAM id) { PostMessageA(g_state.draw_window, WM_COMMAND, id, 0); }

  static bool checked(UINT id) {
    const DWORD previous = CheckMenuItem(g_state.run_menu, id, MF_CHECKED);
    CheckMenuItem(g_state.run_menu, id, previous & MF_CHECKED);
    return (previous & MF_CHECKED) != 0;
  }

  static void write_script(const std::string& text) { std::ofstream(kScriptFileName) << text; }

  std::deque<std::function<void()>> feed_;
  int idle_turns_ = 0;
  ScratchDirectory scratch_;
  char command_line_[1] = {0};
};

}  // namespace zorva::testing_support
