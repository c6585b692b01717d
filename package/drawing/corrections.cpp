// Argument corrections and their messages.
#include "drawing/corrections.h"

#include <climits>

namespace zorva {
namespace {

// The positive counterpart of a negative size; INT_MIN has none and gets the largest int.
int positive_size(int value) { return value == INT_MIN ? INT_MAX : -value; }

int correct_negative(int value, const char* message) {
  if (value >= 0) return value;
  const int replacement = positive_size(value);
  ZORVA_log(message, value, replacement);
  return replacement;
}

}  // namespace

int corrected_radius(int radius) {
  return correct_negative(radius, "Radius of %d not possible, using radius %d\n");
}

int corrected_width(int width) {
  return correct_negative(width, "Width of %d not possible, using width %d\n");
}

int correct_point_size(int ptsize) {
  static constexpr const char* kMessage = "ptsize of %d not possible, using ptsize %d\n";
  ptsize = correct_negative(ptsize, kMessage);
  if (ptsize > kMaxPointSize) {
    ZORVA_log(kMessage, ptsize, kMaxPointSize);
    ptsize = kMaxPointSize;
  }
  return ptsize;
}

}  // namespace zorva
