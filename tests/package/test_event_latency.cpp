// A key press reaches the program at once: the event call returns it in the turns that
// handle its own messages, without waiting for the tick timer or any later message.
#include "test_events_fixture.h"

namespace zorva::testing_support {
namespace {

using KeyLatency = StartedPackage;

// Takes the messages queued at start-up (paints, sizes) so the queue holds only what a test puts in.
void settle() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

TEST_F(KeyLatency, HaltedKeyPressIsReturnedWithoutTimeMoving) {
  settle();
  ZORVA_set_animation(ANIMATION_HALT);
  headless::key_down('A');
  headless::key_up('A');
  ASSERT_EQ(headless::queued_messages(), 2u);  // key-down and key-up
  const std::uint32_t before = headless::now_ms();
  const Event e = next_event();
  EXPECT_EQ(e.kind, ZORVA_KBD);
  EXPECT_EQ(e.key, 'a');
  EXPECT_EQ(headless::now_ms(), before);
  EXPECT_EQ(idle_turns_, 0);  // the call never had to wait
  // The key-down's turn and its character's turn: the key-up is still queued.
  EXPECT_EQ(headless::queued_messages(), 1u);
}

TEST_F(KeyLatency, KeyPressReplacesAnArmedTickAtOnce) {
  settle();
  ZORVA_set_animation(ANIMATION_RUN);
  EXPECT_EQ(next_event().kind, ZORVA_PERIODIC);  // the clock moves to the tick
  const std::uint32_t after_tick = headless::now_ms();
  const int waits_before = idle_turns_;
  headless::key_down(VK_SPACE);
  headless::key_up(VK_SPACE);
  const Event e = next_event();
  EXPECT_EQ(e.kind, ZORVA_KBD);
  EXPECT_EQ(e.key, ' ');
  EXPECT_EQ(headless::now_ms(), after_tick);  // no tick was waited for
  EXPECT_EQ(idle_turns_, waits_before);
}

TEST_F(KeyLatency, KeyArrivingWhileTheCallWaitsEndsTheWait) {
  settle();
  ZORVA_set_animation(ANIMATION_HALT);
  const std::uint32_t before = headless::now_ms();
  when_idle([] {
    headless::key_down('Q');
    headless::key_up('Q');
  });
  const Event e = next_event();
  EXPECT_EQ(e.kind, ZORVA_KBD);
  EXPECT_EQ(e.key, 'q');
  EXPECT_EQ(idle_turns_, 1);  // one wait, ended by the key itself
  EXPECT_EQ(headless::now_ms(), before);
}

}  // namespace
}  // namespace zorva::testing_support
