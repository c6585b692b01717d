// Window geometry as on Windows: a window's size includes its frame, caption and menu bar,
// sized by the system metrics. The expected values are Windows' (measured under Wine with
// its default metrics).
#include <gtest/gtest.h>

#include <climits>

#include "test_windows_support.h"

using namespace zorva;
using namespace zorva::testing_support;

namespace {

class WindowGeometry : public ::testing::Test {
 protected:
  void SetUp() override { fresh_platform(); }
};

TEST_F(WindowGeometry, SystemMetricsAreTheDesktopDefaults) {
  const struct {
    int index;
    int value;
  } cases[] = {{SM_CXBORDER, 1},    {SM_CYBORDER, 1},    {SM_CXEDGE, 2},      {SM_CXFIXEDFRAME, 3},
               {SM_CYFIXEDFRAME, 3}, {SM_CXSIZEFRAME, 4}, {SM_CYSIZEFRAME, 4}, {SM_CYCAPTION, 19},
               {SM_CYMENU, 19},      {SM_CXDOUBLECLK, 4}, {SM_CYDOUBLECLK, 4}};
  for (const auto& c : cases) EXPECT_EQ(GetSystemMetrics(c.index), c.value) << "metric " << c.index;
  EXPECT_EQ(GetCaretBlinkTime(), 500u);
  EXPECT_EQ(GetDoubleClickTime(), 500u);
}

TEST_F(WindowGeometry, AdjustWindowRectExAddsTheFrameTheStyleAsksFor) {
  const struct {
    DWORD style;
    DWORD ex_style;
    BOOL menu;
    RECT expected;
  } cases[] = {
      {WS_CAPTION | WS_SYSMENU, 0, FALSE, {-3, -22, 103, 103}},  // the drawing window
      {WS_CAPTION | WS_SYSMENU, 0, TRUE, {-3, -41, 103, 103}},   // ... with its menu bar
      {WS_OVERLAPPEDWINDOW, 0, FALSE, {-4, -23, 104, 104}},      // the text window
      {WS_OVERLAPPEDWINDOW, 0, TRUE, {-4, -42, 104, 104}},
      {WS_OVERLAPPED, 0, FALSE, {0, 0, 100, 100}},  // no caption asked for here
      {WS_POPUP, 0, FALSE, {0, 0, 100, 100}},
      {WS_POPUP | WS_BORDER, 0, FALSE, {-1, -1, 101, 101}},
      {WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0, FALSE, {-3, -22, 103, 103}},  // the prompt
      {WS_POPUP | WS_CAPTION, WS_EX_DLGMODALFRAME, FALSE, {-3, -22, 103, 103}},
      {WS_POPUP | WS_DLGFRAME, 0, FALSE, {-3, -3, 103, 103}},
      {WS_POPUP | WS_THICKFRAME, 0, FALSE, {-3, -3, 103, 103}},
      {WS_POPUP | WS_BORDER, WS_EX_CLIENTEDGE, FALSE, {-3, -3, 103, 103}},
  };
  for (const auto& c : cases) {
    RECT rect{0, 0, 100, 100};
    EXPECT_TRUE(AdjustWindowRectEx(&rect, c.style, c.menu, c.ex_style));
    EXPECT_EQ((std::vector<LONG>{rect.left, rect.top, rect.right, rect.bottom}),
              (std::vector<LONG>{c.expected.left, c.expected.top, c.expected.right, c.expected.bottom}))
        << "style " << std::hex << c.style << " ex " << c.ex_style << " menu " << c.menu;
  }
  RECT plain{0, 0, 100, 100};
  EXPECT_TRUE(AdjustWindowRect(&plain, WS_CAPTION | WS_SYSMENU, TRUE));
  EXPECT_EQ(plain.top, -41);
  RECT extreme{INT_MIN, INT_MIN, INT_MAX, INT_MAX};  // stays at the ends of the range
  EXPECT_TRUE(AdjustWindowRectEx(&extreme, WS_OVERLAPPEDWINDOW, TRUE, WS_EX_CLIENTEDGE));
  EXPECT_EQ(extreme.left, INT_MIN);
  EXPECT_EQ(extreme.bottom, INT_MAX);
  EXPECT_FALSE(AdjustWindowRectEx(nullptr, WS_CAPTION, FALSE, 0));
}

TEST_F(WindowGeometry, TheClientAreaIsTheOuterSizeLessTheFrame) {
  const struct {
    DWORD style;
    DWORD ex_style;
    bool menu;
    int width, height;
    int client_width, client_height;
  } cases[] = {
      {WS_CAPTION | WS_SYSMENU, 0, true, 601, 540, 595, 496},  // the drawing window
      {WS_OVERLAPPEDWINDOW, 0, false, 1024, 256, 1016, 229},   // the text window
      {WS_OVERLAPPED, 0, false, 200, 100, 194, 75},            // a top-level window always has a caption
      {WS_POPUP, 0, false, 200, 100, 200, 100},
      {WS_POPUP | WS_CAPTION, 0, false, 200, 100, 194, 75},
      {WS_POPUP | WS_BORDER, 0, false, 200, 100, 198, 98},
      {WS_POPUP | WS_THICKFRAME, 0, false, 200, 100, 194, 94},
      {WS_CAPTION, WS_EX_CLIENTEDGE, false, 200, 100, 190, 71},
      {WS_OVERLAPPEDWINDOW, 0, true, 5, 5, 0, 0},  // a frame larger than the window leaves nothing
  };
  for (const auto& c : cases) {
    HWND hwnd = CreateWindowExA(c.ex_style, "TestWindow", "t", c.style, 10, 20, c.width, c.height, nullptr,
                                c.menu ? CreateMenu() : nullptr, nullptr, nullptr);
    ASSERT_NE(hwnd, nullptr);
    ShowWindow(hwnd, SW_SHOW);
    RECT client{}, outer{};
    GetClientRect(hwnd, &client);
    GetWindowRect(hwnd, &outer);
    const std::string what = "style " + std::to_string(c.style) + " size " + std::to_string(c.width);
    EXPECT_EQ(client.right, c.client_width) << what;
    EXPECT_EQ(client.bottom, c.client_height) << what;
    EXPECT_EQ((std::vector<LONG>{outer.left, outer.top, outer.right, outer.bottom}),
              (std::vector<LONG>{10, 20, 10 + c.width, 20 + c.height}))
        << what;
    // What the OS window shows: the menu strip and the client area.
    const int strip = c.menu && c.client_height > 0 ? GetSystemMetrics(SM_CYMENU) : 0;
    EXPECT_EQ(headless::framebuffer(hwnd).width, c.client_width) << what;
    EXPECT_EQ(headless::framebuffer(hwnd).height, c.client_height + strip) << what;
    DestroyWindow(hwnd);
  }
}

TEST_F(WindowGeometry, AChildLiesOnTheScreenWhereItsParentsClientAreaIs) {
  HWND top = CreateWindowExA(0, "TestWindow", "t", WS_CAPTION | WS_SYSMENU, 100, 50, 601, 540, nullptr,
                             CreateMenu(), nullptr, nullptr);
  HWND child = make_child(top, 5, 6, 30, 20);
  RECT rect{};
  ASSERT_TRUE(GetWindowRect(child, &rect));
  // The client area starts inside the frame (3), below the caption (19) and the menu bar (19).
  EXPECT_EQ(rect.left, 100 + 3 + 5);
  EXPECT_EQ(rect.top, 50 + 3 + 19 + 19 + 6);
  EXPECT_EQ(rect.right - rect.left, 30);
  EXPECT_EQ(rect.bottom - rect.top, 20);
}

}  // namespace
