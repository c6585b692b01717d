// A window shows a whole-rows copy of a bitmap straight from the bitmap: whatever is drawn,
// read or deleted afterwards, the window and the bitmap hold what plain copies would.
#include <gtest/gtest.h>

#include <vector>

#include "platform/drivers/headless/headless_driver.h"
#include "test_gdi_surface.h"
#include "test_windows_support.h"

namespace {

using namespace gdi_test;
using zorva::headless::client_pixel;
using zorva::testing_support::drain;
using zorva::testing_support::fresh_platform;
using zorva::testing_support::make_window;

constexpr COLORREF kGreen = RGB(0, 255, 0);

enum class Step {
  kCopy,          // BitBlt of the whole client area from the surface
  kFillAll,       // red box over the whole surface
  kFillLeft,      // green box over all rows but not the surface's rightmost columns
  kFillCorner,    // blue 2x2 box at (1, 1) of the surface
  kWindowPixel,   // green pixel at (1, 1) through the window's DC
  kReadWindow,    // a readback of the window through its DC
  kErase,         // the window repainted, its background erased first
  kDeleteSurface  // the surface's bitmap goes
};

struct Case {
  const char* name;
  std::vector<Step> steps;
  COLORREF window_corner;  // client (1, 1)
  COLORREF window_far;     // the client's bottom-right pixel
  COLORREF surface_corner;  // surface (1, 1) (ignored once deleted)
  COLORREF surface_edge;    // surface's rightmost column, beyond the window
};

TEST(ShownBitmap, WindowAndBitmapHoldWhatPlainCopiesWould) {
  const Case cases[] = {
      {"copy", {Step::kCopy}, kWhite, kWhite, kWhite, kWhite},
      {"draw after copy", {Step::kCopy, Step::kFillAll}, kWhite, kWhite, kRed, kRed},
      {"draw, copy, draw", {Step::kCopy, Step::kFillAll, Step::kCopy, Step::kFillLeft}, kRed, kRed, kGreen, kRed},
      {"small box after copy", {Step::kCopy, Step::kFillAll, Step::kCopy, Step::kFillCorner}, kRed, kRed, kBlue, kRed},
      {"cycles", {Step::kCopy, Step::kFillAll, Step::kCopy, Step::kFillLeft, Step::kCopy, Step::kFillCorner, Step::kCopy},
       kBlue, kGreen, kBlue, kRed},
      {"window drawn on", {Step::kCopy, Step::kFillAll, Step::kCopy, Step::kWindowPixel, Step::kFillLeft}, kGreen, kRed,
       kGreen, kRed},
      {"read, then drawn", {Step::kFillAll, Step::kCopy, Step::kReadWindow, Step::kFillCorner}, kRed, kRed, kBlue, kRed},
      {"erased", {Step::kFillAll, Step::kCopy, Step::kErase, Step::kFillCorner}, kWhite, kWhite, kBlue, kRed},
      {"bitmap deleted", {Step::kFillAll, Step::kCopy, Step::kDeleteSurface}, kRed, kRed, kRed, kRed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fresh_platform();
    HWND window = make_window(120, 80);
    RECT client{};
    GetClientRect(window, &client);
    auto surface = std::make_unique<Surface>(client.right + 6, client.bottom + 4);
    const int edge = surface->width() - 1;
    HDC dc = GetDC(window);
    const auto box = [&](int left, int top, int right, int bottom, COLORREF colour) {
      PenAndBrush pb(surface->dc(), 0, colour, colour);
      Rectangle(surface->dc(), left, top, right, bottom);
    };
    for (Step step : c.steps) {
      switch (step) {
        case Step::kCopy: BitBlt(dc, 0, 0, client.right, client.bottom, surface->dc(), 0, 0, SRCCOPY); break;
        case Step::kFillAll: box(-3, -3, surface->width() + 3, surface->height() + 3, kRed); break;
        case Step::kFillLeft: box(-3, -3, edge, surface->height() + 3, kGreen); break;
        case Step::kFillCorner: box(1, 1, 3, 3, kBlue); break;
        case Step::kWindowPixel: SetPixel(dc, 1, 1, kGreen); break;
        case Step::kReadWindow: EXPECT_NE(GetPixel(dc, 0, 0), CLR_INVALID); break;
        case Step::kErase:
          InvalidateRect(window, nullptr, TRUE);
          drain();
          break;
        case Step::kDeleteSurface: surface.reset(); break;
      }
    }
    const auto rgb = [](COLORREF c) { return zorva::platform::pixel_from_colorref(c); };
    EXPECT_EQ(zorva::headless::presented(window).row(0)[0], zorva::headless::framebuffer(window).row(0)[0]);
    EXPECT_EQ(client_pixel(window, 1, 1), rgb(c.window_corner));
    EXPECT_EQ(client_pixel(window, client.right - 1, client.bottom - 1), rgb(c.window_far));
    if (surface) {
      EXPECT_EQ(surface->at(1, 1), c.surface_corner);
      EXPECT_EQ(surface->at(edge, 1), c.surface_edge);
    }
    ReleaseDC(window, dc);
  }
}

// What a present shows is the bitmap's rows, and copying the same unchanged picture again
// presents nothing new.
TEST(ShownBitmap, PresentsShowTheBitmapAndAnUnchangedCopyIsNotPresentedAgain) {
  fresh_platform();
  HWND window = make_window(120, 80);
  RECT client{};
  GetClientRect(window, &client);
  Surface surface(client.right, client.bottom);
  {
    PenAndBrush pb(surface.dc(), 0, kRed, kBlue);
    Rectangle(surface.dc(), 0, 0, client.right, client.bottom);
  }
  HDC dc = GetDC(window);
  drain();
  const std::uint64_t start = zorva::platform::headless_driver()->presents();
  BitBlt(dc, 0, 0, client.right, client.bottom, surface.dc(), 0, 0, SRCCOPY);
  drain();
  EXPECT_EQ(zorva::platform::headless_driver()->presents(), start + 1);
  BitBlt(dc, 0, 0, client.right, client.bottom, surface.dc(), 0, 0, SRCCOPY);
  drain();
  EXPECT_EQ(zorva::platform::headless_driver()->presents(), start + 1);
  const zorva::platform::Pixmap shown = zorva::headless::presented(window);
  const int menu_rows = shown.height - client.bottom;
  EXPECT_EQ(shown.row(menu_rows)[0], 0xFF0000u);
  EXPECT_EQ(shown.row(menu_rows + 5)[5], 0x0000FFu);
  SetPixel(surface.dc(), 5, 5, kRed);
  BitBlt(dc, 0, 0, client.right, client.bottom, surface.dc(), 0, 0, SRCCOPY);
  drain();
  EXPECT_EQ(zorva::platform::headless_driver()->presents(), start + 2);
  ReleaseDC(window, dc);
}

}  // namespace
