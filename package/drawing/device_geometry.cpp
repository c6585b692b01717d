// Device coordinates in 64 bits, clamped or clipped into GDI's safe range.
#include "drawing/device_geometry.h"
#include "platform/win32.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "internal/library_state.h"

namespace zorva {
namespace {

bool inside_safe(std::int64_t v) { return v >= -kSafeCoordinate && v <= kSafeCoordinate; }
bool inside_safe(const DevicePoint& p) { return inside_safe(p.x) && inside_safe(p.y); }

// Nearest integer of an intersection; the value is within the safe range by construction.
std::int64_t round_coordinate(double v) {
  const double bound = static_cast<double>(kSafeCoordinate);
  return static_cast<std::int64_t>(std::llround(std::clamp(v, -bound, bound)));
}

// One edge of the safe square for Sutherland-Hodgman clipping: which side is inside and
// where a segment crosses it.
struct ClipEdge {
  bool vertical;  // a line x = bound, otherwise y = bound
  double bound;
  bool keep_below;  // inside is value <= bound

  bool inside(double x, double y) const {
    const double v = vertical ? x : y;
    return keep_below ? v <= bound : v >= bound;
  }
  void cross(double ax, double ay, double bx, double by, double& ox, double& oy) const {
    if (vertical) {
      const double t = (bound - ax) / (bx - ax);
      ox = bound;
      oy = ay + t * (by - ay);
    } else {
      const double t = (bound - ay) / (by - ay);
      ox = ax + t * (bx - ax);
      oy = bound;
    }
  }
};

}  // namespace

bool clip_segment_to_safe(DevicePoint& a, DevicePoint& b) {
  if (inside_safe(a) && inside_safe(b)) return true;
  // Liang-Barsky: the segment is a + t (b - a), t in [0, 1]. Doubles hold these 33-bit
  // integers exactly.
  const double ax = static_cast<double>(a.x), ay = static_cast<double>(a.y);
  const double dx = static_cast<double>(b.x - a.x), dy = static_cast<double>(b.y - a.y);
  const double bound = static_cast<double>(kSafeCoordinate);
  double t0 = 0.0, t1 = 1.0;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {ax + bound, bound - ax, ay + bound, bound - ay};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) return false;  // parallel to this edge and outside it
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0.0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    if (t0 > t1) return false;
  }
  const DevicePoint start{round_coordinate(ax + t0 * dx), round_coordinate(ay + t0 * dy)};
  const DevicePoint end{round_coordinate(ax + t1 * dx), round_coordinate(ay + t1 * dy)};
  if (!inside_safe(a)) a = start;
  if (!inside_safe(b)) b = end;
  return true;
}

void clip_polygon_to_safe(const DevicePoint* points, int count, ClippedPolygon& out) {
  out.count = 0;
  if (count <= 0 || count > ClippedPolygon::kMaxInput) return;
  bool all_inside = true;
  for (int i = 0; i < count; ++i) all_inside = all_inside && inside_safe(points[i]);
  if (all_inside) {
    for (int i = 0; i < count; ++i) {
      out.points[static_cast<std::size_t>(i)] = POINT{static_cast<LONG>(points[i].x), static_cast<LONG>(points[i].y)};
    }
    out.count = count;
    return;
  }

  struct Vertex {
    double x, y;
  };
  struct Vertices {
    std::array<Vertex, ClippedPolygon::kMaxPoints> at;
    std::size_t count = 0;
    void push(const Vertex& v) { at[count++] = v; }
  };
  Vertices polygon, next;
  for (int i = 0; i < count; ++i) {
    polygon.push({static_cast<double>(points[i].x), static_cast<double>(points[i].y)});
  }
  const double bound = static_cast<double>(kSafeCoordinate);
  const ClipEdge edges[4] = {
      {true, bound, true}, {true, -bound, false}, {false, bound, true}, {false, -bound, false}};
  for (const ClipEdge& edge : edges) {
    next.count = 0;
    for (std::size_t i = 0; i < polygon.count; ++i) {
      const Vertex& current = polygon.at[i];
      const Vertex& previous = polygon.at[(i + polygon.count - 1) % polygon.count];
      const bool current_in = edge.inside(current.x, current.y);
      const bool previous_in = edge.inside(previous.x, previous.y);
      if (current_in != previous_in) {
        Vertex crossing{};
        edge.cross(previous.x, previous.y, current.x, current.y, crossing.x, crossing.y);
        next.push(crossing);
      }
      if (current_in) next.push(current);
    }
    std::swap(polygon, next);
    if (polygon.count == 0) return;
  }
  for (std::size_t i = 0; i < polygon.count; ++i) {
    out.points[i] = POINT{static_cast<LONG>(round_coordinate(polygon.at[i].x)),
                          static_cast<LONG>(round_coordinate(polygon.at[i].y))};
  }
  out.count = static_cast<int>(polygon.count);
}

}  // namespace zorva
