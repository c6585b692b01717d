// The player's ship: keys set its direction and speed and request shots; each tick it moves
// sideways on its own and turns back at the side limits.
#pragma once

namespace shooter {

inline constexpr int kShipLimit = 280;  // the ship's centre stays within -280 to 280

// Applies one typed character. Only space, ",", "4", ".", "6", "2" and "8" do anything.
void handle_key(char key, int& ship_direction, int& fire_requested, int& ship_speed);

// One tick of movement: a step that would leave the limits reverses the direction instead.
void move_ship(int& ship_x, int& ship_direction, int ship_speed);

// Fuselage, wings and white wing panels; the wing tips are at x - 20 and x + 20.
void draw_ship(int x, int y);

}  // namespace shooter
