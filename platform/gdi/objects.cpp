// GDI objects: the store, the stock objects, and creating and deleting pens, brushes, fonts
// and bitmaps. The package creates, selects and deletes a pen and a brush for every shape, so
// each of these calls is a few dozen instructions: at most one look-up, no allocation.
#include <algorithm>

#include "platform/gdi/gdi_lookup.h"
#include "platform/gdi/shown_bitmap.h"

namespace zorva::platform {
namespace {

GdiObjectTable& objects() { return platform_state().gdi_objects; }

void reset_object(GdiObject& object, GdiKind kind) {
  object.kind = kind;
  object.stock = false;
  object.references = 1;
}

// A fresh slot of the given kind; nullptr when the store is full.
GdiObject* new_object(GdiObjectTable& table, GdiKind kind, std::uint32_t& handle) {
  GdiObject* object = table.store.add(handle, static_cast<std::size_t>(kind));
  if (object) reset_object(*object, kind);
  return object;
}

// The slot of the last object of that kind deleted, or nullptr when there is none.
GdiObject* reused_object(GdiKind kind, std::uint32_t& handle) {
  GdiObject* object = objects().store.add_from_free_list(handle, static_cast<std::size_t>(kind));
  if (object) [[likely]]
    reset_object(*object, kind);
  return object;
}

// Frees a pen, brush or font into its kind's chain; the record stays for the next one.
void free_small_object(std::uint32_t handle, GdiObject& object) {
  objects().store.remove(handle, static_cast<std::size_t>(object.kind));
}

// A bitmap also lets its pixel memory go. Out of line: the usual deletions are of pens and
// brushes, whose path then makes no call.
[[gnu::noinline]] void free_bitmap(std::uint32_t handle, GdiObject& object) {
  before_bitmap_drawn(object);  // a window showing it keeps the picture
  object.bitmap.pixels = Pixmap{};
  free_small_object(handle, object);
}

void free_object(std::uint32_t handle, GdiObject& object) {
  if (object.kind == GdiKind::kBitmap) [[unlikely]] {
    free_bitmap(handle, object);
    return;
  }
  free_small_object(handle, object);
}

// A slot that held the same pen (or brush) keeps its worked-out state.
void set_pen(GdiObject& object, const Pen& pen) {
  if (object.pen == pen) return;
  object.pen = pen;
  object.pen_state = PenState{pen.style != PS_NULL, std::max(pen.width, 1), pixel_from_colorref(pen.color)};
}

void set_brush(GdiObject& object, const Brush& brush) {
  if (object.brush == brush) return;
  object.brush = brush;
  object.brush_state = BrushState{!brush.hollow, pixel_from_colorref(brush.color)};
}

// The pen and the brush that CreatePen and CreateSolidBrush describe.
Pen pen_from(int style, int width, COLORREF color) {
  return Pen{style == PS_NULL ? PS_NULL : PS_SOLID, width < 0 ? 0 : width, color & 0x00FFFFFFu};
}
Brush brush_from(COLORREF color) { return Brush{false, color & 0x00FFFFFFu}; }

// A pen or a brush in a slot never used by one before: out of line, so that the usual
// creation, from a freed slot, makes no call.
[[gnu::noinline]] HPEN new_pen(int style, int width, COLORREF color) {
  std::uint32_t handle = 0;
  GdiObject* object = new_object(objects(), GdiKind::kPen, handle);
  if (!object) return nullptr;
  set_pen(*object, pen_from(style, width, color));
  return to_handle<HPEN>(handle);
}

[[gnu::noinline]] HBRUSH new_brush(COLORREF color) {
  std::uint32_t handle = 0;
  GdiObject* object = new_object(objects(), GdiKind::kBrush, handle);
  if (!object) return nullptr;
  set_brush(*object, brush_from(color));
  return to_handle<HBRUSH>(handle);
}

// Stock objects go into the table being built, which is not yet the platform's.
GdiObject* add_stock(GdiObjectTable& table, GdiKind kind, HGDIOBJ& out) {
  std::uint32_t handle = 0;
  GdiObject* object = new_object(table, kind, handle);
  if (object) {
    object->stock = true;
    object->references = 3;  // the program's reference and one selection that never go
  }
  out = object ? to_handle<HGDIOBJ>(handle) : nullptr;
  return object;
}

HGDIOBJ make_stock(GdiObjectTable& table, int index) {
  HGDIOBJ handle = nullptr;
  auto brush = [&](Brush b) {
    if (GdiObject* o = add_stock(table, GdiKind::kBrush, handle)) set_brush(*o, b);
    return handle;
  };
  auto pen = [&](int style, COLORREF c) {
    if (GdiObject* o = add_stock(table, GdiKind::kPen, handle)) set_pen(*o, Pen{style, 0, c});
    return handle;
  };
  auto font = [&](bool mono) {
    if (GdiObject* o = add_stock(table, GdiKind::kFont, handle)) {
      o->font = FontRequest{};
      o->font.monospace = mono;
    }
    return handle;
  };
  switch (index) {
    case WHITE_BRUSH: return brush(Brush{false, RGB(255, 255, 255)});
    case LTGRAY_BRUSH: return brush(Brush{false, RGB(192, 192, 192)});
    case GRAY_BRUSH: return brush(Brush{false, RGB(128, 128, 128)});
    case DKGRAY_BRUSH: return brush(Brush{false, RGB(64, 64, 64)});
    case BLACK_BRUSH: return brush(Brush{false, RGB(0, 0, 0)});
    case NULL_BRUSH: return brush(Brush{true, 0});
    case WHITE_PEN: return pen(PS_SOLID, RGB(255, 255, 255));
    case BLACK_PEN: return pen(PS_SOLID, RGB(0, 0, 0));
    case NULL_PEN: return pen(PS_NULL, 0);
    case OEM_FIXED_FONT:
    case ANSI_FIXED_FONT:
    case SYSTEM_FIXED_FONT: return font(true);
    case ANSI_VAR_FONT:
    case SYSTEM_FONT:
    case DEVICE_DEFAULT_FONT:
    case DEFAULT_GUI_FONT: return font(false);
    default: return nullptr;  // index 9 and 15 name no stock object
  }
}

SelectedObject selected(HGDIOBJ handle) { return SelectedObject{handle, find_gdi_object(handle)}; }

}  // namespace

void GdiObjectTable::add_stock_objects() {
  for (int i = 0; i < kStockCount; ++i) stock[static_cast<std::size_t>(i)] = make_stock(*this, i);
  HGDIOBJ handle = nullptr;
  if (GdiObject* bitmap = add_stock(*this, GdiKind::kBitmap, handle)) {
    bitmap->bitmap.pixels = Pixmap(1, 1, 0);
    stock_bitmap = static_cast<HBITMAP>(handle);
  }
}

HBITMAP add_bitmap(Pixmap pixels) {
  std::uint32_t handle = 0;
  GdiObject* object = new_object(objects(), GdiKind::kBitmap, handle);
  if (!object) return nullptr;
  object->bitmap.pixels = std::move(pixels);
  return to_handle<HBITMAP>(handle);
}

std::size_t live_gdi_object_count() {
  std::size_t count = 0;
  objects().store.for_each([&](const GdiObject& o) {
    if (!o.stock) ++count;
  });
  return count;
}

SelectedObject default_pen() { return selected(objects().stock[BLACK_PEN]); }
SelectedObject default_brush() { return selected(objects().stock[WHITE_BRUSH]); }
SelectedObject default_font() { return selected(objects().stock[SYSTEM_FONT]); }
SelectedObject default_bitmap() { return selected(objects().stock_bitmap); }

void free_gdi_object(HGDIOBJ handle, GdiObject& object) { free_object(from_handle(handle), object); }

}  // namespace zorva::platform

using namespace zorva::platform;

extern "C" {

HGDIOBJ WINAPI GetStockObject(int i) {
  if (i < 0 || i >= kStockCount) return nullptr;
  return objects().stock[static_cast<std::size_t>(i)];
}

HPEN WINAPI CreatePen(int iStyle, int cWidth, COLORREF color) {
  std::uint32_t handle = 0;
  GdiObject* object = reused_object(GdiKind::kPen, handle);
  if (!object) [[unlikely]]
    return new_pen(iStyle, cWidth, color);
  set_pen(*object, pen_from(iStyle, cWidth, color));
  return to_handle<HPEN>(handle);
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
  std::uint32_t handle = 0;
  GdiObject* object = reused_object(GdiKind::kBrush, handle);
  if (!object) [[unlikely]]
    return new_brush(color);
  set_brush(*object, brush_from(color));
  return to_handle<HBRUSH>(handle);
}

HFONT WINAPI CreateFontA(int cHeight, int /*cWidth*/, int /*cEscapement*/, int /*cOrientation*/,
                         int cWeight, DWORD bItalic, DWORD /*bUnderline*/, DWORD /*bStrikeOut*/,
                         DWORD /*iCharSet*/, DWORD /*iOutPrecision*/, DWORD /*iClipPrecision*/,
                         DWORD /*iQuality*/, DWORD iPitchAndFamily, LPCSTR pszFaceName) {
  std::uint32_t handle = 0;
  GdiObject* object = new_object(objects(), GdiKind::kFont, handle);
  if (!object) return nullptr;
  FontRequest& font = object->font;
  font.height = cHeight;
  font.weight = cWeight == FW_DONTCARE ? FW_NORMAL : cWeight;
  font.italic = bItalic != 0;
  font.monospace = (iPitchAndFamily & 0x3u) == 1u;  // FIXED_PITCH
  // A face name holds at most 31 characters, as LOGFONT's buffer does; the slot's string
  // keeps its storage from the fonts it held before.
  font.face.clear();
  if (pszFaceName) {
    std::size_t length = 0;
    while (length < 31 && pszFaceName[length] != '\0') ++length;
    font.face.assign(pszFaceName, length);
  }
  return to_handle<HFONT>(handle);
}

BOOL WINAPI DeleteObject(HGDIOBJ ho) {
  GdiObject* object = find_gdi_object(ho);
  if (!object) return FALSE;
  if (object->references != 1) [[unlikely]] {
    // Stock objects are shared and never deleted; a second deletion of a waiting one changes
    // nothing. A selected bitmap holds a DC's pixels: refuse. A selected pen, brush or font
    // goes when the last DC lets it go, so the DC never draws with a freed object.
    if (object->stock || object->delete_pending()) return TRUE;
    if (object->kind == GdiKind::kBitmap) return FALSE;
    --object->references;
    return TRUE;
  }
  // The handle was found, so its value fits in 32 bits.
  const auto handle = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(ho));
  if (object->kind == GdiKind::kBitmap) [[unlikely]] {
    free_bitmap(handle, *object);
    return TRUE;
  }
  free_small_object(handle, *object);
  return TRUE;
}

}  // extern "C"
