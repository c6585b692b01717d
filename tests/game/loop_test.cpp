#include <gtest/gtest.h>

#include "enemies.h"
#include "loop_fixture.h"

namespace shooter {
namespace {

using testing_support::LoopTest;
using testing_support::parked_formation;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGray20 = RGB(204, 204, 204);

TEST_F(LoopTest, StartUpBuildsTheWorldStartsTheAnimationAndDrawsTheFirstFrame) {
  start_game(1);
  EXPECT_EQ(world.scroll_counter, 1);  // start-up drew the starfield once
  EXPECT_EQ(world.ship_x, 0);
  EXPECT_EQ(world.ship_y, -220);
  EXPECT_EQ(world.ship_direction, 1);
  EXPECT_EQ(world.ship_speed, 9);
  EXPECT_EQ(world.fire_requested, 0);
  EXPECT_EQ(world.kills, 0);
  EXPECT_EQ(world.damage, 0);
  EXPECT_EQ(world.quit, 0);
  for (const Point& slot : world.bullets) EXPECT_EQ(slot.y, INACTIVE_Y);
  for (const Point& slot : world.bombs) EXPECT_EQ(slot.y, INACTIVE_Y);
  EXPECT_EQ(zorva::g_state.logging_enabled, 0);
  EXPECT_EQ(zorva::g_state.animating, 1);

  // The stars take the first 1500 draws; the formation's leader comes from the next one.
  RandomGenerator replay;
  seed_random(replay, 1);
  for (int i = 0; i < 2 * (kFarStarCount + kMidStarCount + kNearStarCount); ++i) {
    random_value(replay);
  }
  EXPECT_EQ(world.enemies[0].x, random_mod(replay, 300) - 150);
  EXPECT_EQ(world.enemies[0].y, 260);
  EXPECT_EQ(world.enemies[8].y, 310);

  EXPECT_EQ(surface_pixel(0, -200), kGray20);  // the ship's fuselage
}

TEST_F(LoopTest, ATickMovesShipAndEnemiesAsWellAsShotsAndStars) {
  start_game();
  world.bullets[3] = Point{-250, 0};
  world.bombs[0] = Point{250, 100};
  const Formation before = world.enemies;
  pass_after([] { return false; });
  EXPECT_EQ(world.event.kind, ZORVA_PERIODIC);
  EXPECT_EQ(world.ship_x, 9);
  EXPECT_EQ(world.enemies[0], before[0]);  // the leader never moves
  for (int i = 1; i < kEnemyCount; ++i) EXPECT_EQ(world.enemies[i].y, before[i].y - 4) << i;
  EXPECT_EQ(world.bullets[3].y, 20);
  EXPECT_EQ(world.bombs[0].y, 80);
  EXPECT_EQ(world.scroll_counter, 2);
}

TEST_F(LoopTest, AClickMovesShotsAndStarsButNotTheShipOrTheEnemies) {
  start_game();
  world.bullets[3] = Point{-250, 0};
  world.bombs[0] = Point{250, 100};
  const Formation before = world.enemies;
  when_idle_click(5, 7);
  game_pass(world);
  EXPECT_EQ(world.event.kind, ZORVA_MOUSE);
  EXPECT_EQ(world.event.mouse_x, 5);
  EXPECT_EQ(world.event.mouse_y, 7);
  EXPECT_EQ(world.ship_x, 0);
  EXPECT_EQ(world.enemies, before);
  EXPECT_EQ(world.bullets[3].y, 20);
  EXPECT_EQ(world.bombs[0].y, 80);
  EXPECT_EQ(world.scroll_counter, 2);
}

TEST_F(LoopTest, KeysSteerAndFireInTheirOwnPassAndOtherKeysStillRunAFullPass) {
  start_game();
  when_idle_type('a');
  game_pass(world);
  EXPECT_EQ(world.event.kind, ZORVA_KBD);
  EXPECT_EQ(world.event.key, 'a');
  EXPECT_EQ(world.scroll_counter, 2);
  EXPECT_EQ(world.ship_direction, 1);
  EXPECT_EQ(world.ship_speed, 9);

  when_idle_type(' ');
  game_pass(world);
  EXPECT_EQ(world.fire_requested, 0);
  EXPECT_EQ(world.bullets[0].x, 20);
  EXPECT_EQ(world.bullets[0].y, -205);
  EXPECT_EQ(world.bullets[1].x, -20);

  when_idle_type(',');
  game_pass(world);
  when_idle_type('8');
  game_pass(world);
  EXPECT_EQ(world.ship_direction, -1);
  EXPECT_EQ(world.ship_speed, 10);
  EXPECT_EQ(world.bullets[0].y, -165);  // every pass moves the bullets
  when_idle_tick();
  game_pass(world);
  EXPECT_EQ(world.ship_x, -10);
}

TEST_F(LoopTest, TheQuitPassStillDrawsAndStepsThenTheLoopEnds) {
  start_game();
  world.bullets[5] = Point{100, 0};
  ZORVA_clear();
  when_idle_ctrl('Q');
  EXPECT_EQ(game_run(world), 0);
  EXPECT_EQ(world.event.kind, ZORVA_QUIT);
  EXPECT_EQ(world.quit, 1);
  EXPECT_EQ(world.scroll_counter, 2);  // exactly one pass
  EXPECT_EQ(world.bullets[5].y, 20);
  EXPECT_EQ(surface_pixel(0, -200), kGray20);  // the last frame was drawn
  EXPECT_NE(surface_pixel(0, 0), kWhite);
}

TEST_F(LoopTest, FormationIsReplacedOnlyOnATickAndOnlyForEnemyEight) {
  start_game();
  world.enemies = parked_formation();
  world.enemies[8] = Enemy{3, 0, -260, 4, 1};
  const Formation sunk = world.enemies;
  game_apply_event(world, ZORVA_MOUSE, 0);
  game_apply_event(world, ZORVA_KBD, ' ');
  EXPECT_EQ(world.enemies, sunk);
  game_apply_event(world, ZORVA_PERIODIC, 0);
  EXPECT_EQ(world.enemies[8].y, 310);
  EXPECT_EQ(world.enemies[0].y, 260);
  EXPECT_EQ(world.ship_x, 9);  // the ship still moves on that tick

  // All others far below, enemy 8 not yet: no replacement.
  for (Enemy& enemy : world.enemies) enemy = Enemy{-1, 0, -600, 4, 1};
  world.enemies[8] = Enemy{3, 200, -240, 4, 1};
  game_apply_event(world, ZORVA_PERIODIC, 0);
  EXPECT_EQ(world.enemies[8].y, -244);
  EXPECT_EQ(world.enemies[1].y, -604);

  // The test follows the movement: sinking below -250 in this tick replaces at once.
  world.enemies[8].y = -247;
  game_apply_event(world, ZORVA_PERIODIC, 0);
  EXPECT_EQ(world.enemies[8].y, 310);
  EXPECT_EQ(world.enemies[1].hit_points, 3);
}

TEST_F(LoopTest, StatusLineIsTheLastShapeOfEveryPass) {
  start_game();
  world.kills = 3;
  world.damage = 12;
  start_logging();
  game_move_and_draw(world);
  EXPECT_EQ(logged_lines().back(), "red text at (-200,225), \"Kills: 3, Damage: 12\"");
}

TEST_F(LoopTest, WhileHaltedKeysStillRunPassesButNothingTicks) {
  start_game();
  ZORVA_set_animation(ANIMATION_HALT);
  world.bullets[2] = Point{0, -100};
  for (int i = 0; i < 3; ++i) {
    when_idle_type('x');
    game_pass(world);
  }
  EXPECT_EQ(world.ship_x, 0);
  EXPECT_EQ(world.bullets[2].y, -40);
  EXPECT_EQ(world.scroll_counter, 4);
}

// A long game under random input keeps every piece of the world within its range.
TEST_F(LoopTest, ALongRandomGameKeepsTheWorldInItsRanges) {
  start_game(99);
  RandomGenerator input;
  seed_random(input, 4242);
  const char keys[] = " ,4.628xq\x7f\x80\xff";
  int kills = 0;
  int damage = 0;
  for (int pass = 0; pass < 800; ++pass) {
    const int choice = random_mod(input, 4);
    const int kind = choice == 0 ? ZORVA_MOUSE : choice == 1 ? ZORVA_KBD : ZORVA_PERIODIC;
    game_apply_event(world, kind, keys[random_mod(input, sizeof keys - 1)]);
    game_move_and_draw(world);
    ASSERT_GE(world.kills, kills);
    ASSERT_GE(world.damage, damage);
    kills = world.kills;
    damage = world.damage;
    ASSERT_GE(world.ship_x, -280);
    ASSERT_LE(world.ship_x, 280);
    ASSERT_TRUE(world.ship_direction == 1 || world.ship_direction == -1);
    ASSERT_GE(world.scroll_counter, -1000);
    ASSERT_LE(world.scroll_counter, 1999);
    for (const Point& slot : world.bullets) {
      ASSERT_TRUE(slot.y == INACTIVE_Y || (slot.y >= -205 && slot.y <= 250)) << slot.y;
    }
    for (const Point& slot : world.bombs) {
      ASSERT_TRUE(slot.y == INACTIVE_Y || (slot.y >= -250 && slot.y <= 250)) << slot.y;
    }
    for (const Enemy& enemy : world.enemies) {
      ASSERT_GE(enemy.hit_points, -1);
      ASSERT_LE(enemy.hit_points, 3);
      ASSERT_NE(enemy.dx, 0);
      ASSERT_LE(enemy.dx < 0 ? -enemy.dx : enemy.dx, 4);
    }
  }
  EXPECT_GT(world.damage, 0);
}

}  // namespace
}  // namespace shooter
