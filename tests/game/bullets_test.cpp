#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bullets.h"
#include "game_fixture.h"

namespace shooter {
namespace {

using testing_support::GameTest;
using testing_support::parked_formation;

const std::vector<std::string> kSparkAt10And100 = {
    "white triangle at (12,93), (7,93), (11,87)",
    "yellow triangle at (13,90), (8,91), (11,97)",
};

TEST(BulletFiring, EvenSlotsStartAtTheRightWingTipOddAtTheLeft) {
  Point slot{0, INACTIVE_Y};
  fire_bullet(100, slot, 2);
  EXPECT_EQ(slot.x, 120);
  EXPECT_EQ(slot.y, -205);
  fire_bullet(100, slot, 7);
  EXPECT_EQ(slot.x, 80);
  EXPECT_EQ(slot.y, -205);
}

class BulletTest : public GameTest {
 protected:
  Formation enemies = parked_formation();
  int kills = 0;
};

TEST_F(BulletTest, RisesTwentyAPassAndIsFreedOnPassingTheTop) {
  Point slot{0, -205};
  for (int step = 1; step <= 22; ++step) {
    step_bullet(slot, enemies, kills);
    ASSERT_EQ(slot.y, -205 + 20 * step);
  }
  EXPECT_EQ(slot.y, 235);
  step_bullet(slot, enemies, kills);
  EXPECT_EQ(slot.y, INACTIVE_Y);
}

TEST_F(BulletTest, HitZoneIsBelowFourteenUpAndDownAndBelowTenSideways) {
  struct Case {
    Point bullet_before;  // stepped once to (x, y + 20)
    int enemy_x, enemy_y;
    bool hit;
  };
  const Case cases[] = {
      {{0, -205}, 0, -198, true},   {{0, -205}, 0, -199, false}, {{0, 215}, 0, 248, true},
      {{0, 215}, 0, 249, false},    {{9, 0}, 0, 20, true},       {{10, 0}, 0, 20, false},
      {{-9, 0}, 0, 33, true},       {{-10, 0}, 0, 7, false},
  };
  for (const Case& c : cases) {
    enemies = parked_formation();
    enemies[4] = Enemy{3, c.enemy_x, c.enemy_y, 4, 1};
    Point slot = c.bullet_before;
    step_bullet(slot, enemies, kills);
    EXPECT_EQ(enemies[4].hit_points, c.hit ? 2 : 3)
        << c.bullet_before.x << "," << c.bullet_before.y << " vs " << c.enemy_y;
    EXPECT_EQ(slot.y == INACTIVE_Y, c.hit);
  }
}

TEST_F(BulletTest, AHitThatLeavesHitPointsDrawsOnlyASpark) {
  enemies[2] = Enemy{3, 10, 100, 4, 1};
  Point slot{12, 90};
  start_logging();
  step_bullet(slot, enemies, kills);
  EXPECT_EQ(enemies[2].hit_points, 2);
  EXPECT_EQ(slot.y, INACTIVE_Y);
  EXPECT_EQ(kills, 0);
  // The spark is drawn at the bullet's x and the enemy's height.
  EXPECT_EQ(logged_lines(), (std::vector<std::string>{
                                "white triangle at (14,93), (9,93), (13,87)",
                                "yellow triangle at (15,90), (10,91), (13,97)",
                            }));
}

TEST_F(BulletTest, TheFourthHitDestroysWithAnExplosionAndCountsOneKill) {
  enemies[2] = Enemy{3, 10, 100, 4, 1};
  for (int hit = 1; hit <= 3; ++hit) {
    Point slot{10, 85};
    step_bullet(slot, enemies, kills);
  }
  EXPECT_EQ(enemies[2].hit_points, 0);
  EXPECT_EQ(kills, 0);
  Point slot{10, 85};
  start_logging();
  step_bullet(slot, enemies, kills);
  EXPECT_EQ(enemies[2].hit_points, -1);
  EXPECT_EQ(kills, 1);
  std::vector<std::string> expected = kSparkAt10And100;
  expected.push_back("white circle at (10,100), radius 6");
  EXPECT_EQ(logged_lines(), expected);
  Point another{10, 85};  // destroyed: passed through, no second kill
  step_bullet(another, enemies, kills);
  EXPECT_EQ(another.y, 105);
  EXPECT_EQ(kills, 1);
}

TEST_F(BulletTest, ABulletIsSpentOnTheFirstLivingEnemyAndPassesTheDestroyed) {
  enemies[1] = Enemy{-1, 10, 100, 4, 1};
  enemies[3] = Enemy{3, 10, 100, 4, 1};
  enemies[5] = Enemy{3, 10, 100, 4, 1};
  Point slot{10, 85};
  step_bullet(slot, enemies, kills);
  EXPECT_EQ(enemies[1].hit_points, -1);
  EXPECT_EQ(enemies[3].hit_points, 2);
  EXPECT_EQ(enemies[5].hit_points, 3);
}

class BulletPassTest : public BulletTest {
 protected:
  void pass() { run_bullet_pass(bullets, ship_x, fire_requested, enemies, kills); }
  BulletSlots bullets = free_slots<kBulletCount>();
  int ship_x = 40;
  int fire_requested = 0;
};

TEST_F(BulletPassTest, ARequestFiresTheLowestFreePairFromTheWingTips) {
  pass();
  for (const Point& slot : bullets) EXPECT_EQ(slot.y, INACTIVE_Y);  // nothing unasked
  fire_requested = 1;
  pass();
  EXPECT_EQ(fire_requested, 0);
  EXPECT_EQ(bullets[0].x, 60);
  EXPECT_EQ(bullets[0].y, -205);
  EXPECT_EQ(bullets[1].x, 20);
  EXPECT_EQ(bullets[1].y, -205);
  for (int i = 2; i < kBulletCount; ++i) EXPECT_EQ(bullets[i].y, INACTIVE_Y) << i;

  ship_x = -100;
  fire_requested = 1;
  pass();
  EXPECT_EQ(bullets[0].y, -185);
  EXPECT_EQ(bullets[2].x, -80);
  EXPECT_EQ(bullets[3].x, -120);
  EXPECT_EQ(bullets[2].y, -205);
}

TEST_F(BulletPassTest, WhileAllPairsFlyARequestWaitsAndRepeatsAddNothing) {
  for (int pair = 0; pair < 4; ++pair) {
    fire_requested = 1;
    pass();
  }
  // Pair 0 left at pass 1; it reaches 235 after 22 steps, i.e. at pass 23.
  for (int passes = 5; passes <= 23; ++passes) {
    fire_requested = 1;
    pass();
    ASSERT_EQ(fire_requested, 1) << passes;
  }
  EXPECT_EQ(bullets[0].y, 235);
  // Pass 24: pair 0 passes the top in its own step and fires again in the same pass.
  pass();
  EXPECT_EQ(fire_requested, 0);
  EXPECT_EQ(bullets[0].y, -205);
  EXPECT_EQ(bullets[2].y, 235);
  pass();
  EXPECT_EQ(bullets[2].y, INACTIVE_Y);  // no request left for pair 1
}

TEST_F(BulletPassTest, APairWithOneBulletStillFlyingDoesNotFire) {
  bullets[1] = Point{0, 0};  // pair 0 half busy
  fire_requested = 1;
  pass();
  EXPECT_EQ(bullets[0].y, INACTIVE_Y);
  EXPECT_EQ(bullets[1].y, 20);
  EXPECT_EQ(bullets[2].y, -205);
  EXPECT_EQ(bullets[3].y, -205);
}

TEST_F(BulletPassTest, EverySlotIsDrawnFreeOnesIncluded) {
  bullets[6] = Point{5, 0};
  start_logging();
  pass();
  const std::vector<std::string> lines = logged_lines();
  ASSERT_EQ(lines.size(), 16u);
  EXPECT_EQ(lines[0], "sea green rectangle with bounding box (-1,-989) to (1,-1001), filled");
  EXPECT_EQ(lines[1], "green line from (0,-1000) to (0,-990), width 0");
  EXPECT_EQ(lines[12], "sea green rectangle with bounding box (4,31) to (6,19), filled");
  EXPECT_EQ(lines[13], "green line from (5,20) to (5,30), width 0");
}

}  // namespace
}  // namespace shooter
