// Device contexts: creating and destroying them, what they draw into, and selecting objects.
#include "platform/gdi/device_context.h"

#include <algorithm>
#include <cstdint>

#include "platform/gdi/gdi_lookup.h"
#include "platform/gdi/shown_bitmap.h"
#include "platform/windows/window.h"

namespace zorva::platform {
namespace {

// Largest bitmap we agree to allocate: 2^28 pixels (1 GiB), beyond any sensible surface.
constexpr std::int64_t kMaxBitmapPixels = std::int64_t{1} << 28;

// A DC holds what it has selected: the object stays alive while any DC has it selected.
void select_into(SelectedObject& field, const SelectedObject& object) {
  field = object;
  if (object.object) object.object->references += 2;
}

// The DC lets go of an object; an object whose deletion waited for that goes now.
void release(const SelectedObject& selected) {
  GdiObject* object = selected.object;
  if (!object) return;
  object->references -= 2;
  if (object->references == 0) [[unlikely]]
    free_gdi_object(selected.handle, *object);
}

// Frees an object that was waiting for its last DC to let go, and returns its handle.
[[gnu::noinline]] HGDIOBJ free_released(HGDIOBJ handle, GdiObject& object) {
  free_gdi_object(handle, object);
  return handle;
}

// Puts `handle` in the DC's field for its kind and lets go of the one it replaces, which is
// returned. The field always holds an object: a DC starts with the stock ones, and a window
// DC, which has no bitmap, never gets here for one. Selecting the object already selected
// adds a reference and takes it away again.
HGDIOBJ swap_selection(SelectedObject& field, HGDIOBJ handle, GdiObject& object) {
  const HGDIOBJ previous = field.handle;
  GdiObject* released = field.object;
  object.references += 2;
  field.handle = handle;
  field.object = &object;
  released->references -= 2;
  if (released->references == 0) [[unlikely]]
    return free_released(previous, *released);
  return previous;
}

// Bitmaps go only into memory DCs, and into one DC at a time (the stock one excepted).
HGDIOBJ select_bitmap(DeviceContext& dc, HGDIOBJ handle, GdiObject& object) {
  if (dc.window) return nullptr;
  if (handle != dc.bitmap.handle && object.selected() && !object.stock) return nullptr;
  return swap_selection(dc.bitmap, handle, object);
}

}  // namespace

HDC create_dc(HWND window, bool paint) {
  std::uint32_t handle = 0;
  DeviceContext* dc = platform_state().device_contexts.add(handle);
  if (!dc) return nullptr;
  *dc = DeviceContext{};
  dc->window = window;
  dc->paint = paint;
  select_into(dc->pen, default_pen());
  select_into(dc->brush, default_brush());
  select_into(dc->font, default_font());
  if (!window) select_into(dc->bitmap, default_bitmap());
  return to_handle<HDC>(handle);
}

bool destroy_dc(HDC handle) {
  DeviceContext* dc = find_dc(handle);
  if (!dc) return false;
  release(dc->pen);
  release(dc->brush);
  release(dc->font);
  release(dc->bitmap);
  *dc = DeviceContext{};
  platform_state().device_contexts.remove(from_handle(handle));
  return true;
}

bool resolve_canvas(const DeviceContext& dc, Canvas& out, CanvasUse use) {
  if (dc.window) {
    ClientView view;
    if (!client_view(dc.window, view) || !view.pixmap) return false;
    if (use != CanvasUse::kPlace) settle_shown_rows_of(dc.window);
    out.pixmap = view.pixmap;
    out.origin_x = view.client_x;
    out.origin_y = view.client_y;
    // Never trust a clip box beyond the pixels that exist.
    out.clip.left = std::max<LONG>(view.clip.left, 0);
    out.clip.top = std::max<LONG>(view.clip.top, 0);
    out.clip.right = std::min<LONG>(view.clip.right, view.pixmap->width);
    out.clip.bottom = std::min<LONG>(view.clip.bottom, view.pixmap->height);
    return true;
  }
  // A memory DC always holds a bitmap (its stock one at least), selected so it stays alive.
  if (!dc.bitmap.object) return false;
  if (use == CanvasUse::kDraw) before_bitmap_drawn(*dc.bitmap.object);
  Pixmap& pixels = dc.bitmap.object->bitmap.pixels;
  out.pixmap = &pixels;
  out.origin_x = 0;
  out.origin_y = 0;
  out.clip = RECT{0, 0, pixels.width, pixels.height};
  return true;
}

void canvas_changed(const DeviceContext& dc) {
  if (dc.window) framebuffer_changed(dc.window);
}

std::size_t live_dc_count() { return platform_state().device_contexts.live(); }

}  // namespace zorva::platform

using namespace zorva::platform;

extern "C" {

HDC WINAPI CreateCompatibleDC(HDC hdc) {
  // NULL means "compatible with the screen"; any other value must be a live DC.
  if (hdc && !find_dc(hdc)) return nullptr;
  return create_dc(nullptr, false);
}

HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int cx, int cy) {
  if (!find_dc(hdc)) return nullptr;
  if (cx <= 0 || cy <= 0) return nullptr;
  if (static_cast<std::int64_t>(cx) * cy > kMaxBitmapPixels) return nullptr;
  // Every surface here is 32 bits deep, whatever bitmap the DC holds; new pixels are black.
  return add_bitmap(Pixmap(cx, cy, 0));
}

BOOL WINAPI DeleteDC(HDC hdc) {
  DeviceContext* dc = find_dc(hdc);
  if (!dc || dc->window) return FALSE;  // window DCs go back with ReleaseDC / EndPaint
  return destroy_dc(hdc) ? TRUE : FALSE;
}

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h) {
  DeviceContext* dc = find_dc(hdc);
  GdiObject* object = find_gdi_object(h);
  if (!dc || !object || object->delete_pending()) [[unlikely]] return nullptr;
  // Pens and brushes first: the package selects four of them for every shape.
  const GdiKind kind = object->kind;
  if (kind == GdiKind::kPen) [[likely]] return swap_selection(dc->pen, h, *object);
  if (kind == GdiKind::kBrush) [[likely]] return swap_selection(dc->brush, h, *object);
  if (kind == GdiKind::kFont) return swap_selection(dc->font, h, *object);
  if (kind == GdiKind::kBitmap) return select_bitmap(*dc, h, *object);
  return nullptr;
}

}  // extern "C"
