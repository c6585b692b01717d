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

#include <algorithm>
#include <array>
#include <cstdint>

#include "internal/library_state.h"

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
inline DevicePoint to_device(Point logical) {
  return {std::int64_t{g_state.origin_x} + logical.x, std::int64_t{g_state.origin_y} - logical.y};
}

// A coordinate clamped to the safe range, as GDI takes it. Nearly every coordinate already
// lies in it: one test, and the clamping only for the others.
inline int clamp_to_safe(std::int64_t value) {
  // Unsigned, so that no value overflows: those below the range wrap round to above it.
  if (static_cast<std::uint64_t>(value) + static_cast<std::uint64_t>(kSafeCoordinate) <=
      static_cast<std::uint64_t>(2 * kSafeCoordinate)) [[likely]]
    return static_cast<int>(value);
  return value < 0 ? static_cast<int>(-kSafeCoordinate) : static_cast<int>(kSafeCoordinate);
}

// Clips the segment a-b to the safe square. Returns false when nothing of it lies inside.
// A segment already inside is returned unchanged.
bool clip_segment_to_safe(DevicePoint& a, DevicePoint& b);

// A polygon of at most kMaxPoints points, held in place (drawing a triangle allocates nothing).
struct ClippedPolygon {
  static constexpr int kMaxInput = 8;                 // points a polygon to clip may have
  static constexpr int kMaxPoints = kMaxInput + 4;    // each edge of the square adds at most one
  std::array<POINT, kMaxPoints> points{};
  int count = 0;

  std::size_t size() const { return static_cast<std::size_t>(count); }
  bool empty() const { return count == 0; }
  const POINT& operator[](std::size_t i) const { return points[i]; }
  const POINT* begin() const { return points.data(); }
  const POINT* end() const { return points.data() + count; }
};

// Clips a closed polygon of at most ClippedPolygon::kMaxInput points to the safe square; the
// result (at most count + 4 points) is the polygon to draw, empty when nothing of it lies
// inside (or it has too many points). Unchanged when already inside.
void clip_polygon_to_safe(const DevicePoint* points, int count, ClippedPolygon& out);

}  // namespace zorva
