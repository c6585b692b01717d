// The renderer's pixels on the surface: the transform, the inclusive boxes, fill only at
// width 0, lines without their end pixel, clear's border, text placement, and geometry far
// outside the surface.
#include <climits>
#include <cstring>

#include "drawing/draw_record.h"
#include "test_drawing_fixture.h"

namespace zorva::testing_support {
namespace {

class Rendering : public DrawingSurface {};

TEST_F(Rendering, PixelFollowsTheLogicalTransform) {
  ZORVA_draw_pixel(RED, 0, 0);
  ZORVA_draw_pixel(BLUE, 1, 1);
  ZORVA_draw_pixel(GREEN, -kOriginX, -(kSurfaceHeight - 1 - kOriginY));
  EXPECT_EQ(device(kOriginX, kOriginY), color_values[RED]);
  EXPECT_EQ(device(kOriginX + 1, kOriginY - 1), color_values[BLUE]);
  EXPECT_EQ(device(0, kSurfaceHeight - 1), color_values[GREEN]);
  EXPECT_EQ(count_not_white(), 3);
}

TEST_F(Rendering, ClearLeavesWhiteInsideABlackBorder) {
  ZORVA_draw_rectangle(RED, -1000, 1000, 1000, -1000, 0);
  g_state.surface_dirty = 0;
  EXPECT_EQ(ZORVA_clear(), 1);
  EXPECT_EQ(g_state.surface_dirty, 1);
  int wrong = 0;
  for (int y = 0; y < kSurfaceHeight; ++y) {
    for (int x = 0; x < kSurfaceWidth; ++x) {
      const bool edge = x == 0 || y == 0 || x == kSurfaceWidth - 1 || y == kSurfaceHeight - 1;
      wrong += device(x, y) != color_values[edge ? BLACK : WHITE];
    }
  }
  EXPECT_EQ(wrong, 0);
}

TEST_F(Rendering, FilledBoxesAreInclusive) {
  ZORVA_draw_rectangle(RED, 0, 1, 0, 0, 0);
  EXPECT_EQ(logical(0, 1), color_values[RED]);
  EXPECT_EQ(logical(0, 0), color_values[RED]);
  EXPECT_EQ(count_not_white(), 2);

  paint_white();
  ZORVA_draw_rectangle(BLUE, -2, 3, 4, -1, 0);
  EXPECT_EQ(count_not_white(), 7 * 5);
  EXPECT_EQ(logical(-2, 3), color_values[BLUE]);
  EXPECT_EQ(logical(4, -1), color_values[BLUE]);

  paint_white();
  ZORVA_draw_circle(GREEN, 5, 5, 0);  // a radius of 0 is its one pixel
  EXPECT_EQ(logical(5, 5), color_values[GREEN]);
  EXPECT_EQ(count_not_white(), 1);
}

TEST_F(Rendering, CircleIsSymmetricAroundItsCentre) {
  ZORVA_draw_circle(PURPLE, 10, -20, 7);
  for (int dy = -8; dy <= 8; ++dy) {
    for (int dx = -8; dx <= 8; ++dx) {
      const COLORREF here = logical(10 + dx, -20 + dy);
      EXPECT_EQ(here, logical(10 - dx, -20 + dy)) << dx << "," << dy;
      EXPECT_EQ(here, logical(10 + dx, -20 - dy)) << dx << "," << dy;
      EXPECT_EQ(here, logical(10 + dy, -20 + dx)) << dx << "," << dy;
    }
  }
  EXPECT_EQ(logical(10 + 7, -20), color_values[PURPLE]);
  EXPECT_EQ(logical(10 + 8, -20), color_values[WHITE]);
  EXPECT_EQ(logical(10 + 6, -20 + 6), color_values[WHITE]);
  EXPECT_EQ(logical(10, -20), color_values[PURPLE]);
}

TEST_F(Rendering, ThinLineLeavesItsEndPixel) {
  ZORVA_draw_line(BLACK, 0, 0, 3, 0, 0);
  EXPECT_EQ(device(kOriginX, kOriginY), color_values[BLACK]);
  EXPECT_EQ(device(kOriginX + 1, kOriginY), color_values[BLACK]);
  EXPECT_EQ(device(kOriginX + 2, kOriginY), color_values[BLACK]);
  EXPECT_EQ(device(kOriginX + 3, kOriginY), color_values[WHITE]);
  EXPECT_EQ(count_not_white(), 3);
}

TEST_F(Rendering, WideLineIsAsWideAsAskedAndCoversItsEnd) {
  ZORVA_draw_line(BLACK, -20, 0, 20, 0, -3);  // corrected to 3
  for (int y = -3; y <= 3; ++y) {
    const bool inside = y >= -1 && y <= 1;
    EXPECT_EQ(logical(0, y), color_values[inside ? BLACK : WHITE]) << y;
  }
  EXPECT_EQ(logical(20, 0), color_values[BLACK]);
}

TEST_F(Rendering, HollowShapesLeaveTheirInside) {
  ZORVA_draw_rectangle(RED, -40, 40, 40, -40, 0);  // a red ground under all three
  ZORVA_draw_rectangle(BLUE, -30, 30, 30, -30, 1);
  ZORVA_draw_oval(GREEN, -20, 20, 20, -20, 2);
  ZORVA_draw_triangle(BLACK, -10, -8, 10, -8, 0, 10, 1);
  EXPECT_EQ(logical(0, 0), color_values[RED]);
  EXPECT_EQ(logical(25, 25), color_values[RED]);
  EXPECT_EQ(logical(-30, 0), color_values[BLUE]);
  EXPECT_EQ(logical(30, 30), color_values[BLUE]);
  EXPECT_EQ(logical(0, 20), color_values[GREEN]);
  EXPECT_EQ(logical(0, -8), color_values[BLACK]);
  EXPECT_EQ(logical(-35, 35), color_values[RED]);
}

TEST_F(Rendering, FilledTriangleIsFilledAndOutlinedInItsColour) {
  ZORVA_draw_triangle(ORANGE, -10, -10, 10, -10, 0, 10, 0);
  EXPECT_EQ(logical(0, 0), color_values[ORANGE]);
  EXPECT_EQ(logical(0, 10), color_values[ORANGE]);    // apex, drawn by the outline
  EXPECT_EQ(logical(10, -10), color_values[ORANGE]);  // right corner, too
  EXPECT_EQ(logical(0, 11), color_values[WHITE]);
  EXPECT_EQ(logical(11, -10), color_values[WHITE]);
}

TEST_F(Rendering, SurfaceObjectsAreRestoredAfterEachRecord) {
  HGDIOBJ pen = SelectObject(surface_, GetStockObject(BLACK_PEN));
  HGDIOBJ brush = SelectObject(surface_, GetStockObject(WHITE_BRUSH));
  SelectObject(surface_, pen);
  SelectObject(surface_, brush);
  const int mode = GetBkMode(surface_);
  const std::size_t objects = headless::live_gdi_objects();

  ZORVA_draw_line(RED, 0, 0, 5, 5, 2);
  ZORVA_draw_triangle(RED, 0, 0, 5, 5, 9, 0, 0);
  ZORVA_draw_rectangle(RED, 0, 0, 5, 5, 3);
  ZORVA_draw_oval(RED, 0, 0, 5, 5, 0);
  ZORVA_draw_text(MAGENTA, 0, 0, 20, "restore");
  ZORVA_clear();

  EXPECT_EQ(SelectObject(surface_, GetStockObject(NULL_PEN)), pen);
  EXPECT_EQ(SelectObject(surface_, GetStockObject(NULL_BRUSH)), brush);
  SelectObject(surface_, pen);
  SelectObject(surface_, brush);
  EXPECT_EQ(GetBkMode(surface_), mode);
  EXPECT_EQ(GetTextColor(surface_), color_values[MAGENTA]);  // the one setting that carries over
  EXPECT_EQ(headless::live_gdi_objects(), objects);
}

TEST_F(Rendering, FlushCopiesOnlyAChangedSurface) {
  HDC window = CreateCompatibleDC(nullptr);
  HBITMAP window_bitmap = CreateCompatibleBitmap(window, kSurfaceWidth, kSurfaceHeight);
  SelectObject(window, window_bitmap);
  g_state.window_dc = window;

  ZORVA_draw_pixel(RED, 0, 0);
  EXPECT_EQ(g_state.surface_dirty, 1);
  EXPECT_EQ(ZORVA_flush(), 1);
  EXPECT_EQ(g_state.surface_dirty, 0);
  EXPECT_EQ(GetPixel(window, kOriginX, kOriginY), color_values[RED]);
  EXPECT_EQ(GetPixel(window, kOriginX + 1, kOriginY), color_values[WHITE]);

  SetPixel(surface_, 0, 0, color_values[BLUE]);  // behind the package's back: not copied
  EXPECT_EQ(ZORVA_flush(), 1);
  EXPECT_EQ(g_state.surface_dirty, 0);
  EXPECT_NE(GetPixel(window, 0, 0), color_values[BLUE]);
}

// ---- text ----

TEST_F(Rendering, TextSitsOnItsAnchorAndStepsDownPerLine) {
  ZORVA_draw_text(BLACK, 0, 0, 20, "a");
  const auto [a_top, a_bottom] = inked_rows();
  ASSERT_GE(a_top, 0);
  EXPECT_LT(a_bottom, kOriginY);            // the cell ends just above the anchor's row
  EXPECT_GE(a_top, kOriginY - 30);          // within one line of it

  paint_white();
  ZORVA_draw_text(BLACK, 0, 0, 20, "a\nb");
  const auto [ab_top, ab_bottom] = inked_rows();
  EXPECT_EQ(ab_top, a_top);                 // the first line does not move
  EXPECT_GE(ab_bottom, kOriginY);           // the second starts on the anchor's row

  // The second line is one whole-text extent lower than the first.
  paint_white();
  ZORVA_draw_text(BLACK, 0, 0, 20, "\na");
  const int step = inked_rows().first - a_top;
  EXPECT_GE(step, 20);
  EXPECT_LE(step, 30);
}

TEST_F(Rendering, NewlinesAloneDrawNothingAndATrailingOneChangesNothing) {
  ZORVA_draw_text(BLACK, 0, 0, 20, "\n");
  ZORVA_draw_text(BLACK, 0, 0, 20, "\n\n\n");
  ZORVA_draw_text(BLACK, 0, 0, 20, "");
  EXPECT_EQ(count_not_white(), 0);

  ZORVA_draw_text(NAVY_BLUE, -50, 10, 16, "Line one\nline two");
  const auto without = snapshot();
  paint_white();
  ZORVA_draw_text(NAVY_BLUE, -50, 10, 16, "Line one\nline two\n");
  EXPECT_EQ(snapshot(), without);
}

TEST_F(Rendering, TextColourAndSizeAreUsed) {
  ZORVA_draw_text(RED, 0, 0, 10, "M");
  const auto small = inked_rows();
  paint_white();
  ZORVA_draw_text(RED, 0, 0, 80, "M");
  const auto large = inked_rows();
  EXPECT_GT(large.second - large.first, 4 * (small.second - small.first));
  int red = 0;
  for (int y = large.first; y <= large.second; ++y)
    for (int x = kOriginX; x < kOriginX + 80; ++x) red += device(x, y) == color_values[RED];
  EXPECT_GT(red, 100);

  paint_white();
  ZORVA_draw_text(RED, 0, 0, 0, "M");  // the platform's default height
  EXPECT_GE(inked_rows().first, 0);
}

// ---- far away ----

TEST_F(Rendering, LinesFromTheEdgesOfTheIntRangeKeepTheirDirection) {
  ZORVA_draw_line(BLACK, INT_MIN, 0, INT_MAX, 0, 1);
  for (int x = 0; x < kSurfaceWidth; ++x) ASSERT_EQ(device(x, kOriginY), color_values[BLACK]) << x;

  paint_white();
  // Slope one half through the origin, both ends far outside.
  ZORVA_draw_line(BLUE, INT_MIN + 2, INT_MIN / 2 + 1, INT_MAX - 1, INT_MAX / 2, 1);
  EXPECT_EQ(logical(0, 0), color_values[BLUE]);
  EXPECT_EQ(logical(100, 50), color_values[BLUE]);
  EXPECT_EQ(logical(-200, -100), color_values[BLUE]);
  EXPECT_EQ(logical(100, 100), color_values[WHITE]);
}

TEST_F(Rendering, HugeShapesCoverTheSurfaceAndFarShapesDrawNothing) {
  ZORVA_draw_rectangle(GREEN, INT_MIN, INT_MAX, INT_MAX, INT_MIN, 0);
  EXPECT_EQ(count_not_white(), kSurfaceWidth * kSurfaceHeight);
  EXPECT_EQ(device(0, 0), color_values[GREEN]);

  paint_white();
  ZORVA_draw_triangle(BLUE, INT_MIN, INT_MIN, INT_MAX, INT_MIN, 0, INT_MAX, 0);
  EXPECT_EQ(logical(0, 0), color_values[BLUE]);
  EXPECT_EQ(device(kSurfaceWidth - 1, kSurfaceHeight - 1), color_values[BLUE]);

  paint_white();
  ZORVA_draw_pixel(RED, INT_MAX, INT_MIN);
  ZORVA_draw_pixel(RED, INT_MIN, INT_MAX);
  ZORVA_draw_circle(RED, INT_MAX, INT_MAX, INT_MAX / 4);
  ZORVA_draw_oval(RED, INT_MAX - 5, 5, INT_MAX, 0, 3);
  ZORVA_draw_rectangle(RED, INT_MIN, INT_MIN + 10, INT_MIN + 10, INT_MIN, 2);
  ZORVA_draw_text(RED, INT_MAX, INT_MIN, 127, "far\naway");
  ZORVA_draw_text(RED, INT_MIN, INT_MAX, 127, "far\naway");
  ZORVA_draw_triangle(RED, INT_MAX, INT_MAX, INT_MAX - 9, INT_MAX, INT_MAX, INT_MAX - 9, 0);
  EXPECT_EQ(count_not_white(), 0);
}

TEST_F(Rendering, RendererLeavesTheTextBlockToItsOwner) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4);
  char* text = static_cast<char*>(GlobalLock(block));
  std::memcpy(text, "abc", 4);
  GlobalUnlock(block);
  const DrawRecord record{DRAW_TEXT, BLACK, 0, {0, 0}, {12, text_block_field(block)}, {0, 0}};
  g_state.surface_dirty = 0;
  ZORVA_render(&record);
  EXPECT_EQ(g_state.surface_dirty, 1);
  EXPECT_GT(count_not_white(), 0);
  EXPECT_EQ(GlobalSize(block), 4u);
  EXPECT_EQ(GlobalFree(block), nullptr);
}

}  // namespace
}  // namespace zorva::testing_support
