// Device contexts: creating and destroying them, what they draw into, and selecting objects.
#include "platform/gdi/device_context.h"

#include <algorithm>
#include <cstdint>
#include <type_traits>

#include "platform/gdi/gdi_object.h"
#include "platform/state/platform_state.h"
#include "platform/windows/window.h"

namespace zorva::platform {
namespace {

// Largest bitmap we agree to allocate: 2^28 pixels (1 GiB), beyond any sensible surface.
constexpr std::int64_t kMaxBitmapPixels = std::int64_t{1} << 28;

// The DC selects the object: it stays alive while any DC has it selected.
void count_selection(HGDIOBJ handle) {
  if (GdiObject* o = find_gdi_object(handle)) ++o->selected_count;
}

}  // namespace

HandleTable<DeviceContext>& device_contexts() { return platform_state().device_contexts; }

DeviceContext* find_dc(HDC dc) { return device_contexts().find(from_handle(dc)); }

HDC create_dc(HWND window, bool paint) {
  auto dc = std::make_unique<DeviceContext>();
  dc->window = window;
  dc->paint = paint;
  dc->pen = default_pen();
  dc->brush = default_brush();
  dc->font = default_font();
  if (!window) dc->bitmap = default_bitmap();
  count_selection(dc->pen);
  count_selection(dc->brush);
  count_selection(dc->font);
  if (dc->bitmap) count_selection(dc->bitmap);
  return to_handle<HDC>(device_contexts().add(std::move(dc)));
}

bool destroy_dc(HDC handle) {
  std::unique_ptr<DeviceContext> dc = device_contexts().remove(from_handle(handle));
  if (!dc) return false;
  release_gdi_selection(dc->pen);
  release_gdi_selection(dc->brush);
  release_gdi_selection(dc->font);
  if (dc->bitmap) release_gdi_selection(dc->bitmap);
  return true;
}

bool resolve_canvas(HDC handle, Canvas& out) {
  const DeviceContext* dc = find_dc(handle);
  return dc && resolve_canvas(*dc, out);
}

bool resolve_canvas(const DeviceContext& context, Canvas& out) {
  const DeviceContext* dc = &context;
  if (dc->window) {
    ClientView view;
    if (!client_view(dc->window, view) || !view.pixmap) return false;
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
  Bitmap* bitmap = find_gdi<Bitmap>(dc->bitmap);
  if (!bitmap) return false;
  out.pixmap = &bitmap->pixels;
  out.origin_x = 0;
  out.origin_y = 0;
  out.clip = RECT{0, 0, bitmap->pixels.width, bitmap->pixels.height};
  return true;
}

void canvas_changed(HDC handle) {
  if (const DeviceContext* dc = find_dc(handle)) canvas_changed(*dc);
}

void canvas_changed(const DeviceContext& dc) {
  if (dc.window) framebuffer_changed(dc.window);
}

std::size_t live_dc_count() { return device_contexts().live(); }

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
  auto object = std::make_unique<GdiObject>();
  object->value = Bitmap{Pixmap(cx, cy, 0)};
  return to_handle<HBITMAP>(gdi_objects().add(std::move(object)));
}

BOOL WINAPI DeleteDC(HDC hdc) {
  DeviceContext* dc = find_dc(hdc);
  if (!dc || dc->window) return FALSE;  // window DCs go back with ReleaseDC / EndPaint
  return destroy_dc(hdc) ? TRUE : FALSE;
}

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h) {
  DeviceContext* dc = find_dc(hdc);
  GdiObject* object = find_gdi_object(h);
  if (!dc || !object || object->delete_pending) return nullptr;

  // Swaps the DC's handle of one kind and returns the one it replaces.
  auto swap = [&](auto& field) -> HGDIOBJ {
    using Handle = std::remove_reference_t<decltype(field)>;
    HGDIOBJ previous = field;
    if (previous == h) return previous;
    ++object->selected_count;
    field = static_cast<Handle>(h);
    release_gdi_selection(previous);
    return previous;
  };
  if (std::holds_alternative<Pen>(object->value)) return swap(dc->pen);
  if (std::holds_alternative<Brush>(object->value)) return swap(dc->brush);
  if (std::holds_alternative<FontRequest>(object->value)) return swap(dc->font);
  // Bitmaps go only into memory DCs, and into one DC at a time (the stock one excepted).
  if (dc->window) return nullptr;
  if (h != dc->bitmap && object->selected_count > 0 && !object->stock) return nullptr;
  return swap(dc->bitmap);
}

}  // extern "C"
