// The whole game on the headless backend: started through its own start-up, driven pass by
// pass, with user input handed over whenever the event call would otherwise wait.
#pragma once

#include <deque>
#include <functional>
#include <string>

#include "game_fixture.h"
#include "game_loop.h"

namespace shooter::testing_support {

class LoopTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    zorva::headless::on_idle([this] { return feed_next(); });
  }

  void start_game(unsigned int seed = 1) {
    game_start(world, nullptr, nullptr, command_line_, SW_SHOWNORMAL, seed);
  }

  // Queues something the user does the next time the program waits. An action returning
  // false does nothing, so virtual time runs on to the next tick.
  void when_idle(std::function<bool()> action) { feed_.push_back(std::move(action)); }
  void when_idle_tick() {
    when_idle([] { return false; });
  }
  void when_idle_type(char c) {
    when_idle([c] {
      zorva::headless::type_text(std::string(1, c));
      return true;
    });
  }
  void when_idle_ctrl(char letter) {
    when_idle([letter] {
      zorva::headless::key_down(VK_CONTROL);
      zorva::headless::key_down(letter);
      zorva::headless::key_up(letter);
      zorva::headless::key_up(VK_CONTROL);
      return true;
    });
  }
  void when_idle_click(int logical_x, int logical_y) {
    when_idle([logical_x, logical_y] {
      const zorva::LibraryState& s = zorva::g_state;
      zorva::headless::click(s.draw_window, s.origin_x + logical_x, s.origin_y - logical_y);
      return true;
    });
  }

  // One pass of the loop with one queued action as the input it waits for.
  void pass_after(std::function<bool()> action) {
    when_idle(std::move(action));
    game_pass(world);
  }

  bool feed_next() {
    if (++idle_turns_ > 100000) {
      ADD_FAILURE() << "the event call waited without end";
      PostQuitMessage(99);
      return true;
    }
    if (feed_.empty()) return false;
    auto action = std::move(feed_.front());
    feed_.pop_front();
    return action();
  }

  World world;
  std::deque<std::function<bool()>> feed_;
  int idle_turns_ = 0;
};

}  // namespace shooter::testing_support
