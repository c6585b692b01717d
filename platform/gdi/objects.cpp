// GDI objects: the handle table, the stock objects, and creating and deleting pens, brushes,
// fonts and bitmaps.
#include <vector>

#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_object.h"
#include "platform/state/platform_state.h"

namespace zorva::platform {
namespace {

GdiObjectTable& objects() { return platform_state().gdi_objects; }

HGDIOBJ add_stock(GdiObjectTable& objects, GdiObject object) {
  object.stock = true;
  return to_handle<HGDIOBJ>(objects.table.add(std::make_unique<GdiObject>(std::move(object))));
}

HGDIOBJ make_stock(GdiObjectTable& objects, int index) {
  auto brush = [](COLORREF c) { return GdiObject{Brush{false, c}}; };
  auto font = [](const char* face, int height, bool mono) {
    FontRequest f;
    f.face = face;
    f.height = height;
    f.monospace = mono;
    return GdiObject{f};
  };
  switch (index) {
    case WHITE_BRUSH: return add_stock(objects, brush(RGB(255, 255, 255)));
    case LTGRAY_BRUSH: return add_stock(objects, brush(RGB(192, 192, 192)));
    case GRAY_BRUSH: return add_stock(objects, brush(RGB(128, 128, 128)));
    case DKGRAY_BRUSH: return add_stock(objects, brush(RGB(64, 64, 64)));
    case BLACK_BRUSH: return add_stock(objects, brush(RGB(0, 0, 0)));
    case NULL_BRUSH: return add_stock(objects, GdiObject{Brush{true, 0}});
    case WHITE_PEN: return add_stock(objects, GdiObject{Pen{PS_SOLID, 0, RGB(255, 255, 255)}});
    case BLACK_PEN: return add_stock(objects, GdiObject{Pen{PS_SOLID, 0, RGB(0, 0, 0)}});
    case NULL_PEN: return add_stock(objects, GdiObject{Pen{PS_NULL, 0, 0}});
    case OEM_FIXED_FONT:
    case ANSI_FIXED_FONT:
    case SYSTEM_FIXED_FONT: return add_stock(objects, font("", 0, true));
    case ANSI_VAR_FONT:
    case SYSTEM_FONT:
    case DEVICE_DEFAULT_FONT:
    case DEFAULT_GUI_FONT: return add_stock(objects, font("", 0, false));
    default: return nullptr;  // index 9 and 15 name no stock object
  }
}

constexpr std::size_t kMaxSpare = 64;

template <typename T>
HGDIOBJ add_object(T value) {
  GdiObjectTable& all = objects();
  std::unique_ptr<GdiObject> object;
  if (all.spare.empty()) {
    object = std::make_unique<GdiObject>();
  } else {
    object = std::move(all.spare.back());
    all.spare.pop_back();
  }
  object->value = std::move(value);
  return to_handle<HGDIOBJ>(all.table.add(std::move(object)));
}

// Frees an object, keeping small records for reuse.
void remove_object(std::uint32_t handle) {
  GdiObjectTable& all = objects();
  std::unique_ptr<GdiObject> object = all.table.remove(handle);
  if (!object || all.spare.size() >= kMaxSpare) return;
  if (std::holds_alternative<Bitmap>(object->value)) return;  // let pixel memory go
  *object = GdiObject{};
  all.spare.push_back(std::move(object));
}

}  // namespace

void GdiObjectTable::add_stock_objects() {
  for (int i = 0; i < kStockCount; ++i) stock[static_cast<std::size_t>(i)] = make_stock(*this, i);
  auto bitmap = std::make_unique<GdiObject>();
  bitmap->value = Bitmap{Pixmap(1, 1, 0)};
  bitmap->stock = true;
  stock_bitmap = to_handle<HBITMAP>(table.add(std::move(bitmap)));
}

HandleTable<GdiObject>& gdi_objects() { return objects().table; }

GdiObject* find_gdi_object(HGDIOBJ handle) { return objects().table.find(from_handle(handle)); }

std::size_t live_gdi_object_count() {
  std::size_t count = 0;
  objects().table.for_each([&](std::uint32_t, const GdiObject& o) {
    if (!o.stock) ++count;
  });
  return count;
}

HPEN default_pen() { return static_cast<HPEN>(objects().stock[BLACK_PEN]); }
HBRUSH default_brush() { return static_cast<HBRUSH>(objects().stock[WHITE_BRUSH]); }
HFONT default_font() { return static_cast<HFONT>(objects().stock[SYSTEM_FONT]); }
HBITMAP default_bitmap() { return objects().stock_bitmap; }

void release_gdi_selection(HGDIOBJ handle) {
  const std::uint32_t value = from_handle(handle);
  GdiObject* object = objects().table.find(value);
  if (!object) return;
  if (object->selected_count > 0) --object->selected_count;
  if (object->selected_count == 0 && object->delete_pending) remove_object(value);
}

}  // namespace zorva::platform

using namespace zorva::platform;

extern "C" {

HGDIOBJ WINAPI GetStockObject(int i) {
  if (i < 0 || i >= kStockCount) return nullptr;
  return objects().stock[static_cast<std::size_t>(i)];
}

HPEN WINAPI CreatePen(int iStyle, int cWidth, COLORREF color) {
  Pen pen;
  pen.style = iStyle == PS_NULL ? PS_NULL : PS_SOLID;
  pen.width = cWidth < 0 ? 0 : cWidth;
  pen.color = color & 0x00FFFFFFu;
  return static_cast<HPEN>(add_object(pen));
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
  return static_cast<HBRUSH>(add_object(Brush{false, color & 0x00FFFFFFu}));
}

HFONT WINAPI CreateFontA(int cHeight, int /*cWidth*/, int /*cEscapement*/, int /*cOrientation*/,
                         int cWeight, DWORD bItalic, DWORD /*bUnderline*/, DWORD /*bStrikeOut*/,
                         DWORD /*iCharSet*/, DWORD /*iOutPrecision*/, DWORD /*iClipPrecision*/,
                         DWORD /*iQuality*/, DWORD iPitchAndFamily, LPCSTR pszFaceName) {
  FontRequest font;
  font.height = cHeight;
  font.weight = cWeight == FW_DONTCARE ? FW_NORMAL : cWeight;
  font.italic = bItalic != 0;
  font.monospace = (iPitchAndFamily & 0x3u) == 1u;  // FIXED_PITCH
  if (pszFaceName) {
    // A face name holds at most 31 characters, as LOGFONT's buffer does.
    for (int i = 0; i < 31 && pszFaceName[i] != '\0'; ++i) font.face.push_back(pszFaceName[i]);
  }
  return static_cast<HFONT>(add_object(std::move(font)));
}

BOOL WINAPI DeleteObject(HGDIOBJ ho) {
  const std::uint32_t value = from_handle(ho);
  GdiObject* object = objects().table.find(value);
  if (!object) return FALSE;
  if (object->stock) return TRUE;  // stock objects are shared and never deleted
  if (object->selected_count > 0) {
    // A selected bitmap holds a DC's pixels: refuse. A selected pen, brush or font goes when
    // the last DC lets it go, so the DC never draws with a freed object.
    if (std::holds_alternative<Bitmap>(object->value)) return FALSE;
    object->delete_pending = true;
    return TRUE;
  }
  remove_object(value);
  return TRUE;
}

}  // extern "C"
