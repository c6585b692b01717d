#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "ship.h"

namespace shooter {
namespace {

struct ShipState {
  int direction = +1;
  int fire = 0;
  int speed = 9;
  void press(char key) { handle_key(key, direction, fire, speed); }
};

TEST(ShipKeys, DirectionKeysAreNotTogglesSpaceRequestsFireDigitsChangeSpeed) {
  ShipState ship;
  for (char key : {',', ',', '4'}) {
    ship.press(key);
    EXPECT_EQ(ship.direction, -1) << key;
  }
  for (char key : {'.', '6', '6'}) {
    ship.press(key);
    EXPECT_EQ(ship.direction, +1) << key;
  }
  EXPECT_EQ(ship.speed, 9);
  EXPECT_EQ(ship.fire, 0);
  ship.press(' ');
  ship.press(' ');
  EXPECT_EQ(ship.fire, 1);
  ship.press('8');
  ship.press('8');
  EXPECT_EQ(ship.speed, 11);
  for (int i = 0; i < 12; ++i) ship.press('2');
  EXPECT_EQ(ship.speed, -1);  // no lower bound
}

TEST(ShipKeys, EveryOtherByteChangesNothing) {
  const std::string control = " ,4.628";
  for (int code = -128; code <= 127; ++code) {
    const char key = static_cast<char>(code);
    if (control.find(key) != std::string::npos) continue;
    ShipState ship;
    ship.press(key);
    EXPECT_EQ(ship.direction, +1) << code;
    EXPECT_EQ(ship.fire, 0) << code;
    EXPECT_EQ(ship.speed, 9) << code;
  }
}

TEST(ShipKeys, SpeedStopsAtTheIntegerLimitsInsteadOfWrapping) {
  ShipState ship;
  ship.speed = INT_MAX;
  ship.press('8');
  EXPECT_EQ(ship.speed, INT_MAX);
  ship.speed = INT_MIN;
  ship.press('2');
  EXPECT_EQ(ship.speed, INT_MIN);
}

TEST(ShipMovement, BouncesAtTheLimitsStayingPutForThatTick) {
  int x = 275;
  int direction = +1;
  move_ship(x, direction, 9);  // candidate 284
  EXPECT_EQ(x, 275);
  EXPECT_EQ(direction, -1);
  move_ship(x, direction, 9);
  EXPECT_EQ(x, 266);

  x = -275;
  move_ship(x, direction, 9);
  EXPECT_EQ(x, -275);
  EXPECT_EQ(direction, +1);
}

TEST(ShipMovement, CandidatesOfExactlyTheLimitsAreAccepted) {
  int x = 271;
  int direction = +1;
  move_ship(x, direction, 9);
  EXPECT_EQ(x, 280);
  EXPECT_EQ(direction, +1);
  x = -271;
  direction = -1;
  move_ship(x, direction, 9);
  EXPECT_EQ(x, -280);
  EXPECT_EQ(direction, -1);
}

TEST(ShipMovement, ZeroSpeedStandsStillAndNegativeSpeedMovesBackwards) {
  int x = 100;
  int direction = -1;
  move_ship(x, direction, 0);
  EXPECT_EQ(x, 100);
  EXPECT_EQ(direction, -1);

  x = 0;
  direction = +1;
  move_ship(x, direction, -9);
  EXPECT_EQ(x, -9);
  // Moving left against a right direction, the left limit still reverses the direction.
  x = -275;
  move_ship(x, direction, -9);
  EXPECT_EQ(x, -275);
  EXPECT_EQ(direction, -1);
  move_ship(x, direction, -9);
  EXPECT_EQ(x, -266);
}

TEST(ShipMovement, HugeSpeedsFlipEveryTickWithoutOverflow) {
  for (int speed : {561, -561, INT_MAX, INT_MIN + 1}) {
    int x = 0;
    int direction = +1;
    move_ship(x, direction, speed);
    EXPECT_EQ(x, 0) << speed;
    EXPECT_EQ(direction, -1) << speed;
    move_ship(x, direction, speed);
    EXPECT_EQ(x, 0) << speed;
    EXPECT_EQ(direction, +1) << speed;
  }
  int x = 280;
  int direction = +1;
  move_ship(x, direction, INT_MIN);
  EXPECT_EQ(x, 280);
  EXPECT_EQ(direction, -1);
  // 560 is the largest speed that still crosses the whole field in one tick.
  move_ship(x, direction, 560);
  EXPECT_EQ(x, -280);
}

}  // namespace
}  // namespace shooter
