// The background: a black playfield and three star layers, one still, one scrolling at half
// speed and one at full speed, all driven by one scroll counter.
#pragma once

#include "world.h"

namespace shooter {

// The counter runs up to 1999 and then starts again at -1000.
inline constexpr int kScrollCounterLast = 1999;
inline constexpr int kScrollCounterRestart = -1000;

// Fills the layers once, far then mid then near, x before y for each star.
void init_starfield(RandomGenerator& random, FarStars& far_stars, MidStars& mid_stars,
                    NearStars& near_stars);

// The height at which a star stored at `y` is drawn for a layer shifted down by `shift`.
int scrolled_height(int y, int shift);

// Draws the playfield and all stars where the scroll counter puts them.
void draw_starfield(int scroll_counter, const FarStars& far_stars, const MidStars& mid_stars,
                    const NearStars& near_stars);

// Moves the scroll counter on by one (after 1999 it starts again at -1000).
void advance_scroll(int& scroll_counter);

}  // namespace shooter
