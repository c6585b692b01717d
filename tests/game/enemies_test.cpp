#include <gtest/gtest.h>

#include <cstdlib>

#include "enemies.h"
#include "game_fixture.h"

namespace shooter {
namespace {

using testing_support::GameTest;
using testing_support::parked_formation;

BulletSlots no_bullets() { return free_slots<kBulletCount>(); }

// The seed whose first draw puts the leader at `leader_x`, searched from 0 upward.
unsigned int seed_for_leader_x(int leader_x) {
  for (unsigned int seed = 0; seed < 1000000; ++seed) {
    RandomGenerator random;
    seed_random(random, seed);
    if (random_mod(random, 300) - 150 == leader_x) return seed;
  }
  ADD_FAILURE() << "no seed puts the leader at " << leader_x;
  return 0;
}

Formation spawned_with_seed(unsigned int seed) {
  RandomGenerator random;
  seed_random(random, seed);
  Formation enemies{};
  spawn_formation(random, enemies);
  return enemies;
}

TEST(FormationSpawn, LaysOutTwoRowsSharingTheLeadersSpeed) {
  RandomGenerator random;
  seed_random(random, 1);
  Formation enemies{};
  spawn_formation(random, enemies);
  // Seed 1 draws 16838 then 5758: leader x 16838 % 300 - 150 = -112, left of the middle,
  // so it moves right at 5758 % 4 + 1 = 3.
  const int leader_x = -112;
  const int leader_dx = 3;
  const int expected_x[kEnemyCount] = {leader_x,       leader_x + 50,  leader_x + 100,
                                       leader_x + 150, leader_x + 200, leader_x + 50,
                                       leader_x + 100, leader_x + 150, leader_x + 200};
  for (int i = 0; i < kEnemyCount; ++i) {
    EXPECT_EQ(enemies[i].hit_points, 3) << i;
    EXPECT_EQ(enemies[i].x, expected_x[i]) << i;
    EXPECT_EQ(enemies[i].y, i <= 4 ? 260 : 310) << i;
    EXPECT_EQ(enemies[i].descent, 4) << i;
    EXPECT_EQ(enemies[i].dx, leader_dx) << i;
  }
}

TEST(FormationSpawn, LeaderAlwaysHeadsTowardTheMiddle) {
  for (unsigned int seed = 0; seed < 3000; ++seed) {
    const Formation enemies = spawned_with_seed(seed);
    const Enemy& leader = enemies[0];
    ASSERT_GE(leader.x, -150);
    ASSERT_LE(leader.x, 149);
    ASSERT_GE(std::abs(leader.dx), 1);
    ASSERT_LE(std::abs(leader.dx), 4);
    ASSERT_EQ(leader.dx > 0, leader.x <= 0) << "seed " << seed;
  }
  EXPECT_GT(spawned_with_seed(seed_for_leader_x(0))[0].dx, 0);
}

TEST(FormationSpawn, RightmostLeaderSendsTheEdgeCraftInwards) {
  Formation enemies = spawned_with_seed(seed_for_leader_x(149));
  EXPECT_EQ(enemies[3].x, 299);
  EXPECT_EQ(enemies[4].x, 349);
  EXPECT_LT(enemies[4].dx, 0);
  RandomGenerator random;
  move_enemies(random, enemies, no_bullets());
  EXPECT_LT(enemies[3].dx, 0);  // already negative: the side test keeps it so
  EXPECT_LT(enemies[4].dx, 0);
  EXPECT_LT(enemies[4].x, 349);
}

TEST(FormationMovement, LeaderStandsStillWhileOthersDriftAndDescend) {
  Formation enemies = parked_formation();
  enemies[0] = Enemy{3, 0, 260, 4, 2};
  enemies[1] = Enemy{3, -100, 100, 4, 2};
  RandomGenerator random;
  move_enemies(random, enemies, no_bullets());
  EXPECT_EQ(enemies[0].x, 0);
  EXPECT_EQ(enemies[0].y, 260);
  EXPECT_EQ(enemies[1].x, -98);
  EXPECT_EQ(enemies[1].y, 96);
}

TEST(FormationMovement, SideBounceTurnsInTheSameTickButNotForDestroyedCraft) {
  Formation enemies = parked_formation();
  enemies[1] = Enemy{3, 289, 0, 4, 2};
  enemies[2] = Enemy{-1, 289, 100, 4, 2};
  enemies[3] = Enemy{2, -289, -100, 4, -2};
  RandomGenerator random;
  move_enemies(random, enemies, no_bullets());
  EXPECT_EQ(enemies[1].x, 291);
  EXPECT_EQ(enemies[1].dx, -2);
  EXPECT_EQ(enemies[2].x, 291);
  EXPECT_EQ(enemies[2].dx, 2);  // destroyed: flies on out of the field
  EXPECT_EQ(enemies[3].x, -291);
  EXPECT_EQ(enemies[3].dx, 2);
}

TEST(FormationMovement, LastHitPointWobblesRightAndDownByRandomDraws) {
  Formation enemies = parked_formation();
  enemies[1] = Enemy{0, 0, 0, 4, 1};
  RandomGenerator random;
  seed_random(random, 5);
  RandomGenerator replay = random;
  const int extra_x = random_mod(replay, 2);
  const int extra_y = random_mod(replay, 2);
  move_enemies(random, enemies, no_bullets());
  EXPECT_EQ(enemies[1].x, 1 + extra_x);
  EXPECT_EQ(enemies[1].y, -4 - extra_y);
  EXPECT_EQ(random.next, replay.next);  // exactly two draws for one wobbling craft

  // Over many ticks both extra moves happen.
  int seen_x = 0;
  int seen_y = 0;
  for (int tick = 0; tick < 50; ++tick) {
    const Enemy before = enemies[1];
    move_enemies(random, enemies, no_bullets());
    seen_x |= 1 << (enemies[1].x - before.x - 1);
    seen_y |= 1 << (before.y - enemies[1].y - 4);
  }
  EXPECT_EQ(seen_x, 3);
  EXPECT_EQ(seen_y, 3);
}

// Dodging looks six steps ahead: step k compares the bullet's height plus 20k with the
// craft's height plus k * descent, and the bullet's x with the craft's x plus k * dx. The
// craft below sit at y 46 after this tick's movement; a bullet at y -40 then matches at
// step 5 (60 against 66).
TEST(FormationDodging, AnIncomingBulletTurnsTheCraftAwayAtSpeedThree) {
  Formation enemies = parked_formation();
  enemies[1] = Enemy{3, 0, 50, 4, 1};     // moves to (1, 46); at step 5 at x 6
  enemies[2] = Enemy{3, 200, 50, 4, -4};  // moves to (196, 46); at step 5 at x 176
  BulletSlots bullets = no_bullets();
  bullets[1] = Point{0, -40};
  bullets[2] = Point{176, -40};
  RandomGenerator random;
  move_enemies(random, enemies, bullets);
  EXPECT_EQ(enemies[1].dx, -3);
  EXPECT_EQ(enemies[2].dx, 3);
}

TEST(FormationDodging, SlotZeroAndFreeSlotsAreIgnoredButDestroyedCraftDodge) {
  Formation enemies = parked_formation();
  enemies[1] = Enemy{3, 0, 50, 4, 1};      // moves to (1, 46)
  enemies[2] = Enemy{-1, 100, 50, 4, 2};   // moves to (102, 46); at step 5 at x 112
  BulletSlots bullets = no_bullets();
  bullets[0] = Point{1, -40};              // would meet craft 1 at step 5
  bullets[5] = Point{1, INACTIVE_Y};
  bullets[3] = Point{108, -40};
  RandomGenerator random;
  move_enemies(random, enemies, bullets);
  EXPECT_EQ(enemies[1].dx, 1);
  EXPECT_EQ(enemies[2].dx, -3);
}

TEST(FormationDodging, LaterStepsSeeTheTurnedSpeedSoACraftCanTurnTwice) {
  // The craft moves to (0, 0). The bullet at (0, -24) is 8 below it at step 1 and 8 above
  // it at step 2. Step 1 (craft at x 1) turns it to -3; step 2, with x 0 - 6, still
  // matches and turns it back to +3. Judged on the old speed it would end at -3.
  Formation enemies = parked_formation();
  enemies[1] = Enemy{3, -1, 4, 4, 1};
  BulletSlots bullets = no_bullets();
  bullets[1] = Point{0, -24};
  RandomGenerator random;
  move_enemies(random, enemies, bullets);
  EXPECT_EQ(enemies[1].dx, 3);
}

TEST(FormationAvoidance, LeftCraftTurnsWhenBothFlyRightElseTheRightOne) {
  Formation enemies = parked_formation();
  enemies[1] = Enemy{3, 10, 0, 4, 2};
  enemies[2] = Enemy{3, 30, 0, 4, 2};
  RandomGenerator random;
  move_enemies(random, enemies, no_bullets());  // to 12 and 32: still 20 apart
  EXPECT_EQ(enemies[1].dx, -2);
  EXPECT_EQ(enemies[2].dx, 2);

  enemies = parked_formation();
  enemies[1] = Enemy{3, 10, 0, 4, 2};
  enemies[2] = Enemy{3, 30, 0, 4, -2};
  move_enemies(random, enemies, no_bullets());  // to 12 and 28
  EXPECT_EQ(enemies[1].dx, 2);
  EXPECT_EQ(enemies[2].dx, 2);
}

TEST(FormationAvoidance, DestroyedFarApartOrDifferentHeightsLeaveBothAlone) {
  Formation enemies = parked_formation();
  enemies[5] = Enemy{3, -100, 0, 4, 2};
  enemies[6] = Enemy{-1, -80, 0, 4, 2};  // close, but destroyed
  enemies[1] = Enemy{3, 10, 0, 4, 2};
  enemies[2] = Enemy{3, 34, 0, 4, 2};  // 24 apart: not below 24
  enemies[3] = Enemy{3, 100, 0, 4, 2};
  enemies[4] = Enemy{3, 110, 20, 4, 2};  // 20 higher: not below 20
  RandomGenerator random;
  move_enemies(random, enemies, no_bullets());
  for (int i = 1; i <= 6; ++i) EXPECT_EQ(enemies[i].dx, 2) << i;
}

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGray20 = RGB(204, 204, 204);
constexpr COLORREF kGray50 = RGB(128, 128, 128);
constexpr COLORREF kBlack = RGB(0, 0, 0);

TEST_F(GameTest, EnemyColourFollowsHitPointsAndDestroyedCraftAreNotDrawn) {
  Formation enemies = parked_formation();
  enemies[0] = Enemy{3, -150, 0, 4, 1};
  enemies[1] = Enemy{2, -50, 0, 4, 1};
  enemies[2] = Enemy{1, 50, 0, 4, 1};
  enemies[3] = Enemy{0, 150, 0, 4, 1};
  enemies[4] = Enemy{-1, 0, 100, 4, 1};
  ZORVA_clear();
  ZORVA_draw_rectangle(BLACK, -300, -250, 300, 250, 0);
  draw_enemies(enemies);
  const COLORREF expected[] = {kWhite, kGray20, kGray50, kRed};
  for (int i = 0; i < 4; ++i) {
    const int x = enemies[i].x;
    EXPECT_EQ(surface_pixel(x - 10, 8), expected[i]) << i;  // left panel
    EXPECT_EQ(surface_pixel(x + 10, -8), expected[i]) << i;  // right panel
    EXPECT_EQ(surface_pixel(x - 8, 0), expected[i]) << i;   // bar
    EXPECT_EQ(surface_pixel(x, 4), expected[i]) << i;       // ring
    EXPECT_EQ(surface_pixel(x, 2), kBlack) << i;            // hollow of the ring
  }
  EXPECT_EQ(surface_pixel(0, 100), kBlack);
  EXPECT_EQ(surface_pixel(-10, 100), kBlack);
}

}  // namespace
}  // namespace shooter
