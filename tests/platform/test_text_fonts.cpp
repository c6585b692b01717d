// Fonts, text metrics and where TextOutA puts its pixels.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "test_gdi_surface.h"

namespace {

using namespace gdi_test;

class Text : public GdiTest {
 protected:
  // Selects a font for the test's scope.
  struct Font {
    Font(HDC dc, int height, const char* face = "ZORVA-font") : dc_(dc) {
      font_ = CreateFontA(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, face);
      old_ = SelectObject(dc, font_);
    }
    ~Font() {
      SelectObject(dc_, old_);
      DeleteObject(font_);
    }
    HDC dc_;
    HFONT font_;
    HGDIOBJ old_;
  };
};

TEST_F(Text, MetricsDescribeTheCell) {
  Surface s(10, 10);
  Font font(s.dc(), -20);
  TEXTMETRICA tm{};
  ASSERT_TRUE(GetTextMetricsA(s.dc(), &tm));
  EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
  EXPECT_EQ(tm.tmInternalLeading, tm.tmHeight - 20);  // a negative height is the em height
  EXPECT_GT(tm.tmInternalLeading, 0);
  EXPECT_GE(tm.tmExternalLeading, 0);
  EXPECT_GT(tm.tmAveCharWidth, 0);
  EXPECT_GE(tm.tmMaxCharWidth, tm.tmAveCharWidth);
  EXPECT_EQ(tm.tmWeight, FW_NORMAL);
  SIZE extent{};
  ASSERT_TRUE(GetTextExtentPointA(s.dc(), "Kills: 3", 8, &extent));
  EXPECT_EQ(extent.cy, tm.tmHeight);
  SIZE longer{};
  GetTextExtentPointA(s.dc(), "Kills: 3, Damage: 12", 20, &longer);
  EXPECT_GT(longer.cx, extent.cx);
  SIZE none{};
  ASSERT_TRUE(GetTextExtentPointA(s.dc(), "", 0, &none));
  EXPECT_EQ(none.cx, 0);
  EXPECT_EQ(none.cy, tm.tmHeight);
  EXPECT_FALSE(GetTextExtentPointA(s.dc(), "abc", -1, &none));
}

TEST_F(Text, HeightsZeroPositiveAndHugeAreAllUsable) {
  Surface s(10, 10);
  TEXTMETRICA tm{};
  {
    Font font(s.dc(), 0);
    ASSERT_TRUE(GetTextMetricsA(s.dc(), &tm));
    EXPECT_GE(tm.tmHeight, 14);  // the default cell is about 16 pixels
    EXPECT_LE(tm.tmHeight, 18);
  }
  {
    Font font(s.dc(), 30);  // a positive height asks for the cell height
    ASSERT_TRUE(GetTextMetricsA(s.dc(), &tm));
    EXPECT_NEAR(tm.tmHeight, 30, 1);
  }
  {
    Font font(s.dc(), -127);
    ASSERT_TRUE(GetTextMetricsA(s.dc(), &tm));
    EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 127);
  }
  for (int height : {INT_MIN, INT_MAX, -100000}) {
    Font font(s.dc(), height);
    EXPECT_TRUE(GetTextMetricsA(s.dc(), &tm));
    EXPECT_TRUE(TextOutA(s.dc(), 0, 0, "W", 1));
  }
}

TEST_F(Text, TheFixedFontIsMonospacedNearTheClassicCell) {
  Surface s(10, 10);
  HGDIOBJ old = SelectObject(s.dc(), GetStockObject(ANSI_FIXED_FONT));
  TEXTMETRICA tm{};
  ASSERT_TRUE(GetTextMetricsA(s.dc(), &tm));
  EXPECT_GE(tm.tmHeight, 12);
  EXPECT_LE(tm.tmHeight, 16);
  SIZE narrow{}, wide{};
  GetTextExtentPointA(s.dc(), "iiii", 4, &narrow);
  GetTextExtentPointA(s.dc(), "WWWW", 4, &wide);
  EXPECT_EQ(narrow.cx, wide.cx);
  EXPECT_GE(narrow.cx, 4 * 6);
  EXPECT_LE(narrow.cx, 4 * 9);
  SelectObject(s.dc(), old);
}

TEST_F(Text, TextSitsInItsCellWithTheBaselineAtTheAscent) {
  Surface s(200, 60);
  Font font(s.dc(), -15);
  TEXTMETRICA tm{};
  GetTextMetricsA(s.dc(), &tm);
  SIZE extent{};
  GetTextExtentPointA(s.dc(), "Hxg", 3, &extent);
  SetBkMode(s.dc(), TRANSPARENT);
  SetTextColor(s.dc(), kRed);
  ASSERT_TRUE(TextOutA(s.dc(), 20, 10, "Hxg", 3));
  // Smoothed glyphs: full ink inside the strokes, red mixed with white at their edges.
  const PixelSet ink = s.not_colour(kWhite);
  ASSERT_FALSE(s.of_colour(kRed).empty());
  int lowest_h = 0, top = INT_MAX, bottom = 0;
  for (auto [x, y] : ink) {
    const COLORREF p = s.at(x, y);
    EXPECT_EQ(GetRValue(p), 255);
    EXPECT_EQ(GetGValue(p), GetBValue(p));
    EXPECT_GE(x, 20);
    EXPECT_LT(x, 20 + extent.cx);
    EXPECT_GE(y, 10);
    EXPECT_LT(y, 10 + extent.cy);
    top = std::min(top, y);
    bottom = std::max(bottom, y);
    if (x < 20 + extent.cx / 3) lowest_h = std::max(lowest_h, y);
  }
  EXPECT_EQ(lowest_h, 10 + tm.tmAscent - 1);  // the H stands on the baseline
  EXPECT_GT(bottom, lowest_h);                // the g hangs below it
}

TEST_F(Text, OpaqueTextFillsItsCellWithTheBackgroundColour) {
  Surface s(100, 40);
  Font font(s.dc(), -15);
  SetBkColor(s.dc(), kBlue);
  SIZE extent{};
  GetTextExtentPointA(s.dc(), "ab c", 4, &extent);
  ASSERT_TRUE(TextOutA(s.dc(), 5, 6, "ab c", 4));
  const PixelSet painted = s.not_colour(kWhite);
  EXPECT_EQ(painted.size(), static_cast<std::size_t>(extent.cx * extent.cy));
  EXPECT_EQ(*painted.begin(), std::make_pair(5, 6));
  EXPECT_EQ(*painted.rbegin(), std::make_pair(5 + extent.cx - 1, 6 + extent.cy - 1));
  EXPECT_FALSE(s.of_colour(kBlack).empty());  // the default text colour
}

TEST_F(Text, BytesAreDrawnAsTheyStand) {
  Surface s(200, 40);
  Font font(s.dc(), -15);
  SetBkMode(s.dc(), TRANSPARENT);
  const char latin1[] = "\xE9\xFC\xA9";  // e-acute, u-umlaut, copyright sign
  ASSERT_TRUE(TextOutA(s.dc(), 0, 0, latin1, 3));
  EXPECT_FALSE(s.of_colour(kBlack).empty());
  SIZE with_nul{};
  EXPECT_TRUE(GetTextExtentPointA(s.dc(), "a\0b", 3, &with_nul));
  EXPECT_TRUE(TextOutA(s.dc(), 0, 20, "a\0b\n\t\x7F", 6));
  SIZE two{};
  GetTextExtentPointA(s.dc(), "ab", 2, &two);
  EXPECT_GT(with_nul.cx, two.cx);  // the NUL takes its place
}

TEST_F(Text, HugeTextsAndFarPositionsAreClippedCheaply) {
  Surface s(50, 20);
  Font font(s.dc(), -12);
  const std::string text(1000000, 'W');
  SIZE extent{};
  ASSERT_TRUE(GetTextExtentPointA(s.dc(), text.c_str(), static_cast<int>(text.size()), &extent));
  EXPECT_GT(extent.cx, 1000000);
  SetBkMode(s.dc(), TRANSPARENT);
  EXPECT_TRUE(TextOutA(s.dc(), -5000, 2, text.c_str(), static_cast<int>(text.size())));
  EXPECT_FALSE(s.of_colour(kBlack).empty());
  EXPECT_TRUE(TextOutA(s.dc(), INT_MAX, INT_MAX, "abc", 3));
  EXPECT_TRUE(TextOutA(s.dc(), INT_MIN, INT_MIN, text.c_str(), static_cast<int>(text.size())));
  EXPECT_FALSE(TextOutA(s.dc(), 0, 0, nullptr, 3));
  EXPECT_TRUE(TextOutA(s.dc(), 0, 0, nullptr, 0));
}

// Runs and measures are kept once made: drawing a run again, after many others and in other
// sizes, gives the pixels and extent of its first drawing, and a size never takes another's.
TEST_F(Text, RunsDrawnAgainMatchTheirFirstDrawing) {
  Surface s(120, 30);
  SetBkMode(s.dc(), TRANSPARENT);
  const auto draw = [&](int height, const std::string& text) {
    s.fill(kWhite);
    Font font(s.dc(), height);
    SIZE extent{};
    GetTextExtentPointA(s.dc(), text.c_str(), static_cast<int>(text.size()), &extent);
    TextOutA(s.dc(), 2, 2, text.c_str(), static_cast<int>(text.size()));
    return std::make_pair(s.of_colour(kBlack), extent.cx);
  };
  const auto first = draw(-12, "Kills: 3");
  const auto larger = draw(-16, "Kills: 3");
  EXPECT_NE(first, larger);
  for (int i = 0; i < 40; ++i) draw(i % 2 ? -12 : -16, "line " + std::to_string(i));
  EXPECT_EQ(draw(-12, "Kills: 3"), first);
  EXPECT_EQ(draw(-16, "Kills: 3"), larger);
  EXPECT_EQ(draw(-12, "Kills: 3"), first);
}

}  // namespace
