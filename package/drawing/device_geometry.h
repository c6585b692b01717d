// Logical -> device coordinates without overflow, and the shrinking of far-away geometry
// into a safe range before it reaches GDI.
//
// A logical coordinate anywhere in the 32-bit range, moved by the origin, can leave the int
// range; and GDI's own arithmetic (pen widths, box sizes) wants headroom. So device positions
// are computed in 64 bits and every point handed to GDI lies within +-kSafeCoordinate, a
// range vastly larger than the surface, chosen so that what is visible on the surface stays
// the same: boxes are clamped edge by edge, lines and polygons are clipped, not squeezed, so
// their directions are kept.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/win32.h"
#include "zorva.h"

namespace zorva {

// Windows' GDI holds device coordinates in 28.4 fixed point, so it draws lines exactly only
// within +-2^27; half that leaves room for the origin and for pen widths.
inline constexpr std::int64_t kSafeCoordinate = std::int64_t{1} << 26;

struct DevicePoint {
  std::int64_t x;
  std::int64_t y;
};

// Device position of a logical point under the current origin.
DevicePoint to_device(Point logical);

// A coordinate clamped to the safe range, as GDI takes it.
int clamp_to_safe(std::int64_t value);

// Clips the segment a-b to the safe square. Returns false when nothing of it lies inside.
// A segment already inside is returned unchanged.
bool clip_segment_to_safe(DevicePoint& a, DevicePoint& b);

// Clips a closed polygon to the safe square; the result (at most count + 4 points) is the
// polygon to draw, empty when nothing of it lies inside. Unchanged when already inside.
void clip_polygon_to_safe(const DevicePoint* points, int count, std::vector<POINT>& out);

}  // namespace zorva
