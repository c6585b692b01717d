// Opening, navigating and choosing from the menu with injected clicks and keys.
#include <gtest/gtest.h>

#include "platform/menus/menu.h"
#include "platform/menus/menu_hooks.h"
#include "platform/menus/menu_layout.h"
#include "platform/menus/menu_tracking.h"
#include "platform/messages/keyboard.h"
#include "platform/windows/window.h"
#include "test_windows_support.h"

namespace {

using namespace zorva::testing_support;
namespace headless = zorva::headless;
namespace menus = zorva::platform::menus;

class MenuInput : public ::testing::Test {
 protected:
  void SetUp() override {
    fresh_platform();
    window = make_window(601, 540);
    bar = CreateMenu();
    run = CreatePopupMenu();
    AppendMenuA(run, MF_STRING, 1, "&Animate\tCtrl+A");
    AppendMenuA(run, MF_STRING, 2, "&Halt animation\tCtrl+H");
    AppendMenuA(run, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(run, MF_STRING | MF_CHECKED, 4, "&Logging\tCtrl+L");
    AppendMenuA(run, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(run, MF_STRING, 8, "&Quit\tCtrl+Q");
    AppendMenuA(run, MF_STRING | MF_GRAYED, 9, "Contact &us");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(run), "&Run");
    help = CreatePopupMenu();
    AppendMenuA(help, MF_STRING, 20, "&About");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "&Help");
    SetMenu(window, bar);
    DrawMenuBar(window);
    drain();
    recorder().clear();
  }

  // Where a bar title and a popup item lie in the window's frame.
  POINT title_point(int title) {
    zorva::platform::ScratchSurface measure(1, 1, 0);
    const auto titles = menus::layout_bar(*menus::find_menu(bar), measure);
    return POINT{(titles[title].begin + titles[title].end) / 2, menus::kBarHeight / 2};
  }
  POINT item_point(int title, int item) {
    zorva::platform::ScratchSurface measure(1, 1, 0);
    const auto titles = menus::layout_bar(*menus::find_menu(bar), measure);
    const HMENU popup = menus::find_menu(bar)->items[title].popup;
    const auto layout = menus::layout_popup(*menus::find_menu(popup), titles[title].begin, menus::kBarHeight,
                                            601, measure);
    return POINT{(layout.box.left + layout.box.right) / 2, (layout.items[item].begin + layout.items[item].end) / 2};
  }
  void click_at(POINT p) { headless::click_frame(window, p.x, p.y); }
  void press(int vk) {
    headless::key_down(vk);
    headless::key_up(vk);
  }
  bool popup_open() { return menus::has_overlay(*zorva::platform::find_window(window)); }
  // The commands the window received, in order.
  std::vector<WPARAM> commands() {
    drain();
    std::vector<WPARAM> out;
    for (const Received& r : recorder().messages)
      if (r.message == WM_COMMAND) {
        EXPECT_EQ(r.lparam, 0);
        out.push_back(r.wparam);
      }
    return out;
  }
  int key_messages() {
    return recorder().count(WM_KEYDOWN) + recorder().count(WM_KEYUP) + recorder().count(WM_CHAR) +
           recorder().count(WM_SYSKEYDOWN) + recorder().count(WM_SYSKEYUP);
  }

  HWND window = nullptr;
  HMENU bar = nullptr, run = nullptr, help = nullptr;
};

TEST_F(MenuInput, ClickOnTitleThenOnItemPostsOneCommand) {
  click_at(title_point(0));
  EXPECT_TRUE(popup_open());
  click_at(item_point(0, 3));  // Logging
  EXPECT_FALSE(popup_open());
  EXPECT_EQ(commands(), std::vector<WPARAM>{4});
  EXPECT_EQ(recorder().count(WM_LBUTTONDOWN) + recorder().count(WM_LBUTTONUP), 0);
}

TEST_F(MenuInput, AltMnemonicArrowsAndEnterPostOneCommandAndNoKeysReachTheWindow) {
  headless::key_down(VK_MENU);
  press('R');
  headless::key_up(VK_MENU);
  EXPECT_TRUE(popup_open());
  press(VK_DOWN);  // from Animate to Halt animation
  press(VK_RETURN);
  EXPECT_FALSE(popup_open());
  EXPECT_EQ(commands(), std::vector<WPARAM>{2});
  EXPECT_EQ(key_messages(), 0);
}

TEST_F(MenuInput, DownSkipsSeparatorsAndAnItemsMnemonicChoosesIt) {
  headless::key_down(VK_MENU);
  press('R');
  headless::key_up(VK_MENU);
  press(VK_DOWN);
  press(VK_DOWN);  // over the separator to Logging
  press(VK_RETURN);
  EXPECT_EQ(commands(), std::vector<WPARAM>{4});

  recorder().clear();
  headless::key_down(VK_MENU);
  press('R');
  headless::key_up(VK_MENU);
  press('Q');
  EXPECT_EQ(commands(), std::vector<WPARAM>{8});
}

TEST_F(MenuInput, F10ThenEnterOpensTheFirstPopupAndEscapeCloses) {
  press(VK_F10);
  EXPECT_FALSE(popup_open());
  press(VK_RETURN);
  EXPECT_TRUE(popup_open());
  press(VK_ESCAPE);
  EXPECT_FALSE(popup_open());
  EXPECT_TRUE(commands().empty());
  EXPECT_EQ(key_messages(), 0);
  press('A');  // the menu is closed: keys reach the window again
  drain();
  EXPECT_EQ(recorder().count(WM_KEYDOWN), 1);
}

TEST_F(MenuInput, GreyedItemsAndSeparatorsCannotBeChosen) {
  click_at(title_point(0));
  click_at(item_point(0, 6));  // the greyed line
  EXPECT_TRUE(popup_open());
  click_at(item_point(0, 2));  // a separator
  EXPECT_TRUE(popup_open());
  press(VK_RETURN);            // nothing is highlighted: the pointer passes greyed items by
  press('U');                  // the greyed line's mnemonic highlights it
  EXPECT_TRUE(popup_open());
  press(VK_ESCAPE);
  EXPECT_FALSE(popup_open());
  headless::key_down(VK_MENU);
  press('R');
  headless::key_up(VK_MENU);
  press(VK_UP);                // wraps from the first item to the greyed last one
  press(VK_RETURN);
  EXPECT_TRUE(popup_open());
  EXPECT_TRUE(commands().empty());
}

TEST_F(MenuInput, LeftAndRightMoveBetweenTitles) {
  headless::key_down(VK_MENU);
  press('R');
  headless::key_up(VK_MENU);
  press(VK_RIGHT);
  press(VK_RETURN);  // About, the first item of Help
  EXPECT_EQ(commands(), std::vector<WPARAM>{20});
  headless::key_down(VK_MENU);
  press('H');
  headless::key_up(VK_MENU);
  press(VK_RIGHT);   // wraps round to Run
  press(VK_RETURN);
  EXPECT_EQ(commands(), (std::vector<WPARAM>{20, 1}));
}

TEST_F(MenuInput, AClickElsewhereClosesAndIsNotPassedOn) {
  click_at(title_point(0));
  ASSERT_TRUE(popup_open());
  headless::click_frame(window, 500, 400);
  EXPECT_FALSE(popup_open());
  EXPECT_TRUE(commands().empty());
  EXPECT_EQ(recorder().count(WM_LBUTTONDOWN), 0);
  // Clicking the open title again closes it too.
  click_at(title_point(1));
  click_at(title_point(1));
  EXPECT_FALSE(popup_open());
}

TEST_F(MenuInput, ALoneAltSelectsTheBarAndTheNextLetterOpensItsPopup) {
  press(VK_MENU);
  EXPECT_FALSE(popup_open());
  press('H');
  EXPECT_TRUE(popup_open());
  press(VK_RETURN);
  EXPECT_EQ(commands(), std::vector<WPARAM>{20});
  EXPECT_EQ(key_messages(), 0);
}

TEST_F(MenuInput, AnAltReleasedOutOfSightDoesNotSwallowLaterKeys) {
  headless::key_down(VK_MENU);
  zorva::platform::set_key_down(VK_MENU, false);  // its key-up went to another application
  press('A');
  drain();
  EXPECT_EQ(recorder().count(WM_KEYDOWN), 1);
  EXPECT_FALSE(popup_open());
}

TEST_F(MenuInput, AModifierHeldBeforeTheMenuOpenedIsReleasedToTheWindow) {
  headless::key_down(VK_CONTROL);
  drain();
  press(VK_F10);
  press(VK_ESCAPE);
  headless::key_up(VK_CONTROL);
  drain();
  int control_ups = 0;
  for (const Received& r : recorder().messages) control_ups += r.message == WM_KEYUP && r.wparam == VK_CONTROL;
  EXPECT_EQ(control_ups, 1);
}

TEST_F(MenuInput, ThePopupIsAnOverlayAndLeavesTheWindowsPixelsAlone) {
  const POINT inside = item_point(0, 0);
  const std::uint32_t before = headless::framebuffer(window).row(inside.y)[inside.x];
  click_at(title_point(0));
  drain();
  EXPECT_EQ(headless::framebuffer(window).row(inside.y)[inside.x], before);
  const auto shown = headless::presented(window);
  EXPECT_NE(shown.row(inside.y)[inside.x], before);
  // The bar's title is highlighted while its popup is open.
  const POINT title = title_point(0);
  EXPECT_EQ(headless::framebuffer(window).row(2)[title.x - 14] & 0xFFFFFF, 0x0A246Au);
  click_at(title_point(0));
  drain();
  EXPECT_EQ(headless::presented(window).row(inside.y)[inside.x], before);
}

TEST_F(MenuInput, AKeyboardOpenedPopupHighlightsItsFirstItemAndShowsCheckMarks) {
  headless::key_down(VK_MENU);
  press('R');
  headless::key_up(VK_MENU);
  const auto shown = headless::presented(window);
  const POINT first = item_point(0, 0);
  EXPECT_EQ(shown.row(first.y)[5] & 0xFFFFFF, 0x0A246Au);
  // The check mark of Logging: dark pixels in the left column of its row.
  const POINT logging = item_point(0, 3);
  int dark = 0;
  for (int y = logging.y - 4; y <= logging.y + 4; ++y)
    for (int x = 3; x < 3 + menus::kCheckColumn; ++x) dark += (shown.row(y)[x] & 0xFFFFFF) == 0;
  EXPECT_GE(dark, 10);
}

TEST_F(MenuInput, DestroyingTheWindowOrTheMenuWhileOpenIsSafe) {
  click_at(title_point(0));
  ASSERT_TRUE(popup_open());
  EXPECT_TRUE(DestroyMenu(bar));
  EXPECT_FALSE(popup_open());
  press(VK_RETURN);  // no menu any more: the window gets the key
  drain();
  EXPECT_EQ(recorder().count(WM_KEYDOWN), 1);
  DestroyWindow(window);
  press(VK_F10);
  EXPECT_TRUE(commands().empty());
}

// The pointer in an open menu: a table of pointer moves, presses, releases and keys, and
// what they leave: the commands posted, whether a popup is open, and which title and item.
TEST_F(MenuInput, ThePointerHighlightsAndChoosesAsItMovesPressesAndReleases) {
  enum Kind { kMove, kPress, kRelease, kClick, kKey };
  struct Step {
    Kind kind;
    int title;  // a bar title (item -1), a popup item, or -1: the client area, away from the menu
    int item;
  };
  const struct {
    const char* what;
    std::vector<Step> steps;
    std::vector<WPARAM> commands;
    bool open;
    int title, item;
  } cases[] = {
      {"hovering highlights an item", {{kClick, 0, -1}, {kMove, 0, 1}}, {}, true, 0, 1},
      {"a separator is not highlighted", {{kClick, 0, -1}, {kMove, 0, 1}, {kMove, 0, 2}}, {}, true, 0, -1},
      {"nor a greyed item", {{kClick, 0, -1}, {kMove, 0, 6}}, {}, true, 0, -1},
      {"off the popup nothing is", {{kClick, 0, -1}, {kMove, 0, 0}, {kMove, -1, -1}}, {}, true, 0, -1},
      {"a press highlights, the release chooses", {{kClick, 0, -1}, {kPress, 0, 3}}, {}, true, 0, 3},
      {"... and the release chooses", {{kClick, 0, -1}, {kPress, 0, 3}, {kRelease, 0, 3}}, {4}, false, -1, -1},
      {"press on the bar, drag, release on an item", {{kPress, 0, -1}, {kMove, 0, 1}, {kRelease, 0, 1}}, {2}, false, -1, -1},
      {"released on the title the popup stays", {{kPress, 0, -1}, {kRelease, 0, -1}}, {}, true, 0, -1},
      {"released on a greyed item it stays", {{kPress, 0, -1}, {kMove, 0, 6}, {kRelease, 0, 6}}, {}, true, 0, -1},
      {"dragged off and released it closes", {{kPress, 0, -1}, {kMove, -1, -1}, {kRelease, -1, -1}}, {}, false, -1, -1},
      {"along the bar the next popup opens", {{kClick, 0, -1}, {kMove, 1, -1}, {kMove, 1, 0}}, {}, true, 1, 0},
      {"... and its item is chosen", {{kClick, 0, -1}, {kMove, 1, -1}, {kClick, 1, 0}}, {20}, false, -1, -1},
      {"the arrow keys go on from the pointer", {{kClick, 0, -1}, {kMove, 0, 1}, {kKey, VK_DOWN, 0}}, {}, true, 0, 3},
      {"... and Enter chooses", {{kClick, 0, -1}, {kMove, 0, 1}, {kKey, VK_DOWN, 0}, {kKey, VK_RETURN, 0}}, {4}, false, -1, -1},
  };
  for (const auto& c : cases) {
    SetUp();
    for (const Step& step : c.steps) {
      if (step.kind == kKey) {
        press(step.title);
        continue;
      }
      const POINT p = step.title < 0 ? POINT{500, 400} : step.item < 0 ? title_point(step.title) : item_point(step.title, step.item);
      if (step.kind == kMove) headless::move_mouse_frame(window, p.x, p.y);
      if (step.kind == kPress || step.kind == kClick) headless::button_frame(window, p.x, p.y, true);
      if (step.kind == kRelease || step.kind == kClick) headless::button_frame(window, p.x, p.y, false);
    }
    const auto& t = menus::tracking();
    EXPECT_EQ(commands(), c.commands) << c.what;
    EXPECT_EQ(popup_open(), c.open) << c.what;
    if (c.open) {
      EXPECT_EQ(t.title, c.title) << c.what;
      EXPECT_EQ(t.item, c.item) << c.what;
    }
    // The menu took all of it: the window heard of no button and no move.
    EXPECT_EQ(recorder().count(WM_LBUTTONDOWN) + recorder().count(WM_LBUTTONUP) + recorder().count(WM_MOUSEMOVE), 0)
        << c.what;
  }
}

TEST_F(MenuInput, TheHighlightIsDrawnUnderThePointerAndMovesWithIt) {
  click_at(title_point(0));
  const POINT animate = item_point(0, 0), halt = item_point(0, 1);
  headless::move_mouse_frame(window, animate.x, animate.y);
  EXPECT_EQ(headless::presented(window).row(animate.y)[5] & 0xFFFFFF, 0x0A246Au);
  headless::move_mouse_frame(window, halt.x, halt.y);
  const auto shown = headless::presented(window);
  EXPECT_NE(shown.row(animate.y)[5] & 0xFFFFFF, 0x0A246Au);
  EXPECT_EQ(shown.row(halt.y)[5] & 0xFFFFFF, 0x0A246Au);
  // With the menu closed, moves reach the window again.
  press(VK_ESCAPE);
  headless::move_mouse_frame(window, 300, 300);
  drain();
  EXPECT_EQ(recorder().count(WM_MOUSEMOVE), 1);
}

}  // namespace
