// Dialog units: a quarter of the system font's average character width across, an eighth of
// its height down.
#pragma once

namespace zorva::platform::dialogs {

struct BaseUnits {
  int x = 8;   // average character width of the system font, pixels
  int y = 16;  // character height of the system font, pixels
};

BaseUnits system_base_units();

inline int dialog_x_to_pixels(int units, const BaseUnits& base) {
  return static_cast<int>(static_cast<long long>(units) * base.x / 4);
}
inline int dialog_y_to_pixels(int units, const BaseUnits& base) {
  return static_cast<int>(static_cast<long long>(units) * base.y / 8);
}

}  // namespace zorva::platform::dialogs
