#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bombs.h"
#include "game_fixture.h"

namespace shooter {
namespace {

using testing_support::GameTest;
using testing_support::parked_formation;

class BombTest : public GameTest {
 protected:
  // Every craft at one place, so whichever enemy the draw picks, the outcome is the same.
  static Formation all_at(Enemy enemy) {
    Formation enemies;
    enemies.fill(enemy);
    return enemies;
  }
  BombSlots bombs = free_slots<kBombCount>();
  int damage = 0;
};

TEST_F(BombTest, EveryFreeSlotGetsABombFromALivingCraftInRange) {
  const Formation enemies = all_at(Enemy{3, 30, 100, 4, 1});
  drop_bombs(random, enemies, bombs);
  for (const Point& slot : bombs) {
    EXPECT_EQ(slot.x, 30);
    EXPECT_EQ(slot.y, 100);
  }
}

TEST_F(BombTest, DropHeightsRunFromMinus220To250) {
  for (int y : {250, -220}) {
    bombs = free_slots<kBombCount>();
    drop_bombs(random, all_at(Enemy{3, 0, y, 4, 1}), bombs);
    EXPECT_EQ(bombs[0].y, y);
  }
  for (int y : {251, -221, 260, -300}) {
    bombs = free_slots<kBombCount>();
    drop_bombs(random, all_at(Enemy{3, 0, y, 4, 1}), bombs);
    for (const Point& slot : bombs) EXPECT_EQ(slot.y, INACTIVE_Y) << y;
  }
}

TEST_F(BombTest, DestroyedCraftDropNothing) {
  drop_bombs(random, all_at(Enemy{-1, 0, 0, 4, 1}), bombs);
  for (const Point& slot : bombs) EXPECT_EQ(slot.y, INACTIVE_Y);
}

TEST_F(BombTest, ACraftBelowWithinTwentySidewaysBlocksTheDropEvenWhenDestroyed) {
  // Eight craft at (0, 100) and one below them, destroyed, 19 units to the side: every
  // choice is withdrawn (the one below would drop, but the draw must pick it).
  Formation enemies = all_at(Enemy{3, 0, 100, 4, 1});
  enemies[8] = Enemy{-1, 19, 50, 4, 1};
  for (int round = 0; round < 20; ++round) {
    bombs = free_slots<kBombCount>();
    drop_bombs(random, enemies, bombs);
    for (const Point& slot : bombs) ASSERT_EQ(slot.y, INACTIVE_Y);
  }
  enemies[8].x = 20;  // 20 apart: no longer in the way
  bombs = free_slots<kBombCount>();
  drop_bombs(random, enemies, bombs);
  int placed = 0;
  for (const Point& slot : bombs) placed += slot.y == 100;
  EXPECT_GT(placed, 0);
}

TEST_F(BombTest, TheChoiceIsOneDrawModuloNinePerFreeSlot) {
  Formation enemies = parked_formation();
  for (int i = 0; i < kEnemyCount; ++i) enemies[i] = Enemy{3, -200 + 50 * i, 0, 4, 1};
  bombs[2] = Point{7, 60};  // in flight: skipped without a draw
  RandomGenerator replay = random;
  drop_bombs(random, enemies, bombs);
  for (int slot : {0, 1, 3}) {
    const int k = random_mod(replay, 9);
    EXPECT_EQ(bombs[slot].x, -200 + 50 * k) << slot;
    EXPECT_EQ(bombs[slot].y, 0) << slot;
  }
  EXPECT_EQ(bombs[2].x, 7);
  EXPECT_EQ(bombs[2].y, 60);
  EXPECT_EQ(random.next, replay.next);
}

TEST_F(BombTest, ASlotBelowTheBottomIsFreedAndRefilledAtOnce) {
  bombs[0] = Point{5, -251};
  drop_bombs(random, all_at(Enemy{3, 30, 100, 4, 1}), bombs);
  EXPECT_EQ(bombs[0].x, 30);
  EXPECT_EQ(bombs[0].y, 100);
}

TEST_F(BombTest, BombsFallTwentyAPassAndFreeSlotsStayFree) {
  bombs[1] = Point{200, -200};
  bombs[2] = Point{200, -230};
  step_bombs(random, bombs, 0, -220, damage);
  EXPECT_EQ(bombs[0].y, INACTIVE_Y);
  EXPECT_EQ(bombs[1].y, -220);
  EXPECT_EQ(bombs[2].y, -250);  // exactly the bottom still flies
  step_bombs(random, bombs, 0, -220, damage);
  EXPECT_EQ(bombs[1].y, -240);
  EXPECT_EQ(bombs[2].y, INACTIVE_Y);
  EXPECT_EQ(damage, 0);
}

TEST_F(BombTest, HitWindowIsFromMinus249ToMinus191AndNineteenSideways) {
  struct Case {
    Point before;  // moved 20 down before the test
    bool hit;
  };
  const Case cases[] = {
      {{0, -229}, true},  {{0, -171}, true},  {{0, -170}, false}, {{19, -200}, true},
      {{-19, -200}, true}, {{20, -200}, false}, {{0, -231}, false},  // -251: freed first
  };
  for (const Case& c : cases) {
    bombs = free_slots<kBombCount>();
    bombs[3] = c.before;
    damage = 0;
    step_bombs(random, bombs, 0, -220, damage);
    EXPECT_EQ(damage, c.hit ? 1 : 0) << c.before.x << "," << c.before.y;
    if (c.hit) {
      EXPECT_EQ(bombs[3].y, INACTIVE_Y);
    }
  }
}

TEST_F(BombTest, AHitOnTheShipDrawsTenExplosionsAndTenSparks) {
  bombs[0] = Point{5, -200};
  RandomGenerator replay = random;
  start_logging();
  step_bombs(random, bombs, 0, -220, damage);
  EXPECT_EQ(damage, 1);
  // 30 shapes: the ring keeps the newest 25, so check the last burst against the draws.
  for (int burst = 0; burst < 9; ++burst) {
    for (int n : {10, 10, 30, 60, 35}) random_mod(replay, n);
  }
  const int ex = random_mod(replay, 10);
  const int ey = random_mod(replay, 10);
  const int left = random_mod(replay, 30);
  const int right = random_mod(replay, 60);
  const int up = random_mod(replay, 35);
  EXPECT_EQ(random.next, replay.next);
  const std::vector<std::string> lines = logged_lines();
  ASSERT_EQ(lines.size(), 25u);
  EXPECT_EQ(lines[22], "white circle at (" + std::to_string(ex) + "," +
                           std::to_string(-220 + ey) + "), radius 6");
  const int sx = -left + right;
  const int sy = -220 + up;
  EXPECT_EQ(lines[23], "white triangle at (" + std::to_string(sx + 2) + "," +
                           std::to_string(sy - 7) + "), (" + std::to_string(sx - 3) + "," +
                           std::to_string(sy - 7) + "), (" + std::to_string(sx + 1) + "," +
                           std::to_string(sy - 13) + ")");
}

TEST_F(BombTest, OnlyBombsAboveTheBottomAreDrawn) {
  bombs[0] = Point{10, -250};  // on the bottom line: still in flight, but not drawn
  bombs[1] = Point{10, 0};
  bombs[2] = Point{10, -251};
  start_logging();
  draw_bombs(bombs);
  EXPECT_EQ(logged_lines(), (std::vector<std::string>{
                                "50% gray rectangle with bounding box (9,11) to (11,-1), filled",
                                "red line from (10,0) to (10,10), width 0",
                            }));
}

}  // namespace
}  // namespace shooter
