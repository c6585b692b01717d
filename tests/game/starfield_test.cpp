#include <gtest/gtest.h>

#include "game_fixture.h"
#include "starfield.h"

namespace shooter {
namespace {

using testing_support::GameTest;

TEST(StarfieldScroll, WrapAddsFiveHundredOnceAndOnlyBelowTheBand) {
  EXPECT_EQ(scrolled_height(-200, 0), -200);
  EXPECT_EQ(scrolled_height(-200, 200), 100);   // -400 + 500
  EXPECT_EQ(scrolled_height(-200, 450), -150);  // -650 + 500
  EXPECT_EQ(scrolled_height(-200, 1000), -700);  // one wrap only: out of view
  EXPECT_EQ(scrolled_height(-200, 50), -250);    // exactly the bottom is not wrapped
  EXPECT_EQ(scrolled_height(-200, 51), 249);
  EXPECT_EQ(scrolled_height(100, -1000), 1100);  // no wrap at the top
}

TEST(StarfieldInit, FillsLayersInOrderWithinTheField) {
  RandomGenerator random;
  seed_random(random, 7);
  FarStars far_stars{};
  MidStars mid_stars{};
  NearStars near_stars{};
  init_starfield(random, far_stars, mid_stars, near_stars);

  // Far first, x before y; the mid layer continues the same sequence.
  RandomGenerator replay;
  seed_random(replay, 7);
  EXPECT_EQ(far_stars[0].x, random_value(replay) % 600 - 300);
  EXPECT_EQ(far_stars[0].y, random_value(replay) % 500 - 250);
  for (int i = 1; i < kFarStarCount; ++i) random_value(replay), random_value(replay);
  EXPECT_EQ(mid_stars[0].x, random_value(replay) % 600 - 300);

  auto check = [](const auto& layer) {
    for (const Point& star : layer) {
      ASSERT_GE(star.x, -300);
      ASSERT_LE(star.x, 299);
      ASSERT_GE(star.y, -250);
      ASSERT_LE(star.y, 249);
    }
  };
  check(far_stars);
  check(mid_stars);
  check(near_stars);
}

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGray50 = RGB(128, 128, 128);
constexpr COLORREF kGray20 = RGB(204, 204, 204);

// One star in each layer (the rest of each layer stacked on it), so the surface shows where
// each layer puts its stars for a given counter.
class StarfieldDraw : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    far_stars.fill(Point{10, 20});
    mid_stars.fill(Point{30, -200});
    near_stars.fill(Point{-40, -200});
  }
  void draw_with_counter(int counter) {
    ZORVA_clear();
    draw_starfield(counter, far_stars, mid_stars, near_stars);
  }
  FarStars far_stars{};
  MidStars mid_stars{};
  NearStars near_stars{};
};

TEST_F(StarfieldDraw, CounterZeroShowsEveryLayerAtItsStoredHeight) {
  draw_with_counter(0);
  EXPECT_EQ(surface_pixel(10, 20), kGray50);
  EXPECT_EQ(surface_pixel(10, 21), kGray50);  // far stars are two pixels high
  EXPECT_EQ(surface_pixel(11, 20), kBlack);
  EXPECT_EQ(surface_pixel(30, -200), kGray20);
  EXPECT_EQ(surface_pixel(30, -199), kGray20);
  EXPECT_EQ(surface_pixel(31, -200), kBlack);
  EXPECT_EQ(surface_pixel(-40, -200), kWhite);  // near stars are two pixels square
  EXPECT_EQ(surface_pixel(-39, -199), kWhite);
  EXPECT_EQ(surface_pixel(-38, -200), kBlack);
  EXPECT_EQ(surface_pixel(0, 240), kBlack);
}

TEST_F(StarfieldDraw, MidLayerShiftsByHalfTheCounterTruncatedTowardZero) {
  draw_with_counter(3);
  EXPECT_EQ(surface_pixel(30, -201), kGray20);
  EXPECT_EQ(surface_pixel(30, -199), kBlack);
  EXPECT_EQ(surface_pixel(10, 20), kGray50);  // the far layer never moves
  draw_with_counter(-3);
  EXPECT_EQ(surface_pixel(30, -199), kGray20);
  EXPECT_EQ(surface_pixel(30, -198), kGray20);
  EXPECT_EQ(surface_pixel(30, -200), kBlack);
}

TEST_F(StarfieldDraw, NearLayerScrollsAtTheCounterAndWrapsOnce) {
  draw_with_counter(200);
  EXPECT_EQ(surface_pixel(-40, 100), kWhite);
  draw_with_counter(450);
  EXPECT_EQ(surface_pixel(-40, -150), kWhite);
  EXPECT_EQ(surface_pixel(-40, 100), kBlack);
}

TEST_F(GameTest, ScrollCounterRunsTo1999ThenRestartsAtMinus1000) {
  int counter = 1998;
  advance_scroll(counter);
  EXPECT_EQ(counter, 1999);
  advance_scroll(counter);
  EXPECT_EQ(counter, -1000);
  advance_scroll(counter);
  EXPECT_EQ(counter, -999);
}

}  // namespace
}  // namespace shooter
