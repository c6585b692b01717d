// Menu records: labels, check marks, nesting, and what attaching a bar does to the window.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/menus/menu.h"
#include "platform/menus/menu_hooks.h"
#include "test_windows_support.h"

namespace {

using namespace zorva::testing_support;
using zorva::platform::menus::parse_menu_label;

TEST(MenuLabel, SplitsMnemonicAndKeyHint) {
  const auto animate = parse_menu_label("&Animate\tCtrl+A");
  EXPECT_EQ(animate.text, "Animate");
  EXPECT_EQ(animate.underline, 0);
  EXPECT_EQ(animate.mnemonic, 'A');
  EXPECT_EQ(animate.hint, "Ctrl+A");

  const auto frame = parse_menu_label("Advance one &frame\tCtrl+F");
  EXPECT_EQ(frame.text, "Advance one frame");
  EXPECT_EQ(frame.underline, 12);
  EXPECT_EQ(frame.mnemonic, 'F');

  const auto literal = parse_menu_label("Save && &quit");
  EXPECT_EQ(literal.text, "Save & quit");
  EXPECT_EQ(literal.underline, 7);
  EXPECT_EQ(literal.mnemonic, 'Q');

  const auto plain = parse_menu_label("Version 0.1 &");
  EXPECT_EQ(plain.text, "Version 0.1 ");
  EXPECT_EQ(plain.underline, -1);
  EXPECT_EQ(plain.mnemonic, 0);
  EXPECT_EQ(plain.hint, "");
}

class MenuModel : public ::testing::Test {
 protected:
  void SetUp() override {
    fresh_platform();
    bar = CreateMenu();
    run = CreatePopupMenu();
    AppendMenuA(run, MF_STRING, 1, "&Animate\tCtrl+A");
    AppendMenuA(run, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(run, MF_STRING | MF_CHECKED, 4, "&Logging\tCtrl+L");
    AppendMenuA(run, MF_STRING, 5, "&Record Script\tCtrl+R");
    AppendMenuA(run, MF_STRING | MF_GRAYED, 9, "contact");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(run), "&Run");
  }
  HMENU bar = nullptr;
  HMENU run = nullptr;
};

TEST_F(MenuModel, CheckMenuItemReturnsThePreviousStateByCommandThroughPopups) {
  EXPECT_EQ(CheckMenuItem(bar, 4, MF_BYCOMMAND | MF_UNCHECKED), static_cast<DWORD>(MF_CHECKED));
  EXPECT_EQ(CheckMenuItem(run, 4, MF_UNCHECKED), static_cast<DWORD>(MF_UNCHECKED));
  EXPECT_EQ(CheckMenuItem(run, 5, MF_CHECKED), static_cast<DWORD>(MF_UNCHECKED));
  EXPECT_EQ(CheckMenuItem(bar, 5, MF_CHECKED), static_cast<DWORD>(MF_CHECKED));
  EXPECT_TRUE(zorva::platform::menus::find_item_by_command(run, 5)->checked());
  EXPECT_FALSE(zorva::platform::menus::find_item_by_command(run, 4)->checked());
}

TEST_F(MenuModel, CheckMenuItemByPositionAndMissingItems) {
  EXPECT_EQ(CheckMenuItem(run, 2, MF_BYPOSITION | MF_UNCHECKED), static_cast<DWORD>(MF_CHECKED));
  EXPECT_EQ(CheckMenuItem(run, 99, MF_BYPOSITION | MF_CHECKED), static_cast<DWORD>(-1));
  EXPECT_EQ(CheckMenuItem(run, 77, MF_CHECKED), static_cast<DWORD>(-1));
  EXPECT_EQ(CheckMenuItem(nullptr, 4, MF_CHECKED), static_cast<DWORD>(-1));
}

TEST_F(MenuModel, StaleAndForeignHandlesFailWithoutHarm) {
  ASSERT_TRUE(DestroyMenu(bar));  // takes its popup with it
  EXPECT_FALSE(DestroyMenu(bar));
  EXPECT_FALSE(AppendMenuA(run, MF_STRING, 1, "x"));
  EXPECT_EQ(CheckMenuItem(run, 4, MF_CHECKED), static_cast<DWORD>(-1));
  EXPECT_EQ(zorva::platform::menus::live_menu_count(), 0u);
  HWND window = make_window();
  EXPECT_FALSE(AppendMenuA(reinterpret_cast<HMENU>(window), MF_STRING, 1, "x"));
  EXPECT_FALSE(SetMenu(window, reinterpret_cast<HMENU>(window)));
}

TEST_F(MenuModel, PopupsCannotContainThemselves) {
  EXPECT_FALSE(AppendMenuA(run, MF_POPUP, reinterpret_cast<UINT_PTR>(run), "self"));
  EXPECT_FALSE(AppendMenuA(run, MF_POPUP, reinterpret_cast<UINT_PTR>(bar), "loop"));
  HMENU inner = CreatePopupMenu();
  AppendMenuA(inner, MF_STRING, 42, "deep");
  EXPECT_TRUE(AppendMenuA(run, MF_POPUP, reinterpret_cast<UINT_PTR>(inner), "More"));
  EXPECT_EQ(CheckMenuItem(bar, 42, MF_CHECKED), static_cast<DWORD>(MF_UNCHECKED));
}

// A window whose procedure attaches the bar while it is being created.
HMENU g_bar_for_create = nullptr;

TEST_F(MenuModel, SetMenuShrinksTheClientAreaAndSendsWmSizeAtOnceEvenDuringCreate) {
  g_bar_for_create = bar;
  recorder().react = [](HWND hwnd, UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != WM_CREATE) return false;
    EXPECT_TRUE(SetMenu(hwnd, g_bar_for_create));
    EXPECT_EQ(recorder().count(WM_SIZE), 1);  // already sent, before WM_CREATE returns
    result = 0;
    return true;
  };
  HWND window = CreateWindowExA(0, "TestWindow", "t", WS_OVERLAPPEDWINDOW, 0, 0, 601, 540, nullptr, nullptr,
                                nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  // The first WM_SIZE came from inside WM_CREATE, with the strip already taken off.
  const auto& messages = recorder().messages;
  auto size = std::find_if(messages.begin(), messages.end(), [](const Received& r) { return r.message == WM_SIZE; });
  ASSERT_NE(size, messages.end());
  const int bar_height = zorva::platform::menus::bar_height(bar);
  EXPECT_GT(bar_height, 10);
  // 601 by 540 less the sizing frame (4) and the caption (19): 593 by 513 without the bar.
  EXPECT_EQ(LOWORD(size->lparam), 593);
  EXPECT_EQ(HIWORD(size->lparam), 513 - bar_height);
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.bottom, 513 - bar_height);
  EXPECT_EQ(GetMenu(window), bar);

  // Taking the bar away gives the rows back.
  recorder().clear();
  EXPECT_TRUE(SetMenu(window, nullptr));
  EXPECT_EQ(recorder().count(WM_SIZE), 1);
  GetClientRect(window, &client);
  EXPECT_EQ(client.bottom, 513);
}

TEST_F(MenuModel, ChildWindowsTakeNoMenu) {
  HWND window = make_window();
  HWND child = make_child(window, 0, 0, 10, 10);
  EXPECT_FALSE(SetMenu(child, bar));
  EXPECT_EQ(GetMenu(child), nullptr);
  EXPECT_FALSE(DrawMenuBar(child));
  EXPECT_FALSE(DrawMenuBar(nullptr));
}

TEST_F(MenuModel, TheBarIsDrawnInTheTopStripOnly) {
  HWND window = make_window(601, 540);
  ASSERT_TRUE(SetMenu(window, bar));
  DrawMenuBar(window);
  drain();
  const auto& frame = zorva::headless::framebuffer(window);
  const int strip = zorva::platform::menus::bar_height(bar);
  int dark = 0, face = 0;
  for (int y = 0; y < strip; ++y)
    for (int x = 0; x < 60; ++x) {
      const std::uint32_t p = frame.row(y)[x];
      dark += (p & 0xFFFFFF) < 0x404040;
      face += p == 0xD4D0C8;
    }
  EXPECT_GT(dark, 10);   // the title's text, with its underline
  EXPECT_GT(face, 500);  // on the system face colour
  EXPECT_EQ(frame.row(strip + 5)[30], 0xFFFFFFu);  // the white client area starts below
  EXPECT_EQ(zorva::headless::client_pixel(window, 30, 0), 0xFFFFFFu);
}

}  // namespace
