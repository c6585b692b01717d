// A window's pixels are shown once per message turn at most, and only after they changed.
#include <gtest/gtest.h>

#include "platform/drivers/headless/headless_driver.h"
#include "test_windows_support.h"

using namespace zorva;
using namespace zorva::testing_support;

namespace {

std::uint64_t presents() { return platform::headless_driver()->presents(); }

TEST(Presenting, OnlyChangedFramebuffersArePresentedOncePerTurn) {
  fresh_platform();
  HWND hwnd = make_window();
  drain();
  const std::uint64_t start = presents();
  MSG msg;
  PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
  EXPECT_EQ(presents(), start);  // nothing changed

  HDC dc = GetDC(hwnd);
  for (int i = 0; i < 100; ++i) SetPixel(dc, i, 1, RGB(1, 2, 3));
  ReleaseDC(hwnd, dc);
  PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
  PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
  EXPECT_EQ(presents(), start + 1);  // a hundred changes, one present
}

TEST(Presenting, HiddenWindowsAreNotPresented) {
  fresh_platform();
  HWND hwnd = make_window();
  drain();
  ShowWindow(hwnd, SW_HIDE);
  const std::uint64_t start = presents();
  HDC dc = GetDC(hwnd);
  SetPixel(dc, 1, 1, RGB(1, 2, 3));
  ReleaseDC(hwnd, dc);
  MSG msg;
  PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
  EXPECT_EQ(presents(), start);
}

}  // namespace
