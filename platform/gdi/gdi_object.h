// GDI objects (pens, brushes, fonts, bitmaps) and their handle table.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <variant>
#include <vector>

#include "platform/core/handle_table.h"
#include "platform/core/pixmap.h"
#include "platform/text/font_request.h"
#include "platform/win32.h"

namespace zorva::platform {

struct Pen {
  int style = PS_SOLID;
  int width = 0;  // 0 and 1 both draw one pixel wide
  COLORREF color = 0;
};

struct Brush {
  bool hollow = false;  // NULL_BRUSH: fills nothing
  COLORREF color = 0;
};

struct Bitmap {
  Pixmap pixels;
};

struct GdiObject {
  std::variant<Pen, Brush, FontRequest, Bitmap> value;
  bool stock = false;  // stock objects are never deleted
  int selected_count = 0;  // number of DCs that have it selected
  bool delete_pending = false;  // DeleteObject while selected: freed when the last DC lets go
};

inline constexpr int kStockCount = DEFAULT_GUI_FONT + 1;

// The live GDI objects, stock objects included.
struct GdiObjectTable {
  HandleTable<GdiObject> table{HandleKind::GdiObject};
  std::array<HGDIOBJ, kStockCount> stock{};  // by GetStockObject index
  HBITMAP stock_bitmap = nullptr;            // the 1x1 bitmap of a fresh memory DC
  // Records of deleted pens and brushes kept for reuse: the package creates and deletes a
  // pen and a brush for every shape, and this spares the allocator.
  std::vector<std::unique_ptr<GdiObject>> spare;

  // Creates the stock objects; they are never deleted.
  void add_stock_objects();
};

// The table of live GDI objects (stock objects included).
HandleTable<GdiObject>& gdi_objects();
GdiObject* find_gdi_object(HGDIOBJ handle);
template <typename T>
T* find_gdi(HGDIOBJ handle) {
  GdiObject* o = find_gdi_object(handle);
  return o ? std::get_if<T>(&o->value) : nullptr;
}

// Live objects created by the program (stock objects are not counted); for tests.
std::size_t live_gdi_object_count();

// The stock objects a new DC starts with.
HPEN default_pen();      // BLACK_PEN
HBRUSH default_brush();  // WHITE_BRUSH
HFONT default_font();    // SYSTEM_FONT
HBITMAP default_bitmap();  // the 1x1 stock bitmap of a fresh memory DC

// A DC lets go of an object it had selected; frees it if its deletion was waiting for that.
void release_gdi_selection(HGDIOBJ handle);

}  // namespace zorva::platform
