// Key messages and the characters TranslateMessage makes of them.
#include <gtest/gtest.h>

#include <string>

#include "test_windows_support.h"

using namespace zorva;
using namespace zorva::testing_support;

namespace {

class Keyboard : public ::testing::Test {
 protected:
  void SetUp() override {
    fresh_platform();
    hwnd = make_window();
    drain();
    recorder().clear();
  }
  // Characters the window received as WM_CHAR.
  std::string typed() const {
    std::string out;
    for (const Received& r : recorder().messages)
      if (r.message == WM_CHAR) out += static_cast<char>(r.wparam);
    return out;
  }
  HWND hwnd = nullptr;
};

TEST_F(Keyboard, KeyMessagesCarryVirtualKeyScanCodeAndTransitionBits) {
  headless::key_down('A');
  headless::key_down('A', 0, true);
  headless::key_up('A');
  MSG down, again, up;
  ASSERT_TRUE(next(down));
  ASSERT_TRUE(next(again));
  ASSERT_TRUE(next(up));
  EXPECT_EQ(down.message, UINT{WM_KEYDOWN});
  EXPECT_EQ(down.wParam, WPARAM{'A'});
  EXPECT_EQ(down.lParam & 0xFFFF, 1);             // repeat count
  EXPECT_EQ((down.lParam >> 16) & 0xFF, 0x1E);    // scan code of A
  EXPECT_EQ((down.lParam >> 30) & 3, 0);
  EXPECT_EQ((again.lParam >> 30) & 3, 1);         // previous state: down
  EXPECT_EQ(up.message, UINT{WM_KEYUP});
  EXPECT_EQ((up.lParam >> 30) & 3, 3);

  headless::key_down('B');
  headless::key_down('B');  // held down: the second press is a repeat
  ASSERT_TRUE(next(down));
  ASSERT_TRUE(next(again));
  EXPECT_EQ((down.lParam >> 30) & 1, 0);
  EXPECT_EQ((again.lParam >> 30) & 1, 1);
}

TEST_F(Keyboard, PlainShiftedAndControlCharacters) {
  headless::type_text("aZ1!,.<>");
  drain();
  EXPECT_EQ(typed(), "aZ1!,.<>");

  recorder().clear();
  headless::key_down(VK_CONTROL);
  headless::key_down('A');
  headless::key_up('A');
  headless::key_down('Z');
  headless::key_up('Z');
  headless::key_down('1');  // Ctrl+digit types nothing
  headless::key_up('1');
  headless::key_up(VK_CONTROL);
  drain();
  EXPECT_EQ(typed(), std::string("\x01\x1a"));
}

TEST_F(Keyboard, EditingKeysTypeTheirControlCharacters) {
  for (int vk : {VK_RETURN, VK_BACK, VK_ESCAPE, VK_TAB, VK_SPACE}) {
    headless::key_down(vk);
    headless::key_up(vk);
  }
  headless::key_down(VK_NUMPAD4);  // the game steers with the numeric keypad too
  headless::key_up(VK_NUMPAD4);
  headless::key_down(VK_LEFT);     // arrows type nothing
  headless::key_up(VK_LEFT);
  drain();
  EXPECT_EQ(typed(), std::string("\r\b\x1b\t 4"));
}

TEST_F(Keyboard, ControlCharacterIsHandledBeforeTheWaitingControlKeyUp) {
  // All input arrives before the program looks: the WM_CHAR that TranslateMessage posts
  // still comes before the Ctrl key-up that was already queued.
  headless::key_down(VK_CONTROL);
  headless::key_down('R');
  headless::key_up('R');
  headless::key_up(VK_CONTROL);
  drain();
  std::vector<UINT> order;
  for (const Received& r : recorder().messages)
    if (r.message == WM_CHAR || (r.message == WM_KEYUP && r.wparam == VK_CONTROL)) order.push_back(r.message);
  EXPECT_EQ(order, (std::vector<UINT>{WM_CHAR, WM_KEYUP}));
  EXPECT_EQ(typed(), std::string("\x12"));
}

TEST_F(Keyboard, AltCombinationsAreSystemKeysWithoutCharacters) {
  headless::key_down(VK_MENU);
  headless::key_down('R');
  headless::key_up('R');
  headless::key_up(VK_MENU);
  drain();
  EXPECT_EQ(recorder().count(WM_SYSKEYDOWN), 2);
  EXPECT_EQ(recorder().count(WM_KEYDOWN), 0);
  EXPECT_EQ(typed(), "");
}

TEST_F(Keyboard, TheBackendsTypedCharacterWins) {
  headless::key_down(0xDF, 0xE9);  // a Latin-1 letter from a key with no US character
  headless::key_down(VK_OEM_2, '-');  // another layout puts '-' where US has '/'
  drain();
  EXPECT_EQ(typed(), std::string("\xe9-"));
}

TEST_F(Keyboard, ForwardedKeyDownTranslatesWithTheStateOfItsOwnMoment) {
  HWND target = make_window();
  headless::focus(hwnd);
  drain();
  recorder().clear();
  // The focused window forwards every key-down to `target`, as the text window does.
  recorder().react = [&](HWND h, UINT m, WPARAM w, LPARAM l, LRESULT&) {
    if (h == hwnd && m == WM_KEYDOWN) PostMessageA(target, m, w, l);
    return h == hwnd && (m == WM_KEYDOWN || m == WM_CHAR);
  };
  headless::key_down(VK_SHIFT);
  headless::key_down('Q');
  headless::key_up(VK_SHIFT);  // already up when the forwarded copy is translated
  headless::key_up('Q');
  drain();
  std::string at_target;
  for (const Received& r : recorder().messages)
    if (r.hwnd == target && r.message == WM_CHAR) at_target += static_cast<char>(r.wparam);
  EXPECT_EQ(at_target, "Q");
}

TEST_F(Keyboard, KeysGoToTheFocusAndNotToDisabledWindows) {
  HWND child = make_child(hwnd, 0, 0, 50, 50);
  EXPECT_EQ(SetFocus(child), hwnd);
  EXPECT_EQ(GetFocus(), child);
  drain();
  recorder().clear();
  headless::key_down('K');
  drain();
  ASSERT_EQ(recorder().count(WM_KEYDOWN), 1);
  EXPECT_EQ(recorder().messages[0].hwnd, child);

  recorder().clear();
  EnableWindow(hwnd, FALSE);
  headless::key_down('L');
  MSG msg;
  EXPECT_FALSE(next(msg));
}

TEST_F(Keyboard, FocusChangesAreAnnounced) {
  HWND child = make_child(hwnd, 0, 0, 50, 50);
  drain();
  recorder().clear();
  SetFocus(child);
  ASSERT_EQ(recorder().messages.size(), 2u);
  EXPECT_EQ(recorder().messages[0].message, UINT{WM_KILLFOCUS});
  EXPECT_EQ(recorder().messages[0].hwnd, hwnd);
  EXPECT_EQ(recorder().messages[1].message, UINT{WM_SETFOCUS});
  EXPECT_EQ(recorder().messages[1].hwnd, child);
  DestroyWindow(child);
  EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(Keyboard, AnyKeyCodeIsSafe) {
  for (int vk = -5; vk < 300; ++vk) {
    headless::key_down(vk, static_cast<unsigned char>(vk));
    headless::key_up(vk);
  }
  drain();
  EXPECT_EQ(recorder().count(WM_KEYDOWN) + recorder().count(WM_SYSKEYDOWN), 254);
}

}  // namespace
