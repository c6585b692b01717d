// The player's bullets: fired in pairs from the wing tips, rising 20 units a pass, spent on
// the first living enemy they meet.
#pragma once

#include "world.h"

namespace shooter {

inline constexpr int kBulletStartY = -205;
inline constexpr int kBulletRise = 20;
inline constexpr int kBulletTop = 250;  // a bullet above this height is gone
inline constexpr int kWingTipOffset = 20;

// Places one bullet: even indices at the right wing tip, odd ones at the left.
void fire_bullet(int x, Point& slot, int index);

// Moves one bullet up and tests it against the enemies, counting a kill when a hit
// destroys one.
void step_bullet(Point& slot, Formation& enemies, int& kills);

// Draws one slot, free ones included (they lie far below the drawing area).
void draw_bullet(const Point& slot);

// The per-pass work for all four pairs: step, serve a pending fire request, draw.
void run_bullet_pass(BulletSlots& bullets, int ship_x, int& fire_requested, Formation& enemies,
                     int& kills);

}  // namespace shooter
