#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

#include "loop_fixture.h"

namespace shooter {
namespace {

using testing_support::LoopTest;

bool same_points(const Point* a, const Point* b, int n) {
  for (int i = 0; i < n; ++i) {
    if (a[i].x != b[i].x || a[i].y != b[i].y) return false;
  }
  return true;
}

// Everything the game keeps, except the event scratch (the last event differs only in how
// it reached the game).
void expect_same_world(const World& a, const World& b) {
  EXPECT_EQ(a.kills, b.kills);
  EXPECT_EQ(a.damage, b.damage);
  EXPECT_EQ(a.ship_x, b.ship_x);
  EXPECT_EQ(a.ship_y, b.ship_y);
  EXPECT_EQ(a.ship_direction, b.ship_direction);
  EXPECT_EQ(a.ship_speed, b.ship_speed);
  EXPECT_EQ(a.fire_requested, b.fire_requested);
  EXPECT_EQ(a.scroll_counter, b.scroll_counter);
  EXPECT_TRUE(same_points(a.bullets.data(), b.bullets.data(), kBulletCount));
  EXPECT_TRUE(same_points(a.bombs.data(), b.bombs.data(), kBombCount));
  EXPECT_TRUE(same_points(a.far_stars.data(), b.far_stars.data(), kFarStarCount));
  EXPECT_TRUE(same_points(a.mid_stars.data(), b.mid_stars.data(), kMidStarCount));
  EXPECT_TRUE(same_points(a.near_stars.data(), b.near_stars.data(), kNearStarCount));
  EXPECT_EQ(a.enemies, b.enemies);
  EXPECT_EQ(a.quit, b.quit);
  EXPECT_EQ(a.random.next, b.random.next);
}

// FNV-1a over the drawing window's pixels, menu strip included.
std::uint64_t frame_hash() {
  const zorva::platform::Pixmap& frame = zorva::headless::framebuffer(zorva::g_state.draw_window);
  std::uint64_t hash = 1469598103934665603ull;
  for (std::uint32_t pixel : frame.pixels) {
    hash = (hash ^ pixel) * 1099511628211ull;
  }
  return hash;
}

struct RunOutcome {
  World world;
  std::uint64_t hash = 0;
  int passes = 0;
};

class ReplayTest : public LoopTest {
 protected:
  static constexpr unsigned int kSeed = 20261209;

  // Runs passes until the quit pass, then shows the last frame and finishes the package.
  RunOutcome run_to_quit() {
    RunOutcome outcome;
    while (world.quit == 0) {
      game_pass(world);
      ++outcome.passes;
    }
    ZORVA_flush();
    outcome.hash = frame_hash();
    ZORVA_finish();
    outcome.world = world;
    return outcome;
  }

  // A few seconds of play: ticks, steering, speed changes, shots, a click, recorded.
  RunOutcome record() {
    start_game(kSeed);
    when_idle_ctrl('R');
    // Mostly shots, with some steering and speed changes and a key the game ignores.
    std::string keys(120, ' ');
    const std::string steering = ",8.24 6x,.2";
    for (std::size_t i = 0; i < steering.size(); ++i) keys[10 * i + 3] = steering[i];
    for (std::size_t round = 0; round < keys.size(); ++round) {
      for (int tick = 0; tick < 2; ++tick) when_idle_tick();
      when_idle_type(keys[round]);
      if (round == 5) when_idle_click(-120, 45);
    }
    when_idle_ctrl('R');
    when_idle_ctrl('Q');
    return run_to_quit();
  }

  // The same start, then the script played back, then a quit once playback has ended.
  RunOutcome play_back() {
    world = World{};
    feed_.clear();
    zorva::headless::reset();
    zorva::reset_library_state();
    zorva::headless::on_idle([this] { return feed_next(); });
    start_game(kSeed);
    when_idle_ctrl('P');
    when_idle_ctrl('Q');
    return run_to_quit();
  }

  static std::string script_text() {
    std::ifstream in("ZORVA.SCR");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
};

TEST_F(ReplayTest, ARecordedGamePlaysBackToTheSameWorldAndFrameEveryTime) {
  const RunOutcome recorded = record();
  const std::string script = script_text();
  ASSERT_FALSE(script.empty());
  // The run is worth replaying: bombs and collisions hurt the ship and shots hit craft.
  EXPECT_GT(recorded.world.damage, 0);
  int hit_points_left = 0;
  for (const Enemy& enemy : recorded.world.enemies) hit_points_left += enemy.hit_points;
  EXPECT_TRUE(recorded.world.kills > 0 || hit_points_left < 3 * kEnemyCount);

  const RunOutcome first = play_back();
  const RunOutcome second = play_back();
  EXPECT_EQ(script_text(), script);  // playback leaves the script alone

  expect_same_world(recorded.world, first.world);
  expect_same_world(first.world, second.world);
  EXPECT_EQ(first.passes, recorded.passes);
  EXPECT_EQ(recorded.hash, first.hash);
  EXPECT_EQ(first.hash, second.hash);
}

}  // namespace
}  // namespace shooter
