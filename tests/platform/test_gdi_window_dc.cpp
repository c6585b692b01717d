// Drawing through window DCs: the client area's pixels, clipping to the client area, and
// the copy from an off-screen surface, as the package presents its drawing.
#include <gtest/gtest.h>

#include "test_gdi_surface.h"
#include "test_windows_support.h"

namespace {

using namespace gdi_test;
using zorva::headless::client_pixel;
using zorva::testing_support::fresh_platform;
using zorva::testing_support::make_window;

class WindowDc : public ::testing::Test {
 protected:
  void SetUp() override { fresh_platform(); }
  void TearDown() override { zorva::headless::reset(); }
};

TEST_F(WindowDc, ShapesLandInTheClientAreaAndStayInsideIt) {
  HWND window = make_window(120, 80);
  RECT client{};
  GetClientRect(window, &client);
  HDC dc = GetDC(window);
  ASSERT_NE(dc, nullptr);
  {
    PenAndBrush pb(dc, 0, kRed, kRed);
    Rectangle(dc, -10, -10, 3, 3);  // mostly outside the client area
  }
  EXPECT_EQ(client_pixel(window, 0, 0), 0xFF0000u);
  EXPECT_EQ(client_pixel(window, 1, 1), 0xFF0000u);
  EXPECT_EQ(client_pixel(window, 2, 2), 0xFF0000u);
  EXPECT_EQ(client_pixel(window, 3, 2), 0xFFFFFFu);  // right column and bottom row left out
  EXPECT_EQ(client_pixel(window, 2, 3), 0xFFFFFFu);
  EXPECT_EQ(SetPixel(dc, client.right, 0, kBlue), CLR_INVALID);
  EXPECT_EQ(SetPixel(dc, client.right - 1, client.bottom - 1, kBlue), kBlue);
  EXPECT_EQ(client_pixel(window, client.right - 1, client.bottom - 1), 0x0000FFu);
  EXPECT_EQ(SelectObject(dc, GetStockObject(NULL_BRUSH)), GetStockObject(WHITE_BRUSH));
  ReleaseDC(window, dc);
}

TEST_F(WindowDc, BitBltCopiesASurfaceToTheWindowUnchanged) {
  HWND window = make_window(120, 80);
  Surface surface(30, 20);
  {
    PenAndBrush pb(surface.dc(), 1, kRed, kBlue);
    Rectangle(surface.dc(), 0, 0, 30, 20);
  }
  HDC dc = GetDC(window);
  EXPECT_TRUE(BitBlt(dc, 0, 0, 30, 20, surface.dc(), 0, 0, SRCCOPY));
  EXPECT_EQ(client_pixel(window, 0, 0), 0xFF0000u);
  EXPECT_EQ(client_pixel(window, 5, 5), 0x0000FFu);
  EXPECT_EQ(client_pixel(window, 29, 19), 0xFF0000u);
  EXPECT_EQ(client_pixel(window, 30, 19), 0xFFFFFFu);
  // Scrolling the client area up moves the picture and leaves the strip below it.
  EXPECT_TRUE(ScrollDC(dc, 0, -5, nullptr, nullptr, nullptr, nullptr));
  EXPECT_EQ(client_pixel(window, 5, 14), 0xFF0000u);
  EXPECT_EQ(client_pixel(window, 5, 0), 0x0000FFu);
  ReleaseDC(window, dc);
  EXPECT_EQ(zorva::headless::live_dcs(), 1u);  // only the surface's
}

}  // namespace
