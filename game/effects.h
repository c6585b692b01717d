// The two hit effects, drawn only in the pass in which a hit happens.
#pragma once

namespace shooter {

// A white and a yellow shard just below (x, y).
void draw_spark(int x, int y);

// A white disc of radius 6 at (x, y).
void draw_explosion(int x, int y);

}  // namespace shooter
