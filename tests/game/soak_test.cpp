// A long game under seeded random input (game keys, other keys, clicks, ticks, and now and
// then the command keys for logging, recording, halting and single frames): the platform's
// live windows, device contexts, GDI objects, movable blocks and timers stay exactly where
// they were after the warm-up, and resident memory stays flat.
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "game_fixture.h"
#include "game_loop.h"

namespace shooter {
namespace {

using testing_support::HeadlessTest;

#if defined(__SANITIZE_ADDRESS__)
#define ZORVA_SOAK_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZORVA_SOAK_SANITIZED 1
#endif
#endif

// A sanitized debug build spends about 25 times as long on a pass (8.6 ms against 0.34 ms
// here): it takes fewer passes, enough to look for memory faults over a long game.
#ifdef ZORVA_SOAK_SANITIZED
constexpr int kPasses = 3000;
constexpr int kWarmUpPasses = 500;
constexpr int kCheckEvery = 1000;
#else
constexpr int kPasses = 100000;
constexpr int kWarmUpPasses = 1000;
constexpr int kCheckEvery = 5000;
#endif

struct Resources {
  std::size_t windows, dcs, gdi_objects, memory_blocks, timers;
  bool operator==(const Resources&) const = default;
};

Resources live_resources() {
  namespace h = zorva::headless;
  return {h::live_windows(), h::live_dcs(), h::live_gdi_objects(), h::live_memory_blocks(), h::live_timers()};
}

std::string describe(const Resources& r) {
  return "windows " + std::to_string(r.windows) + ", DCs " + std::to_string(r.dcs) + ", GDI objects " +
         std::to_string(r.gdi_objects) + ", movable blocks " + std::to_string(r.memory_blocks) + ", timers " +
         std::to_string(r.timers);
}

// Resident set size in KiB, from /proc/self/statm.
long resident_kib() {
  std::ifstream statm("/proc/self/statm");
  long size = 0, resident = 0;
  statm >> size >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

class Soak : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    seed_random(input_, 20261209);
    zorva::headless::on_idle([this] { return act(); });
    game_start(world_, nullptr, nullptr, command_line_, SW_SHOWNORMAL, 7);
  }

  static void ctrl(char letter) {
    zorva::headless::key_down(VK_CONTROL);
    zorva::headless::key_down(letter);
    zorva::headless::key_up(letter);
    zorva::headless::key_up(VK_CONTROL);
  }

  // What the user does while the game waits; false lets time run to the next tick.
  bool act() {
    if (follow_up_ != 0) {
      // A logged pass, a halt or a recording is always undone by the next action.
      ctrl(follow_up_);
      follow_up_ = 0;
      return true;
    }
    if (log_next_pass_) {
      log_next_pass_ = false;
      ctrl('L');
      zorva::headless::type_text("x");  // an event, so one pass is drawn while logged
      follow_up_ = 'L';
      return true;
    }
    static const char keys[] = " ,4.628 ,4.628xq\r\x1b\x7f\xe9\xff";
    const int choice = random_mod(input_, 1000);
    const zorva::LibraryState& s = zorva::g_state;
    if (choice < 400) return false;
    if (choice < 800) {
      zorva::headless::type_text(std::string(1, keys[random_mod(input_, sizeof keys - 1)]));
    } else if (choice < 990) {
      zorva::headless::click(s.draw_window, random_mod(input_, 601), random_mod(input_, 520));
    } else if (choice < 994) {
      log_next_pass_ = true;
      return act();
    } else if (choice < 996) {
      ctrl('R');
      zorva::headless::click(s.draw_window, 300, 260);  // recorded, with the ticks before it
      follow_up_ = 'R';
    } else if (choice < 998) {
      ctrl('H');
      follow_up_ = 'A';
    } else {
      ctrl('F');
    }
    return true;
  }

  // The first action is a logged pass: it fills the log ring, so its 25 blocks are there
  // before the baseline is taken.
  void warm_up() {
    log_next_pass_ = true;
    for (int pass = 0; pass < kWarmUpPasses; ++pass) game_pass(world_);
    ASSERT_GE(zorva::g_state.log_first, 0);
  }

  World world_;
  RandomGenerator input_;
  char follow_up_ = 0;
  bool log_next_pass_ = false;
};

TEST_F(Soak, LiveResourcesAndMemoryStayFlatOverALongGame) {
  warm_up();
  const Resources baseline = live_resources();
  const long resident_before = resident_kib();
  for (int pass = 1; pass <= kPasses; ++pass) {
    game_pass(world_);
    ASSERT_EQ(world_.quit, 0) << "pass " << pass;
    if (pass % kCheckEvery == 0) {
      const Resources now = live_resources();
      ASSERT_EQ(now, baseline) << "after " << pass << " passes: " << describe(now) << "; at the start "
                               << describe(baseline);
      ASSERT_LE(zorva::headless::queued_messages(), 4u) << "after " << pass << " passes";
    }
  }
  const long resident_after = resident_kib();
  std::printf("[ soak     ] %d passes: %s; resident memory %ld KiB after the warm-up, %ld KiB at the end "
              "(%+ld KiB); %d kills, %d hits taken\n",
              kPasses, describe(live_resources()).c_str(), resident_before, resident_after,
              resident_after - resident_before, world_.kills, world_.damage);
#ifndef ZORVA_SOAK_SANITIZED
  // The sanitizers keep freed memory in quarantine, so only the plain build can judge this.
  EXPECT_LT(resident_after - resident_before, 16 * 1024);
#endif
  EXPECT_GT(world_.kills + world_.damage, 0);
}

}  // namespace
}  // namespace shooter
