// The "&Run" commands from the menu and from Ctrl+letter keys, in either window.
#include "internal/menu_ids.h"
#include "test_events_fixture.h"

namespace zorva::testing_support {
namespace {

using Commands = StartedPackage;

void press_ctrl_letter(char letter) {
  headless::key_down(VK_CONTROL);
  headless::key_down(letter);
  headless::key_up(letter);
  headless::key_up(VK_CONTROL);
}

TEST_F(Commands, MenuCommandsSetTheAnimationFlags) {
  command(kCommandAnimate);
  EXPECT_EQ(next_event().kind, ZORVA_PERIODIC);
  EXPECT_EQ(g_state.animating, 1);
  command(kCommandAdvanceFrame);
  EXPECT_EQ(next_event().kind, ZORVA_PERIODIC);
  EXPECT_EQ(g_state.animating, 0);
  EXPECT_EQ(g_state.single_step, 0);
  command(kCommandQuit);
  EXPECT_EQ(next_event().kind, ZORVA_QUIT);
}

TEST_F(Commands, CtrlLetterGivesTheCommandAndNoKeyEvent) {
  press_ctrl_letter('A');
  EXPECT_EQ(next_event().kind, ZORVA_PERIODIC);
  EXPECT_EQ(g_state.animating, 1);
  press_ctrl_letter('H');
  press_ctrl_letter('B');  // not a command: nothing at all
  when_idle([] { headless::type_text("a"); });
  Event e = next_event();
  EXPECT_EQ(e.kind, ZORVA_KBD);
  EXPECT_EQ(e.key, 'a');
  EXPECT_EQ(g_state.animating, 0);
}

TEST_F(Commands, KeysTypedIntoTheTextWindowReachTheDrawingWindow) {
  headless::focus(g_state.text_window);
  headless::type_text("x");
  Event e = next_event();
  EXPECT_EQ(e.kind, ZORVA_KBD);
  EXPECT_EQ(e.key, 'x');

  press_ctrl_letter('L');
  headless::click(g_state.text_window, 5, 5);  // clicks there are no events
  when_idle([] { click_logical(0, 0); });
  EXPECT_EQ(next_event().kind, ZORVA_MOUSE);
  EXPECT_EQ(g_state.logging_enabled, 0);
  EXPECT_FALSE(checked(kCommandLogging));
}

TEST_F(Commands, CtrlReleasedElsewhereKeepsCommandsOn) {
  SendMessageA(g_state.draw_window, WM_KEYDOWN, VK_CONTROL, 0);  // its key-up went elsewhere
  headless::type_text("a");
  EXPECT_EQ(next_event().kind, ZORVA_PERIODIC);
  EXPECT_EQ(g_state.ctrl_down, 1);
}

TEST_F(Commands, LoggingToggleChangesFlagAndMarkButNotVisibility) {
  ZORVA_show_text_window(0);
  command(kCommandLogging);
  command(kCommandLogging);
  when_idle([] { click_logical(0, 0); });
  next_event();
  EXPECT_EQ(g_state.logging_enabled, 1);
  EXPECT_TRUE(checked(kCommandLogging));
  EXPECT_FALSE(IsWindowVisible(g_state.text_window));
}

TEST_F(Commands, StoppingARecordingWritesTheCountedRun) {
  command(kCommandRecord);
  command(kCommandAnimate);
  for (int i = 0; i < 12; ++i) ASSERT_EQ(next_event().kind, ZORVA_PERIODIC);
  EXPECT_TRUE(checked(kCommandRecord));
  command(kCommandHalt);
  command(kCommandRecord);
  when_idle([] { click_logical(0, 0); });
  next_event();
  EXPECT_EQ(g_state.periodic_count, 0);
  EXPECT_EQ(g_state.script_file, nullptr);
  EXPECT_FALSE(checked(kCommandRecord));
  EXPECT_EQ(script_text(), "ZORVA_PERIODIC(12);\n");
}

TEST_F(Commands, RecordingStartedAndStoppedWithNothingLeavesTheFileAlone) {
  write_script("ZORVA_KBD(1);\n");
  press_ctrl_letter('R');
  press_ctrl_letter('R');
  when_idle([] { click_logical(0, 0); });
  next_event();
  EXPECT_EQ(script_text(), "ZORVA_KBD(1);\n");
}

TEST_F(Commands, PlaybackCommandTogglesAndRestartsAtTheFirstLine) {
  write_script("ZORVA_KBD(65);\nZORVA_KBD(66);\n");
  ZORVA_set_animation(ANIMATION_RUN);
  command(kCommandPlayback);
  EXPECT_EQ(next_event().key, 'A');
  EXPECT_EQ(g_state.animating, 0);
  EXPECT_TRUE(checked(kCommandPlayback));
  command(kCommandPlayback);
  command(kCommandPlayback);
  EXPECT_EQ(next_event().key, 'A');
}

TEST_F(Commands, PaintAlwaysCopiesTheWholeSurface) {
  when_idle([] { click_logical(0, 0); });
  next_event();
  SetPixel(g_state.offscreen_dc, 1, 1, RGB(255, 0, 0));
  InvalidateRect(g_state.draw_window, nullptr, FALSE);
  when_idle([] { click_logical(0, 0); });
  next_event();
  EXPECT_EQ(headless::client_pixel(g_state.draw_window, 1, 1), 0xFF0000u);
  EXPECT_EQ(g_state.surface_dirty, 0);
}

}  // namespace
}  // namespace zorva::testing_support

namespace zorva::testing_support {
namespace {

// The menu as the user reaches it: Alt+R opens "&Run", a mnemonic chooses the item.
TEST_F(Commands, MnemonicsOfTheRunMenuChooseTheirCommands) {
  const auto choose = [](char mnemonic) {
    headless::key_down(VK_MENU);
    headless::key_down('R');
    headless::key_up('R');
    headless::key_up(VK_MENU);
    headless::key_down(mnemonic);
    headless::key_up(mnemonic);
  };
  choose('A');
  EXPECT_EQ(next_event().kind, ZORVA_PERIODIC);
  choose('F');
  EXPECT_EQ(next_event().kind, ZORVA_PERIODIC);
  EXPECT_EQ(g_state.animating, 0);
  choose('L');
  choose('R');
  choose('Q');
  EXPECT_EQ(next_event().kind, ZORVA_QUIT);
  EXPECT_EQ(g_state.logging_enabled, 0);
  EXPECT_EQ(g_state.recording, 1);
}

}  // namespace
}  // namespace zorva::testing_support
