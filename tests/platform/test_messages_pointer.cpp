// The pointer: moves become WM_MOUSEMOVE (merged while they wait), the window that took a
// press keeps the pointer until the release, and quick second presses are double clicks for
// classes that ask for them.
#include <gtest/gtest.h>

#include "test_windows_support.h"

using namespace zorva;
using namespace zorva::testing_support;

namespace {

class Pointer : public ::testing::Test {
 protected:
  void SetUp() override { fresh_platform(); }

  // The mouse messages the window received, as (message, wParam, x, y).
  static std::vector<std::vector<long>> mouse_messages(HWND hwnd) {
    drain();
    std::vector<std::vector<long>> out;
    for (const Received& r : recorder().messages)
      if (r.hwnd == hwnd && r.message >= WM_MOUSEMOVE && r.message <= WM_LBUTTONDBLCLK)
        out.push_back({static_cast<long>(r.message), static_cast<long>(r.wparam),
                       static_cast<short>(LOWORD(r.lparam)), static_cast<short>(HIWORD(r.lparam))});
    return out;
  }
};

TEST_F(Pointer, MovesThatWaitAreMergedAndAMoveToTheSamePlaceIsDropped) {
  HWND hwnd = make_window();
  drain();
  headless::move_mouse(hwnd, 5, 6);
  headless::move_mouse(hwnd, 7, 8);
  headless::move_mouse(hwnd, 7, 8);
  EXPECT_EQ(mouse_messages(hwnd), (std::vector<std::vector<long>>{{WM_MOUSEMOVE, 0, 7, 8}}));
  headless::move_mouse(hwnd, 7, 8);
  EXPECT_EQ(mouse_messages(hwnd).size(), 1u);
}

TEST_F(Pointer, TheWindowThatTookThePressKeepsThePointerUntilTheRelease) {
  HWND hwnd = make_window();
  HWND child = make_child(hwnd, 20, 10, 30, 30);
  drain();
  headless::key_down(VK_SHIFT);
  headless::button(child, 5, 5, true);
  headless::move_mouse(hwnd, 2, 3);  // outside the child: still the child's, in its coordinates
  headless::button(hwnd, 2, 3, false);
  headless::key_up(VK_SHIFT);
  headless::move_mouse(hwnd, 4, 4);  // released: the parent's again
  EXPECT_EQ(mouse_messages(child), (std::vector<std::vector<long>>{{WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, 5, 5},
                                                                   {WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, -18, -7},
                                                                   {WM_LBUTTONUP, MK_SHIFT, -18, -7}}));
  EXPECT_EQ(mouse_messages(hwnd), (std::vector<std::vector<long>>{{WM_MOUSEMOVE, 0, 4, 4}}));
  // A window that goes while it holds the pointer lets go of it.
  headless::button(child, 5, 5, true);
  DestroyWindow(child);
  recorder().clear();
  headless::move_mouse(hwnd, 6, 6);
  EXPECT_EQ(mouse_messages(hwnd), (std::vector<std::vector<long>>{{WM_MOUSEMOVE, 0, 6, 6}}));
}

TEST_F(Pointer, ASecondPressSoonAndCloseIsADoubleClickForClassesThatAskForIt) {
  WNDCLASSA double_clicks{};
  double_clicks.style = CS_DBLCLKS;
  double_clicks.lpfnWndProc = recording_proc;
  double_clicks.lpszClassName = "DoubleClicks";
  RegisterClassA(&double_clicks);
  const struct {
    const char* class_name;
    std::uint32_t later_ms;
    int moved;
    UINT second, third;  // a third press at once, where the second was
  } cases[] = {
      {"DoubleClicks", 0, 0, WM_LBUTTONDBLCLK, WM_LBUTTONDOWN},
      {"DoubleClicks", 500, 2, WM_LBUTTONDBLCLK, WM_LBUTTONDOWN},
      {"DoubleClicks", 501, 0, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK},
      {"DoubleClicks", 0, 3, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK},
      {"TestWindow", 0, 0, WM_LBUTTONDOWN, WM_LBUTTONDOWN},
  };
  for (const auto& c : cases) {
    HWND hwnd = CreateWindowExA(0, c.class_name, "t", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr,
                                nullptr, nullptr);
    recorder().clear();
    headless::click(hwnd, 10, 10);
    headless::advance_ms(c.later_ms);
    headless::click(hwnd, 10 + c.moved, 10);
    headless::click(hwnd, 10 + c.moved, 10);
    std::vector<UINT> presses;
    for (const auto& m : mouse_messages(hwnd))
      if (m[0] != WM_LBUTTONUP) presses.push_back(static_cast<UINT>(m[0]));
    EXPECT_EQ(presses, (std::vector<UINT>{WM_LBUTTONDOWN, c.second, c.third}))
        << c.class_name << " " << c.later_ms << " ms, " << c.moved << " px";
    DestroyWindow(hwnd);
  }
}

}  // namespace
