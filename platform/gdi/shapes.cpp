// Lines, polygons, rectangles and ellipses drawn with the DC's pen and brush.
#include <algorithm>
#include <vector>

#include "platform/gdi/gdi_lookup.h"
#include "platform/gdi/raster_canvas.h"
#include "platform/gdi/shown_bitmap.h"
#include "platform/raster/ellipse.h"
#include "platform/raster/polygon_fill.h"
#include "platform/raster/thin_line.h"
#include "platform/raster/wide_pen.h"

using namespace zorva::platform;
using namespace zorva::platform::raster;

namespace {

// What a shape call needs: the target and the DC's pen and brush as pixels.
struct Drawing {
  DeviceContext* dc = nullptr;
  RasterTarget target;
  bool has_pen = false;
  std::int64_t pen_width = 1;
  std::uint32_t pen_pixel = 0;
  bool has_brush = false;
  std::uint32_t brush_pixel = 0;
};

bool begin_drawing(HDC hdc, Drawing& out) {
  out.dc = find_dc(hdc);
  Canvas canvas;
  if (!out.dc || !resolve_canvas(*out.dc, canvas)) return false;
  out.target = target_of(canvas);
  const PenState& pen = out.dc->pen.object->pen_state;
  out.has_pen = pen.draws;
  out.pen_width = pen.width;
  out.pen_pixel = pen.pixel;
  const BrushState& brush = out.dc->brush.object->brush_state;
  out.has_brush = brush.fills;
  out.brush_pixel = brush.pixel;
  return true;
}

// A box given by two corners in any order.
Box64 normalised_box(int left, int top, int right, int bottom) {
  return Box64{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
}

// The border of the inclusive box [l, r - 1] x [t, b - 1], one pixel wide.
void thin_box_outline(const RasterTarget& t, const Box64& b, std::uint32_t pixel) {
  t.fill_span(b.top, b.left, b.right, pixel);
  if (b.height() > 1) t.fill_span(b.bottom - 1, b.left, b.right, pixel);
  t.fill_box(b.left, b.top + 1, b.left + 1, b.bottom - 1, pixel);
  if (b.width() > 1) t.fill_box(b.right - 1, b.top + 1, b.right, b.bottom - 1, pixel);
}

// A box wholly inside the pixels, with a one-pixel pen or none: each row written straight,
// without clipping, from `row` (the box's top-left pixel) on. The outline and the inside are
// disjoint, so the order does not matter. Boxes larger than two pixels a side, out of line so
// that the tiny ones (the stars) need no registers saved.
[[gnu::noinline]] void draw_larger_box_inside(std::uint32_t* row, std::size_t stride, std::int64_t w,
                                              std::int64_t h, const PenState& pen, const BrushState& brush) {
  if (brush.fills && pen.draws && brush.pixel == pen.pixel) {  // outline and inside alike: one fill
    for (std::int64_t y = 0; y < h; ++y, row += stride) fill_pixels(row, static_cast<std::size_t>(w), pen.pixel);
    return;
  }
  if (!pen.draws) {  // the brush alone leaves out the right column and the bottom row
    if (!brush.fills) return;
    for (std::int64_t y = 1; y < h; ++y, row += stride) fill_pixels(row, static_cast<std::size_t>(w - 1), brush.pixel);
    return;
  }
  fill_pixels(row, static_cast<std::size_t>(w), pen.pixel);
  for (std::int64_t y = 2; y < h; ++y) {
    row += stride;
    row[0] = pen.pixel;
    if (w > 2 && brush.fills) fill_pixels(row + 1, static_cast<std::size_t>(w - 2), brush.pixel);
    row[w - 1] = pen.pixel;
  }
  if (h > 1) fill_pixels(row + stride, static_cast<std::size_t>(w), pen.pixel);
}

// The box of w by h pixels (both above 0) whose top-left pixel is (left, top).
[[gnu::always_inline]] inline void draw_box_inside(Pixmap& pixels, std::int64_t left, std::int64_t top,
                                                   std::int64_t w, std::int64_t h, const PenState& pen,
                                                   const BrushState& brush) {
  const std::size_t stride = static_cast<std::size_t>(pixels.width);
  std::uint32_t* row = pixels.row(static_cast<int>(top)) + left;
  if (pen.draws && w <= 2 && h <= 2) {  // a box of one or two pixels a side is all outline
    row[0] = pen.pixel;
    if (w == 2) row[1] = pen.pixel;
    if (h == 2) {
      row[stride] = pen.pixel;
      if (w == 2) row[stride + 1] = pen.pixel;
    }
    return;
  }
  draw_larger_box_inside(row, stride, w, h, pen, brush);
}

// The short way for what most calls draw: a box inside a memory DC's bitmap with a one-pixel
// pen or none. False when the box needs the general path. The caller has made a bitmap that
// a window shows hand its pixels over.
inline bool draw_box_in_bitmap(const DeviceContext& dc, const Box64& b) {
  const PenState& pen = dc.pen.object->pen_state;
  if (dc.window || pen.width > 1 || !dc.bitmap.object) return false;
  Pixmap& pixels = dc.bitmap.object->bitmap.pixels;
  if (b.left < 0 || b.top < 0 || b.right > pixels.width || b.bottom > pixels.height) return false;
  if (b.width() > 0 && b.height() > 0)
    draw_box_inside(pixels, b.left, b.top, b.width(), b.height(), pen, dc.brush.object->brush_state);
  return true;
}

// A bitmap that a window shows is about to get this box: what the box paints entirely need
// not be kept for it (the scene's background, drawn first every pass).
[[gnu::noinline]] void before_box_drawn(const DeviceContext& dc, const Box64& b) {
  const PenState& pen = dc.pen.object->pen_state;
  const BrushState& brush = dc.brush.object->brush_state;
  const Pixmap& pixels = dc.bitmap.object->bitmap.pixels;
  // With a one-pixel pen and a brush every pixel of the box is painted; the brush alone
  // leaves out the right column and the bottom row.
  const bool solid = brush.fills && (pen.draws ? pen.width <= 1 : true);
  const std::int64_t right = pen.draws ? b.right : b.right - 1;
  const std::int64_t bottom = pen.draws ? b.bottom : b.bottom - 1;
  if (!solid || right <= b.left || bottom <= b.top) {
    before_bitmap_drawn(*dc.bitmap.object);
    return;
  }
  const auto clamp = [](std::int64_t v, int high) { return static_cast<LONG>(std::clamp<std::int64_t>(v, 0, high)); };
  before_bitmap_drawn(*dc.bitmap.object, RECT{clamp(b.left, pixels.width), clamp(b.top, pixels.height),
                                              clamp(right, pixels.width), clamp(bottom, pixels.height)});
}

void draw_box(const Drawing& d, const Box64& b) {
  if (b.width() <= 0 || b.height() <= 0) return;
  const RasterTarget& t = d.target;
  if (!d.has_pen) {
    if (d.has_brush) t.fill_box(b.left, b.top, b.right - 1, b.bottom - 1, d.brush_pixel);
    return;
  }
  if (d.pen_width <= 1 && d.has_brush && d.brush_pixel == d.pen_pixel) {  // outline and inside alike
    t.fill_box(b.left, b.top, b.right, b.bottom, d.pen_pixel);
    return;
  }
  if (d.has_brush) t.fill_box(b.left + 1, b.top + 1, b.right - 1, b.bottom - 1, d.brush_pixel);
  if (d.pen_width <= 1) {
    thin_box_outline(t, b, d.pen_pixel);
    return;
  }
  const Point64 corners[4] = {{b.left, b.top}, {b.right - 1, b.top}, {b.right - 1, b.bottom - 1}, {b.left, b.bottom - 1}};
  draw_wide_path(t, corners, true, d.pen_width, d.pen_pixel);
}

// Rectangle for any DC and box. It takes the call's own arguments, so Rectangle hands over
// to it without a frame of its own.
[[gnu::noinline]] BOOL any_rectangle(HDC hdc, int left, int top, int right, int bottom) {
  const DeviceContext* dc = find_dc(hdc);
  if (!dc) return FALSE;
  const Box64 box = normalised_box(left, top, right, bottom);
  if (!dc->window && dc->bitmap.object) {
    if (dc->bitmap.object->bitmap.shown_in) before_box_drawn(*dc, box);
    if (draw_box_in_bitmap(*dc, box)) return TRUE;
  }
  Drawing d;
  if (!begin_drawing(hdc, d)) return FALSE;
  draw_box(d, box);
  canvas_changed(*d.dc);
  return TRUE;
}

// Whether low < high <= limit with low >= 0 (limit is never negative): a negative low or
// high wraps past any limit.
inline bool inside_span(int low, int high, int limit) {
  return static_cast<unsigned>(low) < static_cast<unsigned>(high) &&
         static_cast<unsigned>(high) <= static_cast<unsigned>(limit);
}

}  // namespace

extern "C" {

BOOL WINAPI MoveToEx(HDC hdc, int x, int y, LPPOINT lppt) {
  DeviceContext* dc = find_dc(hdc);
  if (!dc) return FALSE;
  if (lppt) *lppt = dc->position;
  dc->position = POINT{x, y};
  return TRUE;
}

BOOL WINAPI LineTo(HDC hdc, int x, int y) {
  Drawing d;
  if (!begin_drawing(hdc, d)) {
    if (DeviceContext* dc = find_dc(hdc)) dc->position = POINT{x, y};
    return find_dc(hdc) ? TRUE : FALSE;
  }
  const Point64 from{d.dc->position.x, d.dc->position.y};
  const Point64 to{x, y};
  d.dc->position = POINT{x, y};
  if (!d.has_pen) return TRUE;
  if (d.pen_width <= 1) {
    draw_thin_line(d.target, from.x, from.y, to.x, to.y, d.pen_pixel);
  } else {
    const Point64 path[2] = {from, to};
    draw_wide_path(d.target, path, false, d.pen_width, d.pen_pixel);
  }
  canvas_changed(*d.dc);
  return TRUE;
}

BOOL WINAPI Polygon(HDC hdc, const POINT* apt, int cpt) {
  if (!apt || cpt < 2) return FALSE;
  Drawing d;
  if (!begin_drawing(hdc, d)) return FALSE;
  std::vector<Point64>& points = d.target.scratch->points;
  points.resize(static_cast<std::size_t>(cpt));
  for (int i = 0; i < cpt; ++i) points[static_cast<std::size_t>(i)] = Point64{apt[i].x, apt[i].y};
  if (d.has_brush) fill_polygon(d.target, std::span<const Point64>(points), d.brush_pixel);
  if (d.has_pen) {
    if (d.pen_width <= 1) {
      for (std::size_t i = 0; i < points.size(); ++i) {
        const Point64& a = points[i];
        const Point64& b = points[(i + 1) % points.size()];
        draw_thin_line(d.target, a.x, a.y, b.x, b.y, d.pen_pixel);
      }
    } else {
      draw_wide_path(d.target, points, true, d.pen_width, d.pen_pixel);
    }
  }
  canvas_changed(*d.dc);
  return TRUE;
}

BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom) {
  // Most boxes are given left to right and top to bottom, lie inside a memory DC's bitmap
  // that no window shows, and have a pen of one pixel or none: drawn here, with nothing set
  // up that they do not need. A window DC holds no bitmap.
  if (DeviceContext* dc = find_dc(hdc)) [[likely]] {
    GdiObject* bitmap = dc->bitmap.object;
    if (bitmap && !bitmap->bitmap.shown_in && inside_span(left, right, bitmap->bitmap.pixels.width) &&
        inside_span(top, bottom, bitmap->bitmap.pixels.height)) [[likely]] {
      const PenState& pen = dc->pen.object->pen_state;
      if (pen.width <= 1) [[likely]] {
        draw_box_inside(bitmap->bitmap.pixels, left, top, right - left, bottom - top, pen,
                        dc->brush.object->brush_state);
        return TRUE;
      }
    }
  }
  return any_rectangle(hdc, left, top, right, bottom);
}

BOOL WINAPI Ellipse(HDC hdc, int left, int top, int right, int bottom) {
  Drawing d;
  if (!begin_drawing(hdc, d)) return FALSE;
  const Box64 box = normalised_box(left, top, right, bottom);
  if (box.width() <= 2 || box.height() <= 2) {
    if (!draw_box_in_bitmap(*d.dc, box)) draw_box(d, box);
  } else {
    if (d.has_pen && d.pen_width > 1) {
      if (d.has_brush) fill_ellipse(d.target, box, d.brush_pixel);
      wide_outline_ellipse(d.target, box, d.pen_width, d.pen_pixel);
    } else {
      draw_thin_ellipse(d.target, box, d.has_brush, d.brush_pixel, d.has_pen, d.pen_pixel);
    }
  }
  canvas_changed(*d.dc);
  return TRUE;
}

}  // extern "C"
