// ZORVA_render: one draw record onto the off-screen surface through GDI. Every pen, brush
// and font is created for the record, selected, and deleted after the previous one is
// selected again, so the surface's own objects are the same after each record.
#include "drawing/colors.h"
#include "drawing/device_geometry.h"
#include "drawing/renderers.h"
#include "internal/library_state.h"
#include "platform/win32.h"

namespace zorva {
namespace {

void render_pixel(HDC dc, const DrawRecord& record, COLORREF color) {
  const DevicePoint p = to_device(record.p1);
  SetPixel(dc, clamp_to_safe(p.x), clamp_to_safe(p.y), color);
}

void render_line(HDC dc, const DrawRecord& record, COLORREF color) {
  HPEN pen = CreatePen(PS_SOLID, record.width, color);
  HGDIOBJ previous_pen = SelectObject(dc, pen);
  DevicePoint start = to_device(record.p1);
  DevicePoint end = to_device(record.p2);
  if (clip_segment_to_safe(start, end)) {
    MoveToEx(dc, clamp_to_safe(start.x), clamp_to_safe(start.y), nullptr);
    LineTo(dc, clamp_to_safe(end.x), clamp_to_safe(end.y));
  }
  SelectObject(dc, previous_pen);
  DeleteObject(pen);
}

// Width 0 fills with the colour; any other width leaves the inside as it was.
HBRUSH shape_brush(int width, COLORREF color) {
  return width == 0 ? CreateSolidBrush(color) : static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

void render_triangle(HDC dc, const DrawRecord& record, COLORREF color) {
  HPEN pen = CreatePen(PS_SOLID, record.width, color);
  HGDIOBJ previous_pen = SelectObject(dc, pen);
  const DevicePoint corners[3] = {to_device(record.p1), to_device(record.p2), to_device(record.p3)};
  HBRUSH brush = shape_brush(record.width, color);
  HGDIOBJ previous_brush = SelectObject(dc, brush);
  ClippedPolygon polygon;
  clip_polygon_to_safe(corners, 3, polygon);
  if (!polygon.empty()) Polygon(dc, polygon.points.data(), polygon.count);
  SelectObject(dc, previous_pen);
  SelectObject(dc, previous_brush);
  DeleteObject(pen);
  DeleteObject(brush);
}

// Rectangle or Ellipse over the inclusive logical box p1 (left, top) to p2 (right, bottom).
void render_box(HDC dc, const DrawRecord& record, COLORREF color) {
  HPEN pen = CreatePen(PS_SOLID, record.width, color);
  HBRUSH brush = shape_brush(record.width, color);
  HGDIOBJ previous_pen = SelectObject(dc, pen);
  HGDIOBJ previous_brush = SelectObject(dc, brush);
  const DevicePoint top_left = to_device(record.p1);
  const DevicePoint bottom_right = to_device(record.p2);
  const int left = clamp_to_safe(top_left.x);
  const int top = clamp_to_safe(top_left.y);
  const int right = clamp_to_safe(bottom_right.x + 1);
  const int bottom = clamp_to_safe(bottom_right.y + 1);
  if (record.kind == DRAW_RECTANGLE) {
    Rectangle(dc, left, top, right, bottom);
  } else {
    Ellipse(dc, left, top, right, bottom);
  }
  SelectObject(dc, previous_pen);
  SelectObject(dc, previous_brush);
  DeleteObject(pen);
  DeleteObject(brush);
}

}  // namespace

void ZORVA_render(const DrawRecord* record) {
  if (record == nullptr) return;
  HDC dc = g_state.offscreen_dc;
  const COLORREF color = record_color(*record);
  switch (record->kind) {
    case DRAW_PIXEL:
      render_pixel(dc, *record, color);
      break;
    case DRAW_LINE:
      render_line(dc, *record, color);
      break;
    case DRAW_TRIANGLE:
      render_triangle(dc, *record, color);
      break;
    case DRAW_RECTANGLE:
    case DRAW_OVAL:
      render_box(dc, *record, color);
      break;
    case DRAW_TEXT:
      render_text(dc, *record);
      break;
    default:
      break;
  }
  g_state.surface_dirty = 1;
}

}  // namespace zorva
