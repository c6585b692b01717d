#include "starfield.h"

namespace shooter {
namespace {

constexpr int kStarSpanX = 600;  // stars lie in x -300 to 299
constexpr int kStarSpanY = 500;  // and y -250 to 249
constexpr int kBandBottom = -250;

template <typename Layer>
void fill_layer(RandomGenerator& random, Layer& layer) {
  for (Point& star : layer) {
    star.x = random_mod(random, kStarSpanX) - kStarSpanX / 2;
    star.y = random_mod(random, kStarSpanY) - kStarSpanY / 2;
  }
}

}  // namespace

void init_starfield(RandomGenerator& random, FarStars& far_stars, MidStars& mid_stars,
                    NearStars& near_stars) {
  fill_layer(random, far_stars);
  fill_layer(random, mid_stars);
  fill_layer(random, near_stars);
}

int scrolled_height(int y, int shift) {
  // Stars that slide below the band come back once from the top; there is no wrap upward,
  // so large shifts take a layer out of view until the counter restarts.
  int h = y - shift;
  if (h < kBandBottom) h += kStarSpanY;
  return h;
}

void draw_starfield(int scroll_counter, const FarStars& far_stars, const MidStars& mid_stars,
                    const NearStars& near_stars) {
  // Covers the previous frame as well: the scene is never cleared between passes.
  ZORVA_draw_rectangle(BLACK, -300, -250, 300, 300, 0);
  for (const Point& star : far_stars) {
    ZORVA_draw_rectangle(GRAY_50, star.x, star.y, star.x, star.y + 1, 0);
  }
  const int mid_shift = scroll_counter / 2;  // truncates toward zero, also for negatives
  for (const Point& star : mid_stars) {
    const int h = scrolled_height(star.y, mid_shift);
    ZORVA_draw_rectangle(GRAY_20, star.x, h, star.x, h + 1, 0);
  }
  for (const Point& star : near_stars) {
    const int h = scrolled_height(star.y, scroll_counter);
    ZORVA_draw_rectangle(WHITE, star.x, h, star.x + 1, h + 1, 0);
  }
}

void advance_scroll(int& scroll_counter) {
  scroll_counter =
      scroll_counter >= kScrollCounterLast ? kScrollCounterRestart : scroll_counter + 1;
}

}  // namespace shooter
