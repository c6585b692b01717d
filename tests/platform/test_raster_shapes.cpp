// The pixel rules of lines, rectangles, polygons and ellipses.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "test_gdi_surface.h"

namespace {

using namespace gdi_test;

using RasterRules = GdiTest;

TEST_F(RasterRules, ClearingTheSurfaceLeavesAOnePixelBlackBorder) {
  Surface s(601, 540);
  s.fill(RGB(1, 2, 3));
  {
    HBRUSH white = CreateSolidBrush(kWhite);
    HGDIOBJ old = SelectObject(s.dc(), white);
    EXPECT_TRUE(Rectangle(s.dc(), 0, 0, 601, 540));  // with the DC's default pen
    SelectObject(s.dc(), old);
    DeleteObject(white);
  }
  const PixelSet black = s.of_colour(kBlack);
  EXPECT_EQ(black.size(), 2u * 601 + 2u * 538);
  for (auto [x, y] : black) EXPECT_TRUE(x == 0 || x == 600 || y == 0 || y == 539) << x << "," << y;
  EXPECT_EQ(s.of_colour(kWhite).size(), 599u * 538u);
}

TEST_F(RasterRules, BoxesExcludeTheirRightColumnAndBottomRow) {
  Surface s(20, 20);
  {
    PenAndBrush pb(s.dc(), 0, kRed, kRed);
    Rectangle(s.dc(), 5, 4, 6, 6);  // a filled rectangle of one column, two rows
  }
  EXPECT_EQ(s.not_colour(kWhite), (PixelSet{{5, 4}, {5, 5}}));

  s.fill(kWhite);
  {
    PenAndBrush pb(s.dc(), 1, kRed, kBlue);
    Rectangle(s.dc(), 2, 3, 7, 6);
  }
  EXPECT_EQ(s.of_colour(kBlue), (PixelSet{{3, 4}, {4, 4}, {5, 4}}));
  EXPECT_EQ(s.of_colour(kRed).size(), 12u);  // the border of 5 x 3 pixels
  EXPECT_EQ(s.at(7, 3), kWhite);

  s.fill(kWhite);
  {
    PenAndBrush pb(s.dc(), -1, 0, kBlue);  // no pen: the brush alone stops one short
    Rectangle(s.dc(), 7, 6, 2, 3);  // corners in either order
  }
  EXPECT_EQ(s.of_colour(kBlue).size(), 4u * 2u);
  EXPECT_EQ(s.at(2, 3), kBlue);
  EXPECT_EQ(s.at(6, 5), kWhite);
}

TEST_F(RasterRules, AOnePixelBoxDrawsItsPixel) {
  Surface s(10, 10);
  {
    PenAndBrush pb(s.dc(), 0, kRed, kRed);
    Rectangle(s.dc(), 2, 2, 3, 3);
    Ellipse(s.dc(), 6, 6, 7, 7);
  }
  EXPECT_EQ(s.not_colour(kWhite), (PixelSet{{2, 2}, {6, 6}}));
  s.fill(kWhite);
  {
    PenAndBrush pb(s.dc(), 0, kRed, kRed);
    Rectangle(s.dc(), 2, 2, 2, 5);  // no width: nothing
  }
  EXPECT_TRUE(s.not_colour(kWhite).empty());
}

TEST_F(RasterRules, OnePixelLinesLeaveOutTheirEndPixel) {
  Surface s(20, 20);
  PenAndBrush pb(s.dc(), 1, kRed, CLR_INVALID);
  MoveToEx(s.dc(), 10, 10, nullptr);
  EXPECT_TRUE(LineTo(s.dc(), 13, 10));
  EXPECT_EQ(s.not_colour(kWhite), (PixelSet{{10, 10}, {11, 10}, {12, 10}}));
  POINT previous{};
  MoveToEx(s.dc(), 4, 4, &previous);
  EXPECT_EQ(previous.x, 13);  // LineTo moved the current position to its end
  LineTo(s.dc(), 4, 4);      // zero length: nothing
  LineTo(s.dc(), 4, 1);      // upwards
  EXPECT_EQ(s.at(4, 4), kRed);
  EXPECT_EQ(s.at(4, 2), kRed);
  EXPECT_EQ(s.at(4, 1), kWhite);
  s.fill(kWhite);
  MoveToEx(s.dc(), 0, 0, nullptr);
  LineTo(s.dc(), 4, 2);  // a tie at x = 1 and x = 3 rounds towards the start
  EXPECT_EQ(s.not_colour(kWhite), (PixelSet{{0, 0}, {1, 0}, {2, 1}, {3, 1}}));
}

// Deterministic pseudo-random numbers for property tests.
struct Lcg {
  std::uint32_t state;
  int next(int lo, int hi) {
    state = state * 1103515245u + 12345u;
    return lo + static_cast<int>((state >> 8) % static_cast<std::uint32_t>(hi - lo + 1));
  }
};

PixelSet line_pixels(Surface& s, int x0, int y0, int x1, int y1) {
  s.fill(kWhite);
  PenAndBrush pb(s.dc(), 0, kBlack, CLR_INVALID);
  MoveToEx(s.dc(), x0, y0, nullptr);
  LineTo(s.dc(), x1, y1);
  return s.of_colour(kBlack);
}

TEST_F(RasterRules, ALineAndItsReverseCoverTheSamePixels) {
  Surface s(40, 40);
  Lcg rng{7};
  for (int i = 0; i < 300; ++i) {
    const int x0 = rng.next(0, 39), y0 = rng.next(0, 39), x1 = rng.next(0, 39), y1 = rng.next(0, 39);
    PixelSet forward = line_pixels(s, x0, y0, x1, y1);
    PixelSet backward = line_pixels(s, x1, y1, x0, y0);
    if (x0 != x1 || y0 != y1) {
      forward.insert({x1, y1});
      backward.insert({x0, y0});
    }
    EXPECT_EQ(forward, backward) << x0 << "," << y0 << " -> " << x1 << "," << y1;
  }
}

// A straightforward Bresenham walk over every step, the rule the clipped walk must follow.
PixelSet reference_line(int x0, int y0, int x1, int y1, int width, int height) {
  PixelSet out;
  const int dx = std::abs(x1 - x0), dy = std::abs(y1 - y0);
  const bool x_major = dx >= dy;
  const int major = x_major ? dx : dy, minor = x_major ? dy : dx;
  const int sx = x1 > x0 ? 1 : -1, sy = y1 > y0 ? 1 : -1;
  const bool round_away = x_major ? y1 < y0 : x1 < x0;  // octants 3, 5, 6 and 8
  int error = 2 * minor - major - (round_away ? 0 : 1);
  int x = x0, y = y0;
  for (int i = 0; i < major; ++i) {
    if (x >= 0 && x < width && y >= 0 && y < height) out.insert({x, y});
    if (error >= 0) {
      if (x_major) y += sy;
      else x += sx;
      error -= 2 * major;
    }
    error += 2 * minor;
    if (x_major) x += sx;
    else y += sy;
  }
  return out;
}

TEST_F(RasterRules, ClippedLinesMatchTheFullWalk) {
  Surface s(40, 30);
  Lcg rng{42};
  for (int i = 0; i < 400; ++i) {
    const int x0 = rng.next(-300, 340), y0 = rng.next(-300, 330);
    const int x1 = rng.next(-300, 340), y1 = rng.next(-300, 330);
    EXPECT_EQ(line_pixels(s, x0, y0, x1, y1), reference_line(x0, y0, x1, y1, 40, 30))
        << x0 << "," << y0 << " -> " << x1 << "," << y1;
  }
}

TEST_F(RasterRules, PolygonsFillWithTheAlternateRuleAndOutlineWithThePen) {
  Surface s(30, 30);
  const POINT square[4] = {{2, 2}, {6, 2}, {6, 6}, {2, 6}};
  {
    PenAndBrush pb(s.dc(), -1, 0, kBlue);
    EXPECT_TRUE(Polygon(s.dc(), square, 4));
  }
  EXPECT_EQ(s.of_colour(kBlue).size(), 16u);  // the brush alone leaves the right and bottom edge
  EXPECT_EQ(s.at(6, 6), kWhite);
  {
    PenAndBrush pb(s.dc(), 1, kRed, kBlue);
    Polygon(s.dc(), square, 4);
  }
  EXPECT_EQ(s.of_colour(kRed).size(), 16u);
  EXPECT_EQ(s.of_colour(kBlue).size(), 9u);

  s.fill(kWhite);
  const POINT star[5] = {{15, 2}, {21, 24}, {4, 10}, {26, 10}, {9, 24}};
  {
    PenAndBrush pb(s.dc(), -1, 0, kBlue);
    Polygon(s.dc(), star, 5);
  }
  EXPECT_EQ(s.at(15, 14), kWhite);  // the middle is crossed twice: outside
  EXPECT_EQ(s.at(15, 6), kBlue);    // a point of the star
  EXPECT_FALSE(Polygon(s.dc(), star, 1));
  EXPECT_FALSE(Polygon(s.dc(), star, -4));
}

TEST_F(RasterRules, HollowShapesKeepTheirInside) {
  Surface s(40, 40);
  s.fill(kBlue);
  {
    PenAndBrush pb(s.dc(), 1, kRed, CLR_INVALID);
    Rectangle(s.dc(), 2, 2, 12, 12);
    Ellipse(s.dc(), 20, 2, 35, 17);
    const POINT tri[3] = {{2, 38}, {18, 38}, {10, 22}};
    Polygon(s.dc(), tri, 3);
  }
  EXPECT_EQ(s.at(7, 7), kBlue);
  EXPECT_EQ(s.at(27, 9), kBlue);
  EXPECT_EQ(s.at(10, 33), kBlue);
  EXPECT_EQ(s.at(2, 7), kRed);
  EXPECT_EQ(s.at(20, 9), kRed);  // leftmost point of the ellipse's middle row
  EXPECT_EQ(s.at(34, 9), kRed);
  EXPECT_EQ(s.at(35, 9), kBlue);
}

TEST_F(RasterRules, EllipsesAreSymmetricAndStayInTheirBox) {
  Surface s(40, 40);
  for (int w = 3; w <= 14; ++w) {
    for (int h = 3; h <= 14; ++h) {
      s.fill(kWhite);
      {
        PenAndBrush pb(s.dc(), 0, kRed, kRed);
        Ellipse(s.dc(), 10, 10, 10 + w, 10 + h);
      }
      const PixelSet filled = s.of_colour(kRed);
      for (auto [x, y] : filled) {
        EXPECT_TRUE(x >= 10 && x < 10 + w && y >= 10 && y < 10 + h);
        EXPECT_TRUE(filled.count({20 + w - 1 - x, y}));  // mirror left-right
        EXPECT_TRUE(filled.count({x, 20 + h - 1 - y}));  // mirror top-bottom
      }
      for (int x = 10; x < 10 + w; ++x) EXPECT_TRUE(filled.count({x, 10 + h / 2})) << w << "x" << h;
      // Narrow tall ellipses may end a row short of their box, as GDI's do; others touch it.
      if (w >= h) {
        for (int y = 10; y < 10 + h; ++y) EXPECT_TRUE(filled.count({10 + w / 2, y})) << w << "x" << h;
      }
    }
  }
}

TEST_F(RasterRules, AnElevenPixelDiscHasTheRoundShape) {
  Surface s(20, 20);
  {
    PenAndBrush pb(s.dc(), 0, kRed, kRed);
    Ellipse(s.dc(), 0, 0, 11, 11);
  }
  // Row widths of an 11 x 11 disc, top to bottom.
  const int widths[11] = {5, 7, 9, 11, 11, 11, 11, 11, 9, 7, 5};
  for (int y = 0; y < 11; ++y) {
    int count = 0;
    for (int x = 0; x < 11; ++x) count += s.at(x, y) == kRed;
    EXPECT_EQ(count, widths[y]) << "row " << y;
  }
}

TEST_F(RasterRules, WidePensAreCentredAndCoverTheirEnds) {
  Surface s(30, 30);
  {
    PenAndBrush pb(s.dc(), 3, kRed, CLR_INVALID);
    MoveToEx(s.dc(), 5, 10, nullptr);
    LineTo(s.dc(), 15, 10);
  }
  EXPECT_EQ(s.at(15, 10), kRed);  // the round cap covers the end point
  for (int y = 9; y <= 11; ++y) EXPECT_EQ(s.at(10, y), kRed);
  EXPECT_EQ(s.at(10, 8), kWhite);
  EXPECT_EQ(s.at(10, 12), kWhite);

  s.fill(kWhite);
  {
    PenAndBrush pb(s.dc(), 2, kRed, CLR_INVALID);  // even widths lean up
    MoveToEx(s.dc(), 5, 10, nullptr);
    LineTo(s.dc(), 15, 10);
  }
  EXPECT_EQ(s.at(10, 9), kRed);
  EXPECT_EQ(s.at(10, 10), kRed);
  EXPECT_EQ(s.at(10, 11), kWhite);

  s.fill(kBlue);
  {
    PenAndBrush pb(s.dc(), 3, kRed, CLR_INVALID);
    Rectangle(s.dc(), 5, 5, 20, 20);
  }
  EXPECT_EQ(s.at(4, 12), kRed);  // one pixel outside the one-pixel outline
  EXPECT_EQ(s.at(6, 12), kRed);  // and one inside
  EXPECT_EQ(s.at(7, 12), kBlue);
  EXPECT_EQ(s.at(3, 12), kBlue);
}

// Pictures of wide-pen shapes ('#' = pen), each checked pixel for pixel against a reference GDI
// renderer. A slanted segment's body is a parallelogram whose corners sit on whole pixels,
// leaning half a pixel towards +x; an ellipse's wide outline strokes its one-pixel outline as
// a closed path through every outline pixel.
using WidePenPicture = std::vector<std::string>;

WidePenPicture draw_picture(Surface& s, std::size_t width, std::size_t height) {
  WidePenPicture out(height, std::string(width, '.'));
  for (std::size_t y = 0; y < height; ++y)
    for (std::size_t x = 0; x < width; ++x)
      if (s.at(static_cast<int>(x), static_cast<int>(y)) == kRed) out[y][x] = '#';
  return out;
}

std::size_t pen_pixels(const WidePenPicture& picture) {
  std::size_t n = 0;
  for (const std::string& row : picture) n += static_cast<std::size_t>(std::count(row.begin(), row.end(), '#'));
  return n;
}

std::string joined(const WidePenPicture& picture) {
  std::string out = "\n";
  for (const std::string& row : picture) out += row + "\n";
  return out;
}

// LineTo (3, 3) -> (28, 13), width 3.
const WidePenPicture kWideShallowLine = {
    "...............................",
    "...............................",
    "...####........................",
    "..#######......................",
    "..##########...................",
    ".....#########.................",
    ".......##########..............",
    "..........#########............",
    "............##########.........",
    "...............#########.......",
    ".................##########....",
    "....................#########..",
    "......................#######..",
    ".........................#####.",
    "............................#..",
    "...............................",
};

// LineTo (6, 28) -> (16, 6), width 7.
const WidePenPicture kWideSteepLine = {
    ".....................",
    ".....................",
    ".....................",
    "...............###...",
    "..............#####..",
    ".............#######.",
    ".............#######.",
    ".............#######.",
    "............########.",
    "............########.",
    "...........#########.",
    "...........########..",
    "..........#########..",
    "..........########...",
    ".........#########...",
    ".........########....",
    "........#########....",
    "........########.....",
    "........########.....",
    ".......########......",
    ".......########......",
    "......#########......",
    "......########.......",
    ".....#########.......",
    ".....########........",
    "....#########........",
    "....########.........",
    "...#########.........",
    "...########..........",
    "...########..........",
    "....#####............",
    ".....###.............",
    ".....................",
};

// Polygon (4, 4) (26, 9) (10, 21), width 3.
const WidePenPicture kWideTriangle = {
    ".............................",
    ".............................",
    ".............................",
    "....######...................",
    "...###########...............",
    "....###############..........",
    "....####.##############......",
    ".....###.....##############..",
    ".....###..........#########..",
    ".....####.............######.",
    "......###..............####..",
    "......###............######..",
    "......####..........######...",
    ".......###.........######....",
    ".......###.......######......",
    ".......####.....######.......",
    "........###....######........",
    "........###..######..........",
    "........##########...........",
    ".........########............",
    ".........######..............",
    ".........#####...............",
    "..........###................",
    ".............................",
};

// Ellipse(3, 3, 34, 14), width 3.
const WidePenPicture kWideFlatOval = {
    "....................................",
    "....................................",
    "............###############.........",
    "........#######################.....",
    "......###########################...",
    "....##########...........##########.",
    "..########...................#####..",
    "..######.......................####.",
    "..####..........................###.",
    "..######.......................####.",
    "..########...................#####..",
    "....##########...........##########.",
    "......###########################...",
    "........#######################.....",
    "............###############.........",
    "....................................",
};

// Ellipse(4, 4, 16, 13), width 4.
const WidePenPicture kWideEvenOval = {
    "..................",
    "..................",
    "......#######.....",
    ".....##########...",
    "....############..",
    "...##############.",
    "..#######...#####.",
    "..######.....####.",
    "..#####......####.",
    "..######....#####.",
    "...#############..",
    "....#############.",
    ".....###########..",
    "......#########...",
    "..................",
};

TEST_F(RasterRules, WideSlantedLinesAndTrianglesMatchTheReferencePixels) {
  Surface s(40, 40);
  const auto check = [&s](int w, const POINT* points, int count, const WidePenPicture& expected) {
    s.fill(kWhite);
    {
      PenAndBrush pb(s.dc(), w, kRed, CLR_INVALID);
      if (count == 2) {
        MoveToEx(s.dc(), points[0].x, points[0].y, nullptr);
        LineTo(s.dc(), points[1].x, points[1].y);
      } else {
        Polygon(s.dc(), points, count);
      }
    }
    EXPECT_EQ(joined(draw_picture(s, expected[0].size(), expected.size())), joined(expected)) << "width " << w;
    EXPECT_EQ(s.of_colour(kRed).size(), pen_pixels(expected));  // nothing beyond the picture
  };
  const POINT shallow[2] = {{3, 3}, {28, 13}};
  check(3, shallow, 2, kWideShallowLine);
  const POINT shallow_reversed[2] = {{28, 13}, {3, 3}};
  check(3, shallow_reversed, 2, kWideShallowLine);
  const POINT steep[2] = {{6, 28}, {16, 6}};
  check(7, steep, 2, kWideSteepLine);
  const POINT triangle[3] = {{4, 4}, {26, 9}, {10, 21}};
  check(3, triangle, 3, kWideTriangle);
}

TEST_F(RasterRules, WideEllipseOutlinesMatchTheReferencePixels) {
  Surface s(40, 40);
  const auto check = [&s](int w, RECT box, const WidePenPicture& expected) {
    s.fill(kWhite);
    {
      PenAndBrush pb(s.dc(), w, kRed, CLR_INVALID);
      Ellipse(s.dc(), box.left, box.top, box.right, box.bottom);
    }
    EXPECT_EQ(joined(draw_picture(s, expected[0].size(), expected.size())), joined(expected)) << "width " << w;
    EXPECT_EQ(s.of_colour(kRed).size(), pen_pixels(expected));  // nothing beyond the picture
  };
  check(3, RECT{3, 3, 34, 14}, kWideFlatOval);
  check(4, RECT{4, 4, 16, 13}, kWideEvenOval);
}

}  // namespace
