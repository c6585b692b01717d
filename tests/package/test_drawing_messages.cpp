// What the primitives write to the log: corrections (always, in their order per primitive)
// and the description lines (only while logging is on), with the corrected values.
#include <climits>
#include <string>

#include "test_drawing_fixture.h"

namespace zorva::testing_support {
namespace {

using Lines = std::vector<std::string>;

class DrawingMessages : public DrawingSurface {};

TEST_F(DrawingMessages, BadColourIsReportedAndDrawnRed) {
  ZORVA_draw_pixel(-1, 0, 0);
  ZORVA_draw_pixel(24, 1, 0);
  ZORVA_draw_pixel(INT_MIN, 2, 0);
  EXPECT_EQ(log_lines(), (Lines{"Illegal color -1; using RED.\n", "Illegal color 24; using RED.\n",
                                "Illegal color -2147483648; using RED.\n"}));
  EXPECT_EQ(logical(0, 0), color_values[RED]);
  EXPECT_EQ(logical(1, 0), color_values[RED]);

  g_state.logging_enabled = 1;
  ZORVA_draw_pixel(24, 5, 6);
  const Lines lines = log_lines();
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[3], "Illegal color 24; using RED.\n");
  EXPECT_EQ(lines[4], "red pixel at (5,6)\n");
}

TEST_F(DrawingMessages, EveryColourIsNamedInItsDescription) {
  g_state.logging_enabled = 1;
  for (int c = 0; c < COLOR_COUNT; ++c) ZORVA_draw_pixel(c, c, 0);
  const Lines lines = log_lines();
  ASSERT_EQ(lines.size(), 24u);  // the ring holds 25 lines
  EXPECT_EQ(lines[0], "black pixel at (0,0)\n");
  EXPECT_EQ(lines[9], "navy blue pixel at (9,0)\n");
  EXPECT_EQ(lines[22], "50% gray pixel at (22,0)\n");
  EXPECT_EQ(lines[23], "20% gray pixel at (23,0)\n");
  EXPECT_EQ(logical(8, 0), RGB(153, 0, 204));
  EXPECT_EQ(logical(20, 0), RGB(51, 204, 153));
}

TEST_F(DrawingMessages, DescriptionsShowCorrectedValues) {
  g_state.logging_enabled = 1;
  ZORVA_draw_rectangle(BLUE, 10, -5, -10, 5, 0);
  ZORVA_draw_rectangle(BLUE, 10, -5, -10, 5, 2);
  ZORVA_draw_oval(GREEN, 10, -5, -10, 5, 0);
  ZORVA_draw_oval(GREEN, -1, 1, 1, -1, 3);
  ZORVA_draw_circle(YELLOW, 4, 5, 6);
  ZORVA_draw_triangle(CYAN, 1, 2, 3, 4, 5, 6, 7);
  ZORVA_draw_line(BLACK, 1, 2, 3, 4, 0);
  ZORVA_draw_text(ORANGE, -3, 7, 12, "Hi \"there\"");
  EXPECT_EQ(log_lines(),
            (Lines{
                "blue rectangle with bounding box (-10,5) to (10,-5), filled\n",
                "blue rectangle with bounding box (-10,5) to (10,-5) with line width 2\n",
                "green oval with bounding box (-10,5) to (10,-5), filled\n",
                "green oval with bounding box (-1,1) to (1,-1), line width 3\n",
                "yellow circle at (4,5), radius 6\n",
                "cyan triangle at (1,2), (3,4), (5,6)\n",
                "black line from (1,2) to (3,4), width 0\n",
                "orange text at (-3,7), \"Hi \"there\"\"\n",
            }));
}

TEST_F(DrawingMessages, CorrectionsComeInEachPrimitivesOrder) {
  g_state.logging_enabled = 1;
  ZORVA_draw_oval(99, 0, 0, 1, 1, -2);
  ZORVA_draw_rectangle(99, 0, 0, 1, 1, -2);
  ZORVA_draw_line(99, 0, 0, 1, 1, -3);
  ZORVA_draw_triangle(99, 0, 0, 1, 1, 2, 0, -4);
  ZORVA_draw_circle(99, 0, 0, -5);
  EXPECT_EQ(log_lines(),
            (Lines{
                "Width of -2 not possible, using width 2\n",
                "Illegal color 99; using RED.\n",
                "red oval with bounding box (0,1) to (1,0), line width 2\n",
                "Illegal color 99; using RED.\n",
                "Width of -2 not possible, using width 2\n",
                "red rectangle with bounding box (0,1) to (1,0) with line width 2\n",
                "Width of -3 not possible, using width 3\n",
                "Illegal color 99; using RED.\n",
                "red line from (0,0) to (1,1), width 3\n",
                "Illegal color 99; using RED.\n",
                "Width of -4 not possible, using width 4\n",
                "red triangle at (0,0), (1,1), (2,0)\n",
                "Illegal color 99; using RED.\n",
                "Radius of -5 not possible, using radius 5\n",
                "red circle at (0,0), radius 5\n",
            }));
}

TEST_F(DrawingMessages, PointSizeIsMadePositiveThenCapped) {
  ZORVA_draw_text(-7, 0, 0, -200, "x");
  ZORVA_draw_text(BLACK, 0, 0, 128, "x");
  ZORVA_draw_text(BLACK, 0, 0, 0, "x");
  ZORVA_draw_text(BLACK, 0, 0, 127, "x");
  EXPECT_EQ(log_lines(), (Lines{
                             "ptsize of -200 not possible, using ptsize 200\n",
                             "ptsize of 200 not possible, using ptsize 127\n",
                             "Illegal color -7; using RED.\n",
                             "ptsize of 128 not possible, using ptsize 127\n",
                         }));
}

TEST_F(DrawingMessages, MostNegativeSizesBecomeLargestInt) {
  ZORVA_draw_circle(BLACK, 0, 0, INT_MIN);
  ZORVA_draw_line(BLACK, 0, 0, 1, 1, INT_MIN);
  ZORVA_draw_text(BLACK, 0, 0, INT_MIN, "x");
  EXPECT_EQ(log_lines(),
            (Lines{
                "Radius of -2147483648 not possible, using radius 2147483647\n",
                "Width of -2147483648 not possible, using width 2147483647\n",
                "ptsize of -2147483648 not possible, using ptsize 2147483647\n",
                "ptsize of 2147483647 not possible, using ptsize 127\n",
            }));
  // The circle centred on the origin with the largest radius covers the whole surface.
  EXPECT_EQ(device(0, 0), color_values[BLACK]);
  EXPECT_EQ(device(kSurfaceWidth - 1, kSurfaceHeight - 1), color_values[BLACK]);
}

TEST_F(DrawingMessages, LoggingOffWritesOnlyCorrectionsAndUndo) {
  ZORVA_draw_pixel(RED, 0, 0);
  ZORVA_draw_circle(RED, 0, 0, 3);
  ZORVA_draw_rectangle(RED, 0, 0, 3, 3, 1);
  ZORVA_draw_text(RED, 0, 0, 10, "quiet");
  ZORVA_clear();
  ZORVA_flush();
  EXPECT_TRUE(log_lines().empty());

  EXPECT_EQ(ZORVA_undo(), 1);
  ZORVA_draw_line(RED, 0, 0, 3, 3, -1);
  EXPECT_EQ(log_lines(), (Lines{"ZORVA_undo is no longer supported.\n",
                                "Width of -1 not possible, using width 1\n"}));
}

TEST_F(DrawingMessages, FlushAndClearDescribeThemselvesWhileLogging) {
  g_state.logging_enabled = 1;
  EXPECT_EQ(ZORVA_clear(), 1);
  EXPECT_EQ(ZORVA_flush(), 1);
  EXPECT_EQ(log_lines(),
            (Lines{"Clearing the graphics window\n", "Flushing the graphics window\n"}));
}

TEST_F(DrawingMessages, EveryPrimitiveReturnsOne) {
  EXPECT_EQ(ZORVA_draw_pixel(RED, 0, 0), 1);
  EXPECT_EQ(ZORVA_draw_circle(RED, 0, 0, -1), 1);
  EXPECT_EQ(ZORVA_draw_triangle(RED, 0, 0, 1, 1, 2, 0, 0), 1);
  EXPECT_EQ(ZORVA_draw_rectangle(RED, 0, 0, 1, 1, 0), 1);
  EXPECT_EQ(ZORVA_draw_oval(RED, 0, 0, 1, 1, 0), 1);
  EXPECT_EQ(ZORVA_draw_line(RED, 0, 0, 1, 1, 0), 1);
  EXPECT_EQ(ZORVA_draw_text(RED, 0, 0, 10, "t"), 1);
  EXPECT_EQ(ZORVA_draw_pixel_p(RED, Point{0, 0}), 1);
  EXPECT_EQ(ZORVA_draw_circle_p(RED, Point{0, 0}, 1), 1);
  EXPECT_EQ(ZORVA_draw_triangle_p(RED, Point{0, 0}, Point{1, 1}, Point{2, 0}, 1), 1);
  EXPECT_EQ(ZORVA_draw_rectangle_p(RED, Point{0, 0}, Point{1, 1}, 1), 1);
  EXPECT_EQ(ZORVA_draw_oval_p(RED, Point{0, 0}, Point{1, 1}, 1), 1);
  EXPECT_EQ(ZORVA_draw_line_p(RED, Point{0, 0}, Point{1, 1}, 1), 1);
  EXPECT_EQ(ZORVA_draw_text_p(RED, Point{0, 0}, 10, "t"), 1);
}

TEST_F(DrawingMessages, PointFormsDescribeLikeCoordinateForms) {
  g_state.logging_enabled = 1;
  ZORVA_draw_rectangle_p(PINK, Point{10, -5}, Point{-10, 5}, 0);
  ZORVA_draw_line_p(PINK, Point{1, 2}, Point{3, 4}, 5);
  ZORVA_draw_text_p(PINK, Point{1, 2}, 10, "p");
  ZORVA_draw_textf_p(PINK, Point{1, 2}, 10, "%d-%s", 7, "q");
  EXPECT_EQ(log_lines(), (Lines{
                             "pink rectangle with bounding box (-10,5) to (10,-5), filled\n",
                             "pink line from (1,2) to (3,4), width 5\n",
                             "pink text at (1,2), \"p\"\n",
                             "pink text at (1,2), \"7-q\"\n",
                         }));
}

// ---- formatted text ----

TEST_F(DrawingMessages, FormattedTextReturnsTheFormattedCount) {
  g_state.logging_enabled = 1;
  EXPECT_EQ(ZORVA_draw_textf(RED, 0, 0, 12, "Kills: %d, Damage: %d", 3, 12), 20);
  EXPECT_EQ(log_lines(), (Lines{"red text at (0,0), \"Kills: 3, Damage: 12\"\n"}));
  EXPECT_EQ(ZORVA_draw_textf_p(RED, Point{0, 0}, 12, "%s", ""), 0);
}

TEST_F(DrawingMessages, OverlongFormattedTextIsCutNotOverflowed) {
  g_state.logging_enabled = 1;
  const std::string long_text(5000, 'w');
  // The count is what the formatting asked for; the drawn text holds what fits.
  EXPECT_EQ(ZORVA_draw_textf(BLUE, 0, 0, 10, "%s!", long_text.c_str()), 5001);
  EXPECT_EQ(ZORVA_draw_textf_p(BLUE, Point{0, 0}, 10, "%s", long_text.c_str()), 5000);
  const Lines lines = log_lines();
  ASSERT_EQ(lines.size(), 2u);
  // The description of a 1023-character text is itself cut by the log's 1023 characters.
  EXPECT_EQ(lines[0].size(), 1023u);
  EXPECT_EQ(lines[0].rfind("blue text at (0,0), \"www", 0), 0u);
}

TEST_F(DrawingMessages, MissingTextOrFormatDrawsNothing) {
  g_state.logging_enabled = 1;
  const char* missing = nullptr;
  EXPECT_EQ(ZORVA_draw_text(RED, 0, 0, 10, missing), 1);
  EXPECT_EQ(ZORVA_draw_textf(RED, 0, 0, 10, missing), 0);
  EXPECT_EQ(log_lines(), (Lines{"red text at (0,0), \"\"\n", "red text at (0,0), \"\"\n"}));
  EXPECT_EQ(count_not_white(), 0);
}

}  // namespace
}  // namespace zorva::testing_support
