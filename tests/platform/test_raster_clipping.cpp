// Shapes with coordinates anywhere in the int range: clipped exactly, no overflow, and the
// work bounded by the visible pixels (these would take minutes if walked in full).
#include <gtest/gtest.h>

#include <climits>

#include "test_gdi_surface.h"

namespace {

using namespace gdi_test;

using ExtremeCoordinates = GdiTest;

TEST_F(ExtremeCoordinates, LinesAcrossTheWholeRangeAreExact) {
  Surface s(20, 10);
  PenAndBrush pb(s.dc(), 1, kRed, CLR_INVALID);
  MoveToEx(s.dc(), INT_MIN, 5, nullptr);
  LineTo(s.dc(), INT_MAX, 5);
  EXPECT_EQ(s.of_colour(kRed).size(), 20u);
  for (int x = 0; x < 20; ++x) EXPECT_EQ(s.at(x, 5), kRed);

  s.fill(kWhite);
  MoveToEx(s.dc(), INT_MIN, INT_MIN, nullptr);
  LineTo(s.dc(), INT_MAX, INT_MAX);  // exactly diagonal
  PixelSet diagonal;
  for (int k = 0; k < 10; ++k) diagonal.insert({k, k});
  EXPECT_EQ(s.of_colour(kRed), diagonal);

  // One minor step over 2^32 - 1 major steps: it falls exactly at x = 0.
  s.fill(kWhite);
  MoveToEx(s.dc(), INT_MIN, 0, nullptr);
  LineTo(s.dc(), INT_MAX, 1);
  for (int x = 0; x < 20; ++x) EXPECT_EQ(s.at(x, 1), kRed) << x;
  EXPECT_EQ(s.of_colour(kRed).size(), 20u);

  s.fill(kWhite);
  MoveToEx(s.dc(), INT_MAX, INT_MIN, nullptr);
  LineTo(s.dc(), INT_MIN, INT_MAX);
  MoveToEx(s.dc(), 3, INT_MAX, nullptr);
  LineTo(s.dc(), 3, INT_MIN);
  EXPECT_EQ(s.at(3, 0), kRed);
  EXPECT_EQ(s.at(3, 9), kRed);
}

TEST_F(ExtremeCoordinates, HugeBoxesAndEllipsesCoverWhatIsVisible) {
  Surface s(30, 20);
  {
    PenAndBrush pb(s.dc(), 0, kRed, kRed);
    EXPECT_TRUE(Rectangle(s.dc(), INT_MIN, INT_MIN, INT_MAX, INT_MAX));
  }
  EXPECT_EQ(s.of_colour(kRed).size(), 600u);

  s.fill(kWhite);
  {
    PenAndBrush pb(s.dc(), 0, kBlue, kBlue);
    // A two-billion-pixel ellipse around the surface fills all of it.
    EXPECT_TRUE(Ellipse(s.dc(), -1000000000, -1000000000, 1000000030, 1000000020));
  }
  EXPECT_EQ(s.of_colour(kBlue).size(), 600u);

  s.fill(kWhite);
  {
    PenAndBrush pb(s.dc(), 1, kRed, CLR_INVALID);
    // The leftmost stretch of a giant ellipse: its outline passes through the middle row.
    EXPECT_TRUE(Ellipse(s.dc(), 5, -2000000000, 2000000005, 2000000019));
    EXPECT_TRUE(Ellipse(s.dc(), INT_MIN, INT_MIN, INT_MAX, INT_MAX));
  }
  EXPECT_EQ(s.at(5, 9), kRed);
  EXPECT_EQ(s.at(4, 9), kWhite);
  EXPECT_EQ(s.at(15, 9), kWhite);
}

TEST_F(ExtremeCoordinates, HugePolygonsAndWidePensFinish) {
  Surface s(30, 20);
  {
    PenAndBrush pb(s.dc(), 0, kRed, kRed);
    const POINT tri[3] = {{INT_MIN, INT_MIN}, {INT_MAX, INT_MIN}, {0, INT_MAX}};
    EXPECT_TRUE(Polygon(s.dc(), tri, 3));
  }
  EXPECT_EQ(s.of_colour(kRed).size(), 600u);
  s.fill(kWhite);
  {
    PenAndBrush pb(s.dc(), INT_MAX, kBlue, CLR_INVALID);
    MoveToEx(s.dc(), INT_MIN, INT_MAX, nullptr);
    EXPECT_TRUE(LineTo(s.dc(), INT_MAX, INT_MIN));
    EXPECT_TRUE(Ellipse(s.dc(), INT_MIN, INT_MIN, INT_MAX, INT_MAX));
    const POINT tri[3] = {{INT_MIN, 0}, {INT_MAX, 7}, {12, INT_MAX}};
    EXPECT_TRUE(Polygon(s.dc(), tri, 3));
  }
  EXPECT_EQ(s.of_colour(kBlue).size(), 600u);
  {
    PenAndBrush pb(s.dc(), 7, kRed, kRed);
    MoveToEx(s.dc(), INT_MIN, INT_MIN, nullptr);
    LineTo(s.dc(), INT_MIN, INT_MAX);
    Rectangle(s.dc(), INT_MAX, INT_MAX, INT_MIN, INT_MIN);
  }
  EXPECT_TRUE(BitBlt(s.dc(), INT_MAX, INT_MAX, INT_MAX, INT_MAX, s.dc(), INT_MIN, INT_MIN, SRCCOPY));
}

TEST_F(ExtremeCoordinates, WideEllipseOutlinesOfHugeBoxesStayOnTheirPath) {
  Surface s(40, 40);
  for (const int w : {2, 5, 256, 257}) {
    s.fill(kWhite);
    {
      PenAndBrush pb(s.dc(), w, kRed, CLR_INVALID);
      // The outline runs far outside the surface on every side: nothing shows.
      EXPECT_TRUE(Ellipse(s.dc(), INT_MIN, INT_MIN, INT_MAX, INT_MAX));
    }
    EXPECT_TRUE(s.of_colour(kRed).empty()) << "width " << w;
    {
      PenAndBrush pb(s.dc(), w, kRed, CLR_INVALID);
      // Its left side passes down column 20 near the middle rows, all of them visible.
      EXPECT_TRUE(Ellipse(s.dc(), 20, INT_MIN, INT_MAX, INT_MAX));
    }
    for (int y = 0; y < 40; ++y) EXPECT_EQ(s.at(20, y), kRed) << "width " << w << " row " << y;
    if (w < 10) {
      EXPECT_EQ(s.at(20 - w / 2 - 1, 20), kWhite) << "width " << w;
      EXPECT_EQ(s.at(20 + w, 20), kWhite) << "width " << w;
    }
    s.fill(kWhite);
    {
      PenAndBrush pb(s.dc(), w, kRed, CLR_INVALID);
      // A slanted stroke whose ends are far away, along the surface's diagonal.
      MoveToEx(s.dc(), INT_MIN, INT_MIN, nullptr);
      EXPECT_TRUE(LineTo(s.dc(), INT_MAX, INT_MAX - 1));
    }
    for (int i = 0; i < 40; ++i) EXPECT_EQ(s.at(i, i), kRed) << "width " << w << " at " << i;
    if (w < 10) {
      EXPECT_EQ(s.at(30, 5), kWhite) << "width " << w;
    }
  }
}

// Shapes wholly inside the surface take short ways (no clipping, one walk of an ellipse); the
// same shapes cut by the surface's edge take the general one. Both must give the same pixels.
TEST_F(ExtremeCoordinates, ShortAndClippedWaysDrawTheSamePixels) {
  struct Shape {
    enum Kind { kBox, kEllipse, kLine } kind;
    int w, h;        // box size, or the line's end relative to its start
    int pen_width;   // < 0: the null pen
    bool filled;
  };
  const Shape shapes[] = {
      {Shape::kBox, 1, 1, 0, true},    {Shape::kBox, 1, 2, 0, true},     {Shape::kBox, 2, 2, 1, false},
      {Shape::kBox, 2, 5, 0, true},    {Shape::kBox, 6, 4, 1, true},     {Shape::kBox, 5, 3, -1, true},
      {Shape::kBox, 7, 7, 1, false},   {Shape::kEllipse, 3, 3, 0, true}, {Shape::kEllipse, 9, 5, 1, false},
      {Shape::kEllipse, 11, 11, 0, true}, {Shape::kEllipse, 8, 13, -1, true}, {Shape::kLine, 9, 4, 1, false},
      {Shape::kLine, -3, 11, 1, false}, {Shape::kLine, 7, -7, 0, false}, {Shape::kLine, -12, -5, 1, false},
  };
  constexpr int kSide = 40;
  const auto draw = [](HDC dc, const Shape& shape, int x, int y) {
    PenAndBrush pb(dc, shape.pen_width, kRed, shape.filled ? kBlue : CLR_INVALID);
    if (shape.kind == Shape::kBox) Rectangle(dc, x, y, x + shape.w, y + shape.h);
    if (shape.kind == Shape::kEllipse) Ellipse(dc, x, y, x + shape.w, y + shape.h);
    if (shape.kind == Shape::kLine) {
      MoveToEx(dc, x, y, nullptr);
      LineTo(dc, x + shape.w, y + shape.h);
    }
  };
  for (const Shape& shape : shapes) {
    for (const int cut : {1, 2, 4}) {  // how far the clipped copy hangs over the top-left edge
      Surface inside(kSide, kSide), clipped(kSide, kSide);
      draw(inside.dc(), shape, 15, 15);
      draw(clipped.dc(), shape, -cut, -cut);
      for (int y = 0; y + 15 + cut < kSide; ++y)
        for (int x = 0; x + 15 + cut < kSide; ++x)
          ASSERT_EQ(clipped.at(x, y), inside.at(x + 15 + cut, y + 15 + cut))
              << "shape " << &shape - shapes << " cut " << cut << " at " << x << "," << y;
    }
  }
}

}  // namespace
