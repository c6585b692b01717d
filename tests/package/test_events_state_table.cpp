// The event call: what ends a wait, how periodic events are paced, and the animation flags.
#include "test_events_fixture.h"

namespace zorva::testing_support {
namespace {

using EventCall = StartedPackage;

TEST_F(EventCall, HaltedCallReturnsOnlyInputWithLogicalPositions) {
  when_idle([] { click_logical(-7, 12); });
  Event click = next_event();
  EXPECT_EQ(click.kind, ZORVA_MOUSE);
  EXPECT_EQ(click.x, -7);
  EXPECT_EQ(click.y, 12);
  EXPECT_EQ(click.key, 0);

  when_idle([] { headless::type_text("a"); });
  Event key = next_event();
  EXPECT_EQ(key.kind, ZORVA_KBD);
  EXPECT_EQ(key.key, 'a');
  EXPECT_EQ(key.x, 0);
  EXPECT_EQ(key.y, 0);
}

TEST_F(EventCall, OriginIsTheCentreOfTheClientRectangle) {
  RECT client{};
  GetClientRect(g_state.draw_window, &client);
  EXPECT_EQ(g_state.origin_x, client.left + (client.right - client.left) / 2);
  EXPECT_EQ(g_state.origin_y, client.top + (client.bottom - client.top) / 2);
  when_idle([] { headless::click(g_state.draw_window, g_state.origin_x, g_state.origin_y - 1); });
  Event e = next_event();
  EXPECT_EQ(e.x, 0);
  EXPECT_EQ(e.y, 1);
}

TEST_F(EventCall, RunningAnimationGivesAtMostOnePeriodicEventPerTick) {
  ZORVA_set_animation(ANIMATION_RUN);
  for (std::uint32_t n = 1; n <= 20; ++n) {
    ASSERT_EQ(next_event().kind, ZORVA_PERIODIC);
    EXPECT_GE(headless::now_ms(), n * kTickPeriodMs);
  }
}

TEST_F(EventCall, ClickWhileArmedIsReturnedAndNoPeriodicEventIsOwed) {
  ZORVA_set_animation(ANIMATION_RUN);
  ASSERT_EQ(next_event().kind, ZORVA_PERIODIC);
  headless::advance_ms(250);  // ticks that come before the next call are not owed
  when_idle([] { click_logical(3, 4); });
  EXPECT_EQ(next_event().kind, ZORVA_MOUSE);
  const std::uint32_t clicked_at = headless::now_ms();
  EXPECT_EQ(next_event().kind, ZORVA_PERIODIC);
  EXPECT_GT(headless::now_ms(), clicked_at);
}

TEST_F(EventCall, SingleStepGivesExactlyOnePeriodicEvent) {
  ZORVA_set_animation(ANIMATION_STEP);
  EXPECT_EQ(next_event().kind, ZORVA_PERIODIC);
  when_idle([] { headless::advance_ms(kTickPeriodMs); });  // ticks while halted give nothing
  when_idle([] { headless::advance_ms(kTickPeriodMs); });
  when_idle([] { click_logical(0, 0); });
  EXPECT_EQ(next_event().kind, ZORVA_MOUSE);
}

TEST_F(EventCall, SingleStepReplacedByAClickIsUsedUp) {
  ZORVA_set_animation(ANIMATION_STEP);
  when_idle([] { click_logical(1, 1); });
  EXPECT_EQ(next_event().kind, ZORVA_MOUSE);
  when_idle([] { headless::type_text("z"); });
  EXPECT_EQ(next_event().kind, ZORVA_KBD);
}

TEST_F(EventCall, HaltRequestCancelsAStepButTheHaltCommandDoesNot) {
  ZORVA_set_animation(ANIMATION_STEP);
  ZORVA_set_animation(ANIMATION_HALT);
  EXPECT_EQ(g_state.single_step, 0);

  ZORVA_set_animation(ANIMATION_STEP);
  ZORVA_set_animation(ANIMATION_RUN);
  command(2);  // Halt animation
  EXPECT_EQ(next_event().kind, ZORVA_PERIODIC);
  EXPECT_EQ(g_state.animating, 0);
}

TEST_F(EventCall, QuitRequestWaitsForAnEventAndKeepsItsOutputs) {
  ZORVA_set_animation(ANIMATION_QUIT);
  when_idle([] { click_logical(-5, 6); });
  Event e = next_event();
  EXPECT_EQ(e.kind, ZORVA_QUIT);
  EXPECT_EQ(e.x, -5);
  EXPECT_EQ(e.y, 6);
  when_idle([] { headless::type_text("q"); });
  EXPECT_EQ(next_event().kind, ZORVA_QUIT);  // never cleared
}

TEST_F(EventCall, QuitMessageEndsTheCallWithZeroOutputs) {
  ZORVA_set_animation(ANIMATION_RUN);
  PostQuitMessage(0);
  Event e{ZORVA_MOUSE, 9, 9, 'x'};
  e.kind = ZORVA_next_event(&e.x, &e.y, &e.key);
  EXPECT_EQ(e.kind, ZORVA_QUIT);
  EXPECT_EQ(e.x, 0);
  EXPECT_EQ(e.y, 0);
  EXPECT_EQ(e.key, 0);
}

TEST_F(EventCall, ClosingTheDrawingWindowQuitsAndStopsTheTimer) {
  when_idle([] { headless::close_request(g_state.draw_window); });
  EXPECT_EQ(next_event().kind, ZORVA_QUIT);
  EXPECT_EQ(headless::live_timers(), 0u);
}

TEST_F(EventCall, NullOutputsAreNotWritten) {
  when_idle([] { click_logical(0, 0); });
  EXPECT_EQ(ZORVA_next_event(nullptr, nullptr, nullptr), ZORVA_MOUSE);
}

TEST_F(EventCall, AnimationRequestsAfterStartAndBefore) {
  EXPECT_EQ(ZORVA_set_animation(3), 1);
  EXPECT_EQ(ZORVA_set_animation(4), 1);
  EXPECT_EQ(ZORVA_set_animation(0xFFFFFFFFu), 1);
  EXPECT_EQ(g_state.animating, 0);
  EXPECT_EQ(g_state.single_step, 0);
  EXPECT_EQ(g_state.quit_requested, 0);

  g_state.draw_window = nullptr;
  EXPECT_EQ(ZORVA_set_animation(ANIMATION_RUN), 0);
  EXPECT_EQ(ZORVA_set_logging(0), 0);
  EXPECT_EQ(g_state.animating, 0);
  EXPECT_EQ(g_state.logging_enabled, 1);
}

// The call sleeps in WaitMessage instead of polling: while halted, each idle moment is one
// wait, so a run of ticks costs one wait per tick and not thousands of empty turns.
TEST_F(EventCall, WaitingSleepsUntilTheNextMessage) {
  int turns_before_click = 0;
  headless::on_idle([&] {
    if (++turns_before_click == 10) click_logical(0, 0);
    return turns_before_click == 10;
  });
  EXPECT_EQ(next_event().kind, ZORVA_MOUSE);
  EXPECT_EQ(turns_before_click, 10);
  EXPECT_GE(headless::now_ms(), 9 * kTickPeriodMs);
}

TEST(EventCallBeforeStart, ReturnsQuitWithAMessageInsteadOfHanging) {
  headless::reset();
  reset_library_state();
  int x = 5, y = 5;
  char key = 'k';
  EXPECT_EQ(ZORVA_next_event(&x, &y, &key), ZORVA_QUIT);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(key, 0);
  EXPECT_EQ(g_state.log_next, 1);
  headless::reset();
  reset_library_state();
}

}  // namespace
}  // namespace zorva::testing_support
