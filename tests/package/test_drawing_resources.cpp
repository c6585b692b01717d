// Resources and hostile input: no pen, brush, font or movable block outlives a call, a
// megabyte of text is drawn and logged, and the safe-range geometry keeps what is visible.
#include <climits>
#include <random>
#include <string>

#include "drawing/device_geometry.h"
#include "test_drawing_fixture.h"

namespace zorva::testing_support {
namespace {

class DrawingResources : public DrawingSurface {};

// One call of a mixed drawing workload, picked by `i`.
void mixed_call(std::mt19937& random, int i) {
  auto any = [&] { return static_cast<int>(random()); };
  auto near = [&] { return static_cast<int>(random() % 801) - 400; };
  switch (i % 9) {
    case 0: ZORVA_draw_pixel(any() % 30, near(), near()); break;
    case 1: ZORVA_draw_circle(any() % 30, near(), near(), near() / 8); break;
    case 2: ZORVA_draw_triangle(any() % 26, near(), near(), near(), near(), near(), near(), near() % 5); break;
    case 3: ZORVA_draw_rectangle(any() % 26, near(), near(), near(), near(), near() % 4); break;
    case 4: ZORVA_draw_oval(any() % 26, near(), near(), near(), near(), near() % 4); break;
    case 5: ZORVA_draw_line(any() % 26, near(), near(), near(), near(), near() % 4); break;
    case 6: ZORVA_draw_text(any() % 26, near(), near(), near() % 150, "Score\n12"); break;
    case 7: ZORVA_draw_textf(any() % 26, near(), near(), 14, "Kills: %d", i); break;
    default: ZORVA_draw_line(any() % 26, any(), any(), any(), any(), any() % 3); break;
  }
}

TEST_F(DrawingResources, NothingLeaksOverTenThousandMixedCalls) {
  ZORVA_draw_text(BLACK, 0, 0, 12, "warm the font cache");
  const std::size_t objects = headless::live_gdi_objects();
  const std::size_t blocks = headless::live_memory_blocks();
  std::mt19937 random(5);
  for (int i = 0; i < 10000; ++i) mixed_call(random, i);
  // Corrections write log lines; the ring keeps at most 25 blocks.
  EXPECT_LE(headless::live_memory_blocks(), blocks + kLogRingSize);
  EXPECT_EQ(headless::live_gdi_objects(), objects);

  g_state.logging_enabled = 1;
  for (int i = 0; i < 2000; ++i) mixed_call(random, i);
  EXPECT_EQ(headless::live_memory_blocks(), blocks + kLogRingSize);
  EXPECT_EQ(headless::live_gdi_objects(), objects);
}

TEST_F(DrawingResources, DrawingBeforeTheSurfaceExistsIsHarmless) {
  g_state.offscreen_dc = nullptr;
  const std::size_t objects = headless::live_gdi_objects();
  const std::size_t blocks = headless::live_memory_blocks();
  std::mt19937 random(11);
  for (int i = 0; i < 90; ++i) mixed_call(random, i);
  ZORVA_clear();
  ZORVA_flush();
  EXPECT_EQ(headless::live_gdi_objects(), objects);
  EXPECT_LE(headless::live_memory_blocks(), blocks + kLogRingSize);
}

TEST_F(DrawingResources, TextBlockIsFreedAfterDrawing) {
  const std::size_t blocks = headless::live_memory_blocks();
  ZORVA_draw_text(BLACK, 0, 0, 12, "gone after the call");
  ZORVA_draw_textf(BLACK, 0, 0, 12, "%s", "");
  EXPECT_EQ(headless::live_memory_blocks(), blocks);
}

TEST_F(DrawingResources, MegabyteTextIsDrawnAndLogged) {
  std::string text(1 << 20, 'W');
  for (std::size_t i = 4096; i < text.size(); i += 4096) text[i] = '\n';
  g_state.logging_enabled = 1;
  EXPECT_EQ(ZORVA_draw_text(GREEN, -kOriginX, 0, 127, text.c_str()), 1);
  EXPECT_GT(count_not_white(), 1000);
  const auto lines = log_lines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].size(), 1023u);
  EXPECT_EQ(lines[0].rfind("green text at (-300,0), \"WWW", 0), 0u);
}

// ---- the safe range ----

TEST(SafeGeometry, InsideGeometryIsUntouched) {
  DevicePoint a{-5, 7}, b{kSafeCoordinate, -kSafeCoordinate};
  ASSERT_TRUE(clip_segment_to_safe(a, b));
  EXPECT_EQ(a.x, -5);
  EXPECT_EQ(b.y, -kSafeCoordinate);

  const DevicePoint triangle[3] = {{0, 0}, {10, 0}, {0, 10}};
  ClippedPolygon out;
  clip_polygon_to_safe(triangle, 3, out);
  ASSERT_EQ(out.size(), 3u);
  EXPECT_EQ(out[1].x, 10);
  EXPECT_EQ(out[2].y, 10);
}

TEST(SafeGeometry, ClippedSegmentKeepsItsDirection) {
  const std::int64_t far = std::int64_t{1} << 32;
  DevicePoint a{0, 0}, b{far, far / 2};
  ASSERT_TRUE(clip_segment_to_safe(a, b));
  EXPECT_EQ(a.x, 0);
  EXPECT_EQ(b.x, kSafeCoordinate);
  EXPECT_EQ(b.y, kSafeCoordinate / 2);

  DevicePoint c{-far, 5}, d{-far + 1, 500};  // wholly outside
  EXPECT_FALSE(clip_segment_to_safe(c, d));
}

TEST(SafeGeometry, PolygonsAreClippedToTheSquare) {
  const std::int64_t far = std::int64_t{1} << 32;
  const DevicePoint covering[3] = {{-far, -far}, {far, -far}, {0, far}};
  ClippedPolygon out;
  clip_polygon_to_safe(covering, 3, out);
  ASSERT_GE(out.size(), 3u);
  ASSERT_LE(out.size(), 7u);
  for (const POINT& p : out) {
    EXPECT_LE(std::abs(std::int64_t{p.x}), kSafeCoordinate);
    EXPECT_LE(std::abs(std::int64_t{p.y}), kSafeCoordinate);
  }

  const DevicePoint outside[3] = {{far, far}, {far + 9, far}, {far, far + 9}};
  clip_polygon_to_safe(outside, 3, out);
  EXPECT_TRUE(out.empty());
}

TEST(SafeGeometry, TransformIsComputedWithoutOverflow) {
  g_state.origin_x = 300;
  g_state.origin_y = 250;
  const DevicePoint p = to_device(Point{INT_MAX, INT_MIN});
  EXPECT_EQ(p.x, std::int64_t{INT_MAX} + 300);
  EXPECT_EQ(p.y, 250 - std::int64_t{INT_MIN});
  EXPECT_EQ(clamp_to_safe(p.x), static_cast<int>(kSafeCoordinate));
  reset_library_state();
}

}  // namespace
}  // namespace zorva::testing_support
