// GDI objects (pens, brushes, fonts, bitmaps) and their store.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/core/handle_store.h"
#include "platform/core/handle_table.h"
#include "platform/core/pixmap.h"
#include "platform/text/font_request.h"
#include "platform/win32.h"

namespace zorva::platform {

struct Pen {
  int style = PS_SOLID;
  int width = 0;  // 0 and 1 both draw one pixel wide
  COLORREF color = 0;
  bool operator==(const Pen&) const = default;
};

struct Brush {
  bool hollow = false;  // NULL_BRUSH: fills nothing
  COLORREF color = 0;
  bool operator==(const Brush&) const = default;
};

struct Bitmap {
  Pixmap pixels;
  HWND shown_in = nullptr;  // the window that shows these pixels without a copy of its own
};

// What drawing needs of a pen or a brush, worked out when it is made. The defaults are those
// of the default Pen and Brush (solid black), so a record's state always matches its object.
struct PenState {
  bool draws = true;       // PS_NULL draws nothing
  std::int64_t width = 1;  // widths 0 and 1 both draw one pixel wide
  std::uint32_t pixel = 0;
};
struct BrushState {
  bool fills = true;  // the hollow brush fills nothing
  std::uint32_t pixel = 0;
};

enum class GdiKind : std::uint8_t { kFree, kPen, kBrush, kFont, kBitmap };

// One object of the store. Only the member its kind names is in use. A deleted object's slot
// goes back to its kind's free chain and keeps its record: the next object of that kind finds
// a face name's storage there, or the very pen or brush it asks for, so creating an object
// allocates nothing and often has nothing to work out.
struct GdiObject {
  GdiKind kind = GdiKind::kFree;
  bool stock = false;  // stock objects are never deleted
  // Two for every DC that has it selected, plus one until the program deletes it; the object
  // is freed when none is left. DeleteObject of a selected pen, brush or font takes the one
  // away and the last DC to let go frees it. A stock object counts as selected once more, so
  // it never reaches 1 or 0: each test is a single comparison.
  int references = 1;
  bool delete_pending() const { return (references & 1) == 0; }
  bool selected() const { return references > 1; }
  Pen pen;
  PenState pen_state;  // pens: what drawing needs of it
  Brush brush;
  BrushState brush_state;
  FontRequest font;
  Bitmap bitmap;
};

inline constexpr int kStockCount = DEFAULT_GUI_FONT + 1;

// The live GDI objects, stock objects included.
struct GdiObjectTable {
  // One free chain per kind (indexed by GdiKind).
  HandleStore<GdiObject, 5> store{static_cast<std::uint32_t>(HandleKind::GdiObject)};
  std::array<HGDIOBJ, kStockCount> stock{};  // by GetStockObject index
  HBITMAP stock_bitmap = nullptr;            // the 1x1 bitmap of a fresh memory DC

  // Creates the stock objects; they are never deleted.
  void add_stock_objects();
};

// Makes a bitmap of the given pixels; nullptr when the store is full.
HBITMAP add_bitmap(Pixmap pixels);

// Live objects created by the program (stock objects are not counted); for tests.
std::size_t live_gdi_object_count();

// The stock objects a new DC starts with, handle and record.
struct SelectedObject {
  HGDIOBJ handle = nullptr;
  GdiObject* object = nullptr;
};
SelectedObject default_pen();     // BLACK_PEN
SelectedObject default_brush();   // WHITE_BRUSH
SelectedObject default_font();    // SYSTEM_FONT
SelectedObject default_bitmap();  // the 1x1 stock bitmap of a fresh memory DC

// Frees an object whose last selection went away after its deletion was asked for.
void free_gdi_object(HGDIOBJ handle, GdiObject& object);

}  // namespace zorva::platform
