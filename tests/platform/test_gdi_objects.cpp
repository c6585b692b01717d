// GDI objects and DCs: stock objects, selection, deletion, counts, bad handles, pixels, BitBlt.
#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <vector>

#include "platform/gdi/gdi_object.h"
#include "test_gdi_surface.h"

namespace {

using namespace gdi_test;
using zorva::headless::live_dcs;
using zorva::headless::live_gdi_objects;

using GdiObjects = GdiTest;

TEST_F(GdiObjects, StockObjectsAreSharedAndSurviveDeletion) {
  const HGDIOBJ null_brush = GetStockObject(NULL_BRUSH);
  ASSERT_NE(null_brush, nullptr);
  EXPECT_EQ(GetStockObject(NULL_BRUSH), null_brush);
  EXPECT_NE(GetStockObject(NULL_PEN), nullptr);
  EXPECT_NE(GetStockObject(ANSI_FIXED_FONT), nullptr);
  EXPECT_EQ(GetStockObject(-1), nullptr);
  EXPECT_EQ(GetStockObject(9), nullptr);
  EXPECT_EQ(GetStockObject(1000), nullptr);

  EXPECT_TRUE(DeleteObject(null_brush));  // harmless, and nothing happens
  EXPECT_EQ(GetStockObject(NULL_BRUSH), null_brush);
  Surface s(4, 4);
  EXPECT_NE(SelectObject(s.dc(), null_brush), nullptr);
  EXPECT_EQ(live_gdi_objects(), 1u);  // only the surface's bitmap
}

TEST_F(GdiObjects, SelectRestoreDeleteLeavesCountsFlat) {
  Surface s(8, 8);
  const std::size_t objects = live_gdi_objects();
  const std::size_t dcs = live_dcs();
  for (int i = 0; i < 1000; ++i) {
    HPEN pen = CreatePen(PS_SOLID, i % 4, RGB(i, 0, 0));
    HBRUSH brush = CreateSolidBrush(RGB(0, i, 0));
    HFONT font = CreateFontA(-15, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "ZORVA-font");
    HGDIOBJ old_pen = SelectObject(s.dc(), pen);
    HGDIOBJ old_brush = SelectObject(s.dc(), brush);
    HGDIOBJ old_font = SelectObject(s.dc(), font);
    EXPECT_EQ(SelectObject(s.dc(), old_pen), pen);  // returns the object it replaces
    EXPECT_EQ(SelectObject(s.dc(), old_brush), brush);
    EXPECT_EQ(SelectObject(s.dc(), old_font), font);
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_TRUE(DeleteObject(font));
  }
  EXPECT_EQ(live_gdi_objects(), objects);
  EXPECT_EQ(live_dcs(), dcs);
}

TEST_F(GdiObjects, DeletingASelectedPenWaitsUntilItIsDeselected) {
  Surface s(8, 8);
  const std::size_t before = live_gdi_objects();
  HPEN pen = CreatePen(PS_SOLID, 1, kRed);
  HGDIOBJ old_pen = SelectObject(s.dc(), pen);
  EXPECT_TRUE(DeleteObject(pen));
  EXPECT_EQ(live_gdi_objects(), before + 1);  // still in use by the DC
  MoveToEx(s.dc(), 0, 0, nullptr);
  LineTo(s.dc(), 4, 0);
  EXPECT_EQ(s.at(0, 0), kRed);  // the DC still draws with it
  HDC other = CreateCompatibleDC(nullptr);
  EXPECT_EQ(SelectObject(other, pen), nullptr);  // but nobody may pick it up again
  DeleteDC(other);
  EXPECT_EQ(SelectObject(s.dc(), old_pen), pen);
  EXPECT_EQ(live_gdi_objects(), before);
  EXPECT_FALSE(DeleteObject(pen));  // now stale
}

TEST_F(GdiObjects, BitmapsStayWithOneDcAndCannotBeDeletedWhileSelected) {
  HDC a = CreateCompatibleDC(nullptr);
  HDC b = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(a, 5, 5);
  ASSERT_NE(bitmap, nullptr);
  HGDIOBJ stock = SelectObject(a, bitmap);
  EXPECT_NE(stock, nullptr);
  EXPECT_EQ(SelectObject(b, bitmap), nullptr);
  EXPECT_FALSE(DeleteObject(bitmap));
  EXPECT_EQ(SelectObject(a, stock), bitmap);
  EXPECT_TRUE(DeleteObject(bitmap));
  EXPECT_TRUE(DeleteDC(a));
  EXPECT_TRUE(DeleteDC(b));
  EXPECT_FALSE(DeleteDC(a));
  EXPECT_EQ(live_dcs(), 0u);
  EXPECT_EQ(live_gdi_objects(), 0u);
}

TEST_F(GdiObjects, DestroyingADcReleasesAnObjectWaitingForDeletion) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBRUSH brush = CreateSolidBrush(kBlue);
  SelectObject(dc, brush);
  EXPECT_TRUE(DeleteObject(brush));
  EXPECT_EQ(live_gdi_objects(), 1u);
  DeleteDC(dc);
  EXPECT_EQ(live_gdi_objects(), 0u);
}

// Selected twice into one DC, or into two DCs, and deleted twice: the pen lives until the
// last DC lets go of it, and then exactly once.
TEST_F(GdiObjects, APenSelectedInTwoDcsLivesUntilTheLastLetsGo) {
  HDC a = CreateCompatibleDC(nullptr);
  HDC b = CreateCompatibleDC(nullptr);
  HPEN pen = CreatePen(PS_SOLID, 1, kRed);
  HGDIOBJ stock = SelectObject(a, pen);
  EXPECT_EQ(SelectObject(a, pen), pen);  // the same pen again
  SelectObject(b, pen);
  EXPECT_TRUE(DeleteObject(pen));
  EXPECT_TRUE(DeleteObject(pen));  // still waiting: nothing changes
  EXPECT_EQ(SelectObject(a, stock), pen);
  EXPECT_EQ(live_gdi_objects(), 1u);  // b still draws with it
  EXPECT_EQ(SelectObject(b, stock), pen);
  EXPECT_EQ(live_gdi_objects(), 0u);
  EXPECT_FALSE(DeleteObject(pen));
  HPEN next = CreatePen(PS_SOLID, 1, kBlue);  // takes the freed slot, under a new handle
  EXPECT_NE(next, pen);
  EXPECT_EQ(live_gdi_objects(), 1u);
  DeleteObject(next);
  DeleteDC(a);
  DeleteDC(b);
}

TEST_F(GdiObjects, BadHandlesGiveTheDocumentedFailureValues) {
  HDC dead = CreateCompatibleDC(nullptr);
  DeleteDC(dead);
  for (HDC dc : {static_cast<HDC>(nullptr), dead}) {
    EXPECT_EQ(SetPixel(dc, 0, 0, kRed), CLR_INVALID);
    EXPECT_EQ(GetPixel(dc, 0, 0), CLR_INVALID);
    EXPECT_EQ(SetTextColor(dc, kRed), CLR_INVALID);
    EXPECT_EQ(GetTextColor(dc), CLR_INVALID);
    EXPECT_EQ(SetBkColor(dc, kRed), CLR_INVALID);
    EXPECT_EQ(GetBkColor(dc), CLR_INVALID);
    EXPECT_EQ(SetBkMode(dc, TRANSPARENT), 0);
    EXPECT_EQ(GetBkMode(dc), 0);
    EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_PEN)), nullptr);
    EXPECT_FALSE(MoveToEx(dc, 0, 0, nullptr));
    EXPECT_FALSE(LineTo(dc, 1, 1));
    EXPECT_FALSE(Rectangle(dc, 0, 0, 2, 2));
    EXPECT_FALSE(Ellipse(dc, 0, 0, 4, 4));
    const POINT tri[3] = {{0, 0}, {3, 0}, {0, 3}};
    EXPECT_FALSE(Polygon(dc, tri, 3));
    EXPECT_FALSE(TextOutA(dc, 0, 0, "a", 1));
    SIZE size;
    EXPECT_FALSE(GetTextExtentPointA(dc, "a", 1, &size));
    TEXTMETRICA tm;
    EXPECT_FALSE(GetTextMetricsA(dc, &tm));
    EXPECT_FALSE(DeleteDC(dc));
    EXPECT_EQ(CreateCompatibleBitmap(dc, 4, 4), nullptr);
    EXPECT_FALSE(ScrollDC(dc, 0, 1, nullptr, nullptr, nullptr, nullptr));
  }
  EXPECT_EQ(CreateCompatibleDC(dead), nullptr);
  Surface s(4, 4);
  EXPECT_EQ(SelectObject(s.dc(), nullptr), nullptr);
  EXPECT_EQ(SelectObject(s.dc(), reinterpret_cast<HGDIOBJ>(0x12345678)), nullptr);
  EXPECT_FALSE(DeleteObject(nullptr));
  EXPECT_FALSE(BitBlt(s.dc(), 0, 0, 1, 1, dead, 0, 0, SRCCOPY));
  EXPECT_FALSE(Polygon(s.dc(), nullptr, 3));
  EXPECT_EQ(SetBkMode(s.dc(), 7), 0);  // not a mode
  EXPECT_EQ(GetBkMode(s.dc()), OPAQUE);
}

TEST_F(GdiObjects, NewDcsStartWithTheDefaultTextStateAndAOnePixelBitmap) {
  HDC dc = CreateCompatibleDC(nullptr);
  EXPECT_EQ(GetBkColor(dc), kWhite);
  EXPECT_EQ(GetBkMode(dc), OPAQUE);
  EXPECT_EQ(GetTextColor(dc), kBlack);
  EXPECT_EQ(SetTextColor(dc, kRed), kBlack);
  EXPECT_EQ(GetTextColor(dc), kRed);
  EXPECT_EQ(SetBkMode(dc, TRANSPARENT), OPAQUE);
  EXPECT_EQ(SetBkColor(dc, kBlue), kWhite);
  EXPECT_EQ(GetPixel(dc, 0, 0), kBlack);
  EXPECT_EQ(GetPixel(dc, 1, 0), CLR_INVALID);
  DeleteDC(dc);
}

TEST_F(GdiObjects, CompatibleBitmapsRefuseSillySizesAndStartBlack) {
  Surface s(2, 2);
  EXPECT_EQ(CreateCompatibleBitmap(s.dc(), 0, 5), nullptr);
  EXPECT_EQ(CreateCompatibleBitmap(s.dc(), 5, -1), nullptr);
  EXPECT_EQ(CreateCompatibleBitmap(s.dc(), INT_MAX, INT_MAX), nullptr);
  EXPECT_EQ(CreateCompatibleBitmap(s.dc(), 1 << 20, 1 << 20), nullptr);
  HBITMAP fresh = CreateCompatibleBitmap(s.dc(), 3, 3);
  HDC dc = CreateCompatibleDC(s.dc());
  HGDIOBJ old = SelectObject(dc, fresh);
  EXPECT_EQ(GetPixel(dc, 2, 2), kBlack);
  SelectObject(dc, old);
  DeleteObject(fresh);
  DeleteDC(dc);
}

TEST_F(GdiObjects, SetPixelClipsAndReportsTheColourSet) {
  Surface s(3, 3);
  EXPECT_EQ(SetPixel(s.dc(), 1, 2, kRed), kRed);
  EXPECT_EQ(s.at(1, 2), kRed);
  EXPECT_EQ(SetPixel(s.dc(), 3, 0, kRed), CLR_INVALID);
  EXPECT_EQ(SetPixel(s.dc(), -1, 0, kRed), CLR_INVALID);
  EXPECT_EQ(SetPixel(s.dc(), INT_MIN, INT_MAX, kRed), CLR_INVALID);
  EXPECT_EQ(SetPixel(s.dc(), 0, 0, 0xFF0000FFu), kRed);  // high byte ignored
  EXPECT_EQ(s.not_colour(kWhite).size(), 2u);
}

// Objects are created and deleted for every shape, so their slots are reused at once: a reused
// slot must never revive a deleted handle, nor draw with what it held before.
TEST_F(GdiObjects, ReusedSlotsNeverReviveDeletedHandles) {
  Surface s(4, 1);
  std::set<HGDIOBJ> live;
  std::vector<HGDIOBJ> deleted;
  for (int round = 0; round < 300; ++round) {
    HGDIOBJ pen = CreatePen(PS_SOLID, 0, RGB(round % 256, 0, 0));
    HGDIOBJ brush = CreateSolidBrush(RGB(0, round % 256, 0));
    EXPECT_TRUE(live.insert(pen).second && live.insert(brush).second);  // unique while live
    if (round % 3 != 0) {
      // Looked up just before it goes, so any memory of the last handle is of this one.
      EXPECT_NE(SelectObject(s.dc(), pen), nullptr);
      SelectObject(s.dc(), GetStockObject(BLACK_PEN));
      EXPECT_TRUE(DeleteObject(pen));
      EXPECT_TRUE(DeleteObject(brush));
      live.erase(pen);
      live.erase(brush);
      deleted.push_back(pen);
      deleted.push_back(brush);
    }
  }
  for (HGDIOBJ gone : deleted) {
    EXPECT_FALSE(DeleteObject(gone));
    EXPECT_EQ(SelectObject(s.dc(), gone), nullptr);
  }
  for (HGDIOBJ object : live) EXPECT_TRUE(DeleteObject(object));
  EXPECT_EQ(live_gdi_objects(), 1u);  // the surface's bitmap

  // A DC deleted right after use is gone too, and its slot's next DC is a new handle.
  HDC dc = CreateCompatibleDC(nullptr);
  EXPECT_EQ(GetPixel(dc, 0, 0), kBlack);
  EXPECT_TRUE(DeleteDC(dc));
  EXPECT_EQ(GetPixel(dc, 0, 0), CLR_INVALID);
  HDC next = CreateCompatibleDC(nullptr);
  EXPECT_NE(next, dc);
  EXPECT_EQ(GetPixel(dc, 0, 0), CLR_INVALID);
  DeleteDC(next);
}

TEST_F(GdiObjects, AReusedPenOrBrushDrawsWithItsOwnColour) {
  Surface s(3, 1);
  // Each pair is created in the slot the one before left: the same colour twice, then others.
  const COLORREF colours[] = {kRed, kRed, kBlue, kBlack, kBlack, RGB(1, 2, 3)};
  for (COLORREF c : colours) {
    for (int x = 0; x < 3; ++x) SetPixel(s.dc(), x, 0, kWhite);
    PenAndBrush pb(s.dc(), 0, c, c);
    Rectangle(s.dc(), 0, 0, 3, 2);  // its top row in the pen's colour
    EXPECT_EQ(s.at(1, 0), c);
  }
  {
    PenAndBrush hollow(s.dc(), -1, kBlack, CLR_INVALID);  // the null pen and hollow brush draw nothing
    SetPixel(s.dc(), 1, 0, kWhite);
    Rectangle(s.dc(), 0, 0, 3, 2);
    EXPECT_EQ(s.at(1, 0), kWhite);
  }
}

TEST_F(GdiObjects, AFullStoreRefusesNewObjectsAndRecovers) {
  std::vector<HGDIOBJ> made;
  for (HGDIOBJ b; (b = CreateSolidBrush(kRed)) != nullptr;) made.push_back(b);
  EXPECT_GT(made.size(), 60000u);  // handles hold a 16-bit slot number
  EXPECT_EQ(CreatePen(PS_SOLID, 1, kRed), nullptr);
  EXPECT_TRUE(DeleteObject(made.back()));
  EXPECT_NE(CreatePen(PS_SOLID, 1, kRed), nullptr);  // a freed slot serves any kind
  made.pop_back();
  for (HGDIOBJ b : made) DeleteObject(b);
  EXPECT_EQ(live_gdi_objects(), 1u);  // the pen
}

class BlockCopy : public GdiTest {};

TEST_F(BlockCopy, CopiesAndClipsOnBothSides) {
  Surface from(4, 4);
  Surface to(4, 4);
  from.fill(kRed);
  SetPixel(from.dc(), 0, 0, kBlue);
  EXPECT_TRUE(BitBlt(to.dc(), 2, 2, 10, 10, from.dc(), 0, 0, SRCCOPY));
  EXPECT_EQ(to.at(2, 2), kBlue);
  EXPECT_EQ(to.at(3, 3), kRed);
  EXPECT_EQ(to.at(1, 1), kWhite);
  EXPECT_EQ(to.not_colour(kWhite).size(), 4u);

  to.fill(kWhite);
  EXPECT_TRUE(BitBlt(to.dc(), -1, -1, 4, 4, from.dc(), -2, 0, SRCCOPY));  // source starts outside
  // Block column i lands on x = i - 1 and reads x = i - 2: only i = 2, 3 exist on both sides;
  // block row j lands on y = j - 1 and reads y = j.
  EXPECT_EQ(to.at(0, 0), kWhite);
  EXPECT_EQ(to.at(1, 0), kRed);
  EXPECT_EQ(to.at(2, 2), kRed);
  EXPECT_EQ(to.at(3, 0), kWhite);
  EXPECT_EQ(to.at(1, 3), kWhite);
  EXPECT_EQ(to.not_colour(kWhite).size(), 6u);
  EXPECT_TRUE(BitBlt(to.dc(), INT_MIN, INT_MAX, INT_MAX, INT_MAX, from.dc(), INT_MAX, INT_MIN, SRCCOPY));
  EXPECT_TRUE(BitBlt(to.dc(), 0, 0, -5, 3, from.dc(), 0, 0, SRCCOPY));
  EXPECT_FALSE(BitBlt(to.dc(), 0, 0, 1, 1, from.dc(), 0, 0, 0x00EE0086));  // only SRCCOPY
}

TEST_F(BlockCopy, OverlappingCopyWithinOneSurfaceKeepsThePicture) {
  Surface s(6, 6);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) SetPixel(s.dc(), x, y, RGB(x * 10, y * 10, 0));
  EXPECT_TRUE(BitBlt(s.dc(), 1, 1, 5, 5, s.dc(), 0, 0, SRCCOPY));
  for (int y = 1; y < 6; ++y)
    for (int x = 1; x < 6; ++x) EXPECT_EQ(s.at(x, y), RGB((x - 1) * 10, (y - 1) * 10, 0)) << x << "," << y;
  EXPECT_TRUE(BitBlt(s.dc(), 0, 0, 5, 5, s.dc(), 1, 1, SRCCOPY));
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(s.at(x, y), RGB(x * 10, y * 10, 0)) << x << "," << y;
}

class Scrolling : public GdiTest {};

TEST_F(Scrolling, MovesPixelsAndLeavesTheUncoveredStrip) {
  Surface s(4, 6);
  for (int y = 0; y < 6; ++y) SetPixel(s.dc(), 0, y, RGB(0, 0, y * 40));
  RECT update{};
  EXPECT_TRUE(ScrollDC(s.dc(), 0, -2, nullptr, nullptr, nullptr, &update));
  for (int y = 0; y < 4; ++y) EXPECT_EQ(s.at(0, y), RGB(0, 0, (y + 2) * 40));
  EXPECT_EQ(s.at(0, 4), RGB(0, 0, 160));  // left as it was
  EXPECT_EQ(s.at(0, 5), RGB(0, 0, 200));
  EXPECT_EQ(update.top, 4);
  EXPECT_EQ(update.bottom, 6);
  EXPECT_EQ(update.left, 0);
  EXPECT_EQ(update.right, 4);

  const RECT clip{0, 0, 4, 1};  // only row 0 may change
  EXPECT_TRUE(ScrollDC(s.dc(), 0, -1, nullptr, &clip, nullptr, nullptr));
  EXPECT_EQ(s.at(0, 0), RGB(0, 0, 120));
  EXPECT_EQ(s.at(0, 1), RGB(0, 0, 120));
  EXPECT_TRUE(ScrollDC(s.dc(), INT_MIN, INT_MAX, nullptr, nullptr, nullptr, &update));
}

}  // namespace
