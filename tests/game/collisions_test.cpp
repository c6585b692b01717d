#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "collisions.h"
#include "game_fixture.h"

namespace shooter {
namespace {

using testing_support::GameTest;
using testing_support::parked_formation;

class CollisionTest : public GameTest {
 protected:
  Formation enemies = parked_formation();
  int ship_x = 0;
  int damage = 0;
};

TEST_F(CollisionTest, WindowIsBelowTwentySidewaysAndBelowTwentyNineUpAndDown) {
  struct Case {
    int x, y;
    bool hit;
  };
  const Case cases[] = {{0, -248, true},  {0, -192, true},   {0, -191, false},
                        {0, -249, false}, {19, -220, true},  {-19, -220, true},
                        {20, -220, false}, {-20, -220, false}};
  for (const Case& c : cases) {
    enemies = parked_formation();
    enemies[6] = Enemy{3, c.x, c.y, 4, 1};
    ship_x = 0;
    damage = 0;
    check_ship_collisions(random, ship_x, -220, enemies, damage);
    EXPECT_EQ(damage, c.hit ? 1 : 0) << c.x << "," << c.y;
    EXPECT_EQ(enemies[6].hit_points, c.hit ? -1 : 3);
    EXPECT_EQ(ship_x, c.hit ? -260 : 0);
  }
}

TEST_F(CollisionTest, DestroyedCraftDoNotCollide) {
  enemies[2] = Enemy{-1, 0, -220, 4, 1};
  check_ship_collisions(random, ship_x, -220, enemies, damage);
  EXPECT_EQ(damage, 0);
  EXPECT_EQ(ship_x, 0);
}

TEST_F(CollisionTest, LaterCraftMeetTheShipWhereTheCollisionThrewIt) {
  enemies[1] = Enemy{3, 0, -220, 4, 1};
  enemies[2] = Enemy{3, 0, -220, 4, 1};     // at the old position: missed
  enemies[3] = Enemy{2, -255, -210, 4, 1};  // at the new one: hit too
  check_ship_collisions(random, ship_x, -220, enemies, damage);
  EXPECT_EQ(enemies[1].hit_points, -1);
  EXPECT_EQ(enemies[2].hit_points, 3);
  EXPECT_EQ(enemies[3].hit_points, -1);
  EXPECT_EQ(damage, 2);
  EXPECT_EQ(ship_x, -260);
}

TEST_F(CollisionTest, BurstIsTenRoundsOfTwoExplosionsAndASpark) {
  enemies[0] = Enemy{1, 10, -210, 4, 1};
  RandomGenerator replay = random;
  start_logging();
  check_ship_collisions(random, ship_x, -220, enemies, damage);
  for (int round = 0; round < 10; ++round) {
    for (int n : {10, 10, 10, 10, 30, 60, 35}) random_mod(replay, n);
  }
  EXPECT_EQ(random.next, replay.next);
  // 40 shapes; the newest 25 end with a spark, and the explosions use the old ship x (0).
  const std::vector<std::string> lines = logged_lines();
  ASSERT_EQ(lines.size(), 25u);
  EXPECT_EQ(lines[21].rfind("white circle at (", 0), 0u) << lines[21];
  const int x = std::stoi(lines[21].substr(17));
  EXPECT_GE(x, 0);
  EXPECT_LE(x, 9);
  const int enemy_x = std::stoi(lines[22].substr(17));
  EXPECT_GE(enemy_x, 10);
  EXPECT_LE(enemy_x, 19);
  EXPECT_EQ(lines[23].rfind("white triangle", 0), 0u);
  EXPECT_EQ(lines[24].rfind("yellow triangle", 0), 0u);
}

}  // namespace
}  // namespace shooter
