// Device coordinates in 64 bits, clamped or clipped into GDI's safe range.
#include "drawing/device_geometry.h"
#include "platform/win32.h"

#include <algorithm>
#include <cmath>

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

DevicePoint to_device(Point logical) {
  return {std::int64_t{g_state.origin_x} + logical.x, std::int64_t{g_state.origin_y} - logical.y};
}

int clamp_to_safe(std::int64_t value) {
  return static_cast<int>(std::clamp(value, -kSafeCoordinate, kSafeCoordinate));
}

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

void clip_polygon_to_safe(const DevicePoint* points, int count, std::vector<POINT>& out) {
  out.clear();
  if (count <= 0) return;
  bool all_inside = true;
  for (int i = 0; i < count; ++i) all_inside = all_inside && inside_safe(points[i]);
  if (all_inside) {
    for (int i = 0; i < count; ++i) {
      out.push_back(POINT{static_cast<LONG>(points[i].x), static_cast<LONG>(points[i].y)});
    }
    return;
  }

  struct Vertex {
    double x, y;
  };
  std::vector<Vertex> polygon, next;
  for (int i = 0; i < count; ++i) {
    polygon.push_back({static_cast<double>(points[i].x), static_cast<double>(points[i].y)});
  }
  const double bound = static_cast<double>(kSafeCoordinate);
  const ClipEdge edges[4] = {
      {true, bound, true}, {true, -bound, false}, {false, bound, true}, {false, -bound, false}};
  for (const ClipEdge& edge : edges) {
    next.clear();
    for (std::size_t i = 0; i < polygon.size(); ++i) {
      const Vertex& current = polygon[i];
      const Vertex& previous = polygon[(i + polygon.size() - 1) % polygon.size()];
      const bool current_in = edge.inside(current.x, current.y);
      const bool previous_in = edge.inside(previous.x, previous.y);
      if (current_in != previous_in) {
        Vertex crossing{};
        edge.cross(previous.x, previous.y, current.x, current.y, crossing.x, crossing.y);
        next.push_back(crossing);
      }
      if (current_in) next.push_back(current);
    }
    polygon.swap(next);
    if (polygon.empty()) return;
  }
  for (const Vertex& v : polygon) {
    out.push_back(POINT{static_cast<LONG>(round_coordinate(v.x)),
                        static_cast<LONG>(round_coordinate(v.y))});
  }
}

}  // namespace zorva
