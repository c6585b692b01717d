// Start-up and finish: the two windows, the surface, the timer, and what finish gives back.
#include <string>

#include "internal/menu_ids.h"
#include "test_events_fixture.h"

namespace zorva::testing_support {
namespace {

using Startup = StartedPackage;

std::string title_of(HWND window) {
  char title[64] = {};
  GetWindowTextA(window, title, sizeof title);
  return title;
}

TEST_F(Startup, CreatesBothWindowsWhereTheyBelong) {
  ASSERT_TRUE(IsWindow(g_state.draw_window));
  ASSERT_TRUE(IsWindow(g_state.text_window));
  EXPECT_EQ(title_of(g_state.draw_window), "ZORVA Graphics");
  EXPECT_EQ(title_of(g_state.text_window), "ZORVA Text");
  EXPECT_TRUE(IsWindowVisible(g_state.draw_window));
  EXPECT_TRUE(IsWindowVisible(g_state.text_window));

  RECT outer{};
  GetWindowRect(g_state.draw_window, &outer);
  EXPECT_EQ(outer.left, 0);
  EXPECT_EQ(outer.top, 0);
  EXPECT_EQ(outer.right - outer.left, kSurfaceWidth);
  EXPECT_EQ(outer.bottom - outer.top, kSurfaceHeight);

  const int w = GetSystemMetrics(SM_CXSCREEN);
  const int h = GetSystemMetrics(SM_CYSCREEN);
  GetWindowRect(g_state.text_window, &outer);
  EXPECT_EQ(outer.top, 2 * h / 3 + 1);
  EXPECT_EQ(outer.right - outer.left, w);
  EXPECT_EQ(outer.bottom - outer.top, h / 3);

  EXPECT_NE(g_state.run_menu, nullptr);
  EXPECT_TRUE(checked(kCommandLogging));
  EXPECT_EQ(g_state.surface_dirty, 1);
  EXPECT_EQ(headless::live_timers(), 1u);
}

TEST_F(Startup, TheFirstCallCopiesTheSurfaceAndTicksComeEvery100ms) {
  SetPixel(g_state.offscreen_dc, 2, 3, RGB(0, 0, 255));
  ZORVA_set_animation(ANIMATION_STEP);
  EXPECT_EQ(next_event().kind, ZORVA_PERIODIC);
  EXPECT_EQ(headless::now_ms(), kTickPeriodMs);
  EXPECT_EQ(headless::client_pixel(g_state.draw_window, 2, 3), 0x0000FFu);
  EXPECT_EQ(g_state.surface_dirty, 0);
}

TEST_F(Startup, StartClearsTheAnimationFlags) {
  g_state.animating = 1;
  g_state.single_step = 1;
  ZORVA_start(nullptr, nullptr, command_line_, SW_SHOWNORMAL);
  EXPECT_EQ(g_state.animating, 0);
  EXPECT_EQ(g_state.single_step, 0);
}

TEST_F(Startup, HiddenShowModeShowsBothWindowsAndSaysSo) {
  ZORVA_start(nullptr, nullptr, command_line_, SW_HIDE);
  EXPECT_TRUE(IsWindowVisible(g_state.draw_window));
  EXPECT_TRUE(IsWindowVisible(g_state.text_window));
  EXPECT_EQ(GetFocus(), g_state.draw_window);
  EXPECT_EQ(last_log_line(),
            "ZORVA_start was given show mode 0 (SW_HIDE); showing the windows anyway.");
}

TEST_F(Startup, FinishReleasesTheWindowDcAndClosesTheScript) {
  command(kCommandRecord);
  when_idle([] { click_logical(0, 0); });
  next_event();
  ASSERT_NE(g_state.script_file, nullptr);
  const std::size_t dcs = headless::live_dcs();
  EXPECT_EQ(ZORVA_finish(), 1);
  EXPECT_EQ(headless::live_dcs(), dcs - 1);
  EXPECT_EQ(g_state.script_file, nullptr);
  EXPECT_EQ(script_text(), "ZORVA_MOUSE(0, 0);\n");
}

}  // namespace
}  // namespace zorva::testing_support
