// The queue's retrieval order, the quit flag, painting and timers on the virtual clock.
#include <gtest/gtest.h>

#include "test_windows_support.h"

using namespace zorva;
using namespace zorva::testing_support;

namespace {

class MessageOrder : public ::testing::Test {
 protected:
  void SetUp() override {
    fresh_platform();
    hwnd = make_window();
    drain();  // the first WM_PAINT
    recorder().clear();
  }
  HWND hwnd = nullptr;
};

TEST_F(MessageOrder, PostedBeforeInputBeforePaintBeforeTimer) {
  SetTimer(hwnd, 2, 100, nullptr);
  headless::advance_ms(150);
  InvalidateRect(hwnd, nullptr, FALSE);
  headless::key_down('A');
  PostMessageA(hwnd, WM_USER + 1, 0, 0);
  PostMessageA(hwnd, WM_USER + 2, 0, 0);

  std::vector<UINT> order;
  MSG msg;
  for (int i = 0; i < 5 && next(msg); ++i) {
    order.push_back(msg.message);
    if (msg.message == WM_PAINT) DispatchMessageA(&msg);  // validates
  }
  EXPECT_EQ(order, (std::vector<UINT>{WM_USER + 1, WM_USER + 2, WM_KEYDOWN, WM_PAINT, WM_TIMER}));
  EXPECT_FALSE(next(msg));
}

TEST_F(MessageOrder, QuitComesAfterEveryPostedMessageAndOnlyOnce) {
  PostMessageA(hwnd, WM_USER, 0, 0);
  PostQuitMessage(7);
  PostMessageA(hwnd, WM_USER + 1, 0, 0);  // posted after the quit, still delivered first
  PostQuitMessage(7);

  MSG msg;
  ASSERT_TRUE(next(msg));
  EXPECT_EQ(msg.message, UINT{WM_USER});
  ASSERT_TRUE(next(msg));
  EXPECT_EQ(msg.message, UINT{WM_USER + 1});
  ASSERT_TRUE(next(msg));
  EXPECT_EQ(msg.message, UINT{WM_QUIT});
  EXPECT_EQ(msg.wParam, WPARAM{7});
  EXPECT_EQ(msg.hwnd, nullptr);
  EXPECT_FALSE(next(msg));
}

TEST_F(MessageOrder, GetMessageReturnsFalseForQuit) {
  PostMessageA(hwnd, WM_USER, 0, 0);
  PostQuitMessage(3);
  MSG msg;
  EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), TRUE);
  EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), FALSE);
  EXPECT_EQ(msg.wParam, WPARAM{3});
}

TEST_F(MessageOrder, PeekRemovesAtMostOneAndNoRemoveLeavesIt) {
  PostMessageA(hwnd, WM_USER, 1, 2);
  PostMessageA(hwnd, WM_USER + 1, 0, 0);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(msg.message, UINT{WM_USER});
  EXPECT_EQ(headless::queued_messages(), 2u);
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, UINT{WM_USER});
  EXPECT_EQ(msg.wParam, WPARAM{1});
  EXPECT_EQ(msg.lParam, LPARAM{2});
  EXPECT_EQ(headless::queued_messages(), 1u);
}

TEST_F(MessageOrder, WindowAndRangeFilters) {
  HWND other = make_window();
  drain();
  PostMessageA(other, WM_USER, 0, 0);
  PostMessageA(hwnd, WM_USER + 5, 0, 0);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, hwnd, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, UINT{WM_USER + 5});
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_USER + 1, WM_USER + 9, PM_REMOVE));
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_USER, WM_USER, PM_REMOVE));
  EXPECT_EQ(msg.hwnd, other);
}

TEST_F(MessageOrder, PaintRepeatsUntilValidatedAndChildPaintsAfterParent) {
  HWND child = make_child(hwnd, 5, 5, 20, 20);
  drain();
  InvalidateRect(hwnd, nullptr, TRUE);
  MSG msg;
  ASSERT_TRUE(next(msg));
  EXPECT_EQ(msg.message, UINT{WM_PAINT});
  EXPECT_EQ(msg.hwnd, hwnd);
  ASSERT_TRUE(next(msg));  // not validated: asked again
  EXPECT_EQ(msg.hwnd, hwnd);
  DispatchMessageA(&msg);  // DefWindowProcA validates
  ASSERT_TRUE(next(msg));
  EXPECT_EQ(msg.message, UINT{WM_PAINT});
  EXPECT_EQ(msg.hwnd, child);
  DispatchMessageA(&msg);
  EXPECT_FALSE(next(msg));
}

TEST_F(MessageOrder, HiddenWindowsAreNotPainted) {
  ShowWindow(hwnd, SW_HIDE);
  InvalidateRect(hwnd, nullptr, FALSE);
  MSG msg;
  EXPECT_FALSE(next(msg));
}

TEST_F(MessageOrder, MessagesToADestroyedWindowAreDropped) {
  HWND doomed = make_window();
  drain();
  PostMessageA(doomed, WM_USER, 0, 0);
  SetTimer(doomed, 1, 10, nullptr);
  DestroyWindow(doomed);
  EXPECT_EQ(PostMessageA(doomed, WM_USER, 0, 0), FALSE);
  headless::advance_ms(50);
  MSG msg;
  EXPECT_FALSE(next(msg));
  EXPECT_EQ(headless::live_timers(), 0u);
}

TEST_F(MessageOrder, TimerNeverPilesUpWhileTheProgramIsBusy) {
  SetTimer(hwnd, 2, 100, nullptr);
  headless::advance_ms(100 * 50);  // busy for fifty periods
  MSG msg;
  ASSERT_TRUE(next(msg));
  EXPECT_EQ(msg.message, UINT{WM_TIMER});
  EXPECT_EQ(msg.wParam, WPARAM{2});
  EXPECT_FALSE(next(msg));  // one message, not fifty
  headless::advance_ms(99);
  EXPECT_FALSE(next(msg));
  headless::advance_ms(1);
  EXPECT_TRUE(next(msg));
}

TEST_F(MessageOrder, TimerKeepsItsCadenceAndKillTimerStopsIt) {
  SetTimer(hwnd, 2, 100, nullptr);
  int ticks = 0;
  MSG msg;
  for (int ms = 0; ms < 1000; ms += 10) {
    headless::advance_ms(10);
    while (next(msg)) ticks += msg.message == WM_TIMER;
  }
  EXPECT_EQ(ticks, 10);
  EXPECT_EQ(KillTimer(hwnd, 2), TRUE);
  EXPECT_EQ(KillTimer(hwnd, 2), FALSE);
  headless::advance_ms(500);
  EXPECT_FALSE(next(msg));
}

TEST_F(MessageOrder, TimerProcedureIsCalledByDispatch) {
  static int calls = 0;
  calls = 0;
  SetTimer(hwnd, 9, 10, [](HWND, UINT, UINT_PTR id, DWORD) { calls += static_cast<int>(id); });
  headless::advance_ms(10);
  drain();
  EXPECT_EQ(calls, 9);
  // A forged WM_TIMER naming some other procedure is not called.
  MSG forged{hwnd, WM_TIMER, 9, reinterpret_cast<LPARAM>(&recording_proc), 0, {0, 0}};
  EXPECT_EQ(DispatchMessageA(&forged), 0);
}

TEST_F(MessageOrder, WaitMessageWakesForTheTimerByMovingTheClock) {
  SetTimer(hwnd, 2, 100, nullptr);
  const std::uint32_t before = headless::now_ms();
  EXPECT_EQ(WaitMessage(), TRUE);
  EXPECT_EQ(headless::now_ms() - before, 100u);
  MSG msg;
  ASSERT_TRUE(next(msg));
  EXPECT_EQ(msg.message, UINT{WM_TIMER});
}

TEST_F(MessageOrder, WaitMessageWakesForInputFromTheIdleFeeder) {
  int fed = 0;
  headless::on_idle([&] {
    if (fed++) return false;
    headless::key_down(VK_SPACE);
    return true;
  });
  EXPECT_EQ(WaitMessage(), TRUE);
  MSG msg;
  ASSERT_TRUE(next(msg));
  EXPECT_EQ(msg.message, UINT{WM_KEYDOWN});
  EXPECT_EQ(msg.wParam, WPARAM{VK_SPACE});
}

TEST_F(MessageOrder, WaitingWithNothingToComeFailsClearly) {
  EXPECT_THROW(WaitMessage(), headless::WouldWaitForever);
  MSG msg;
  EXPECT_THROW(GetMessageA(&msg, nullptr, 0, 0), headless::WouldWaitForever);
}

TEST_F(MessageOrder, AFeederThatNeverDeliversIsCaught) {
  headless::on_idle([] { return true; });  // claims progress, supplies nothing
  EXPECT_THROW(WaitMessage(), headless::WouldWaitForever);
}

TEST_F(MessageOrder, BadArgumentsFailWithoutCrashing) {
  MSG msg;
  HWND stale = make_window();
  DestroyWindow(stale);
  EXPECT_EQ(PeekMessageA(nullptr, nullptr, 0, 0, PM_REMOVE), FALSE);
  EXPECT_EQ(PeekMessageA(&msg, stale, 0, 0, PM_REMOVE), FALSE);
  EXPECT_EQ(GetMessageA(&msg, stale, 0, 0), -1);
  EXPECT_EQ(PostMessageA(reinterpret_cast<HWND>(0x12345), WM_USER, 0, 0), FALSE);
  EXPECT_EQ(SendMessageA(stale, WM_USER, 0, 0), 0);
  EXPECT_EQ(DispatchMessageA(nullptr), 0);
  EXPECT_EQ(TranslateMessage(nullptr), FALSE);
  EXPECT_EQ(SetTimer(stale, 1, 100, nullptr), UINT_PTR{0});
  EXPECT_EQ(KillTimer(nullptr, 77), FALSE);
}

TEST_F(MessageOrder, PostingStopsAtTheQueueLimit) {
  int accepted = 0;
  for (int i = 0; i < 20000; ++i) accepted += PostMessageA(hwnd, WM_USER, 0, 0);
  EXPECT_EQ(accepted, 10000);
}

}  // namespace
