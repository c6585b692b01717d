// Recording to "ZORVA.SCR" and playing it back, its failures, and the one shared stream.
#include <filesystem>

#include "internal/menu_ids.h"
#include "test_events_fixture.h"

namespace zorva::testing_support {
namespace {

class Script : public StartedPackage {
 protected:
  // Ends a wait that playback leaves behind, so a test sees that nothing else was delivered.
  void click_when_idle() { when_idle([] { click_logical(77, 77); }); }
};

TEST_F(Script, TicksKeyAndClickRoundTrip) {
  command(kCommandRecord);
  ZORVA_set_animation(ANIMATION_RUN);
  for (int i = 0; i < 12; ++i) ASSERT_EQ(next_event().kind, ZORVA_PERIODIC);
  ZORVA_set_animation(ANIMATION_HALT);
  when_idle([] { headless::type_text(" "); });
  EXPECT_EQ(next_event().kind, ZORVA_KBD);
  when_idle([] { click_logical(-120, 45); });
  EXPECT_EQ(next_event().kind, ZORVA_MOUSE);
  command(kCommandRecord);
  click_when_idle();
  next_event();
  EXPECT_EQ(script_text(), "ZORVA_PERIODIC(12);\nZORVA_KBD(32);\nZORVA_MOUSE(-120, 45);\n");

  command(kCommandPlayback);
  for (int i = 0; i < 12; ++i) ASSERT_EQ(next_event().kind, ZORVA_PERIODIC) << i;
  Event key = next_event();
  EXPECT_EQ(key.kind, ZORVA_KBD);
  EXPECT_EQ(key.key, ' ');
  Event click = next_event();
  EXPECT_EQ(click.kind, ZORVA_MOUSE);
  EXPECT_EQ(click.x, -120);
  EXPECT_EQ(click.y, 45);
  click_when_idle();
  EXPECT_EQ(next_event().x, 77);  // end of file: playback stopped, live input again
  EXPECT_EQ(last_log_line(), "EOF encountered in script file ZORVA.SCR");
  EXPECT_FALSE(checked(kCommandPlayback));
  EXPECT_EQ(g_state.playing_back, 0);
}

TEST_F(Script, HighKeyCodesAreWrittenNegativeAndComeBackWhole) {
  command(kCommandRecord);
  when_idle([] { headless::key_down(VK_OEM_7, 233); });
  EXPECT_EQ(static_cast<unsigned char>(next_event().key), 233);
  command(kCommandRecord);
  click_when_idle();
  next_event();
  EXPECT_EQ(script_text(), "ZORVA_KBD(-23);\n");
  command(kCommandPlayOne);
  EXPECT_EQ(static_cast<unsigned char>(next_event().key), 233);
}

TEST_F(Script, BlankLinesAreSkippedAndAnUnrecognisedLineStopsPlayback) {
  write_script("\n\nZORVA_PERIODIC(1);\n\nZORVA_PERIODIC(0);\nZORVA_KBD(66);\n       \nZORVA_KBD(67);\n");
  command(kCommandPlayback);
  EXPECT_EQ(next_event().kind, ZORVA_PERIODIC);  // a run of 1
  EXPECT_EQ(next_event().kind, ZORVA_PERIODIC);  // a run of 0 also gives one
  EXPECT_EQ(next_event().key, 'B');
  click_when_idle();
  EXPECT_EQ(next_event().kind, ZORVA_MOUSE);  // the blank-looking line ended playback
  EXPECT_NE(g_state.script_file, nullptr);    // still open, after that line
  command(kCommandPlayOne);
  EXPECT_EQ(next_event().key, 'C');
}

TEST_F(Script, LastLineWithoutLineEndIsNeverPlayed) {
  write_script("ZORVA_KBD(65);\nZORVA_KBD(66);");
  command(kCommandPlayback);
  EXPECT_EQ(next_event().key, 'A');
  click_when_idle();
  EXPECT_EQ(next_event().kind, ZORVA_MOUSE);
  EXPECT_EQ(last_log_line(), "EOF encountered in script file ZORVA.SCR");
  command(kCommandPlayOne);  // the file stays at its end
  click_when_idle();
  EXPECT_EQ(next_event().kind, ZORVA_MOUSE);
}

TEST_F(Script, PlayOneTakesOneEventOfAnOwedRun) {
  write_script("ZORVA_PERIODIC(6);\nZORVA_KBD(65);\n");
  command(kCommandPlayOne);
  EXPECT_EQ(next_event().kind, ZORVA_PERIODIC);
  EXPECT_EQ(g_state.periodic_count, 5);
  command(kCommandPlayOne);
  EXPECT_EQ(next_event().kind, ZORVA_PERIODIC);
  EXPECT_EQ(g_state.periodic_count, 4);
  EXPECT_EQ(g_state.play_one, 0);
}

TEST_F(Script, PlaybackReplacesALiveClickButNeverAQuit) {
  write_script("ZORVA_KBD(65);\nZORVA_KBD(66);\n");
  command(kCommandPlayback);
  click_logical(1, 1);
  EXPECT_EQ(next_event().key, 'A');  // the command's turn already plays
  EXPECT_EQ(next_event().key, 'B');  // the click's turn: the scripted key wins
  PostQuitMessage(0);
  EXPECT_EQ(next_event().kind, ZORVA_QUIT);
}

TEST_F(Script, MissingFileStopsPlaybackWithTheReadingMessage) {
  command(kCommandPlayback);
  click_when_idle();
  EXPECT_EQ(next_event().kind, ZORVA_MOUSE);
  EXPECT_EQ(last_log_line(), "Cannot open script file ZORVA.SCR for reading");
  EXPECT_FALSE(checked(kCommandPlayback));
}

// Directory permissions do not stop root, so a directory in the file's place makes both
// opens fail whoever runs the tests.
TEST_F(Script, UnopenableFileIsReportedAtEveryWriteAndRead) {
  std::filesystem::create_directory(kScriptFileName);
  command(kCommandRecord);
  when_idle([] { click_logical(0, 0); });
  next_event();
  EXPECT_EQ(last_log_line(), "Cannot open script file ZORVA.SCR for writing");
  ZORVA_log("marker\n");
  when_idle([] { click_logical(0, 0); });
  next_event();
  EXPECT_EQ(last_log_line(), "Cannot open script file ZORVA.SCR for writing");
  EXPECT_EQ(g_state.recording, 1);
  EXPECT_TRUE(checked(kCommandRecord));

  command(kCommandRecord);
  command(kCommandPlayOne);
  click_when_idle();
  next_event();
  EXPECT_EQ(last_log_line(), "Cannot open script file ZORVA.SCR for reading");
}

TEST_F(Script, QuitWritesThePendingRunAndFinishDoesNot) {
  command(kCommandRecord);
  ZORVA_set_animation(ANIMATION_RUN);
  for (int i = 0; i < 3; ++i) next_event();
  PostQuitMessage(0);
  EXPECT_EQ(next_event().kind, ZORVA_QUIT);
  for (int i = 0; i < 2; ++i) next_event();
  ZORVA_finish();
  EXPECT_EQ(script_text(), "ZORVA_PERIODIC(3);\n");
}

TEST_F(Script, QuitWithNothingPendingLeavesTheFileAsItWas) {
  write_script("ZORVA_KBD(65);\n");
  command(kCommandRecord);
  PostQuitMessage(0);
  EXPECT_EQ(next_event().kind, ZORVA_QUIT);
  ZORVA_finish();
  EXPECT_EQ(script_text(), "ZORVA_KBD(65);\n");
}

TEST_F(Script, RecordingAfterPlaybackIsNotLost) {
  write_script("ZORVA_KBD(65);\n");
  command(kCommandPlayOne);
  EXPECT_EQ(next_event().key, 'A');  // the stream is now open for reading
  command(kCommandRecord);
  when_idle([] { click_logical(2, 3); });
  next_event();
  command(kCommandRecord);
  click_when_idle();
  next_event();
  EXPECT_EQ(script_text(), "ZORVA_MOUSE(2, 3);\n");
}

TEST_F(Script, PlaybackDuringARecordingLeavesTheRecordingAlone) {
  command(kCommandRecord);
  when_idle([] { click_logical(4, 5); });
  next_event();  // the recording now holds the stream
  command(kCommandPlayback);
  click_when_idle();
  EXPECT_EQ(next_event().kind, ZORVA_MOUSE);
  EXPECT_EQ(last_log_line(), "Cannot open script file ZORVA.SCR for reading");
  EXPECT_EQ(g_state.playing_back, 0);
  command(kCommandRecord);
  click_when_idle();
  next_event();
  EXPECT_EQ(script_text(), "ZORVA_MOUSE(4, 5);\nZORVA_MOUSE(77, 77);\n");
}

TEST_F(Script, PlaybackStartedDuringARecordingThatHasWrittenNothingLeavesTheFileWhole) {
  write_script("ZORVA_KBD(65);\nZORVA_KBD(66);\nZORVA_KBD(67);\n");
  command(kCommandRecord);
  command(kCommandPlayback);
  when_idle([] { click_logical(6, 7); });
  const Event live = next_event();
  EXPECT_EQ(live.kind, ZORVA_MOUSE);
  EXPECT_EQ(last_log_line(), "Cannot open script file ZORVA.SCR for reading");
  EXPECT_EQ(g_state.playing_back, 0);
  command(kCommandRecord);  // the click was recorded: the file is now that recording
  click_when_idle();
  next_event();
  EXPECT_EQ(script_text(), "ZORVA_MOUSE(6, 7);\n");

  write_script("ZORVA_KBD(65);\n");
  command(kCommandRecord);
  command(kCommandPlayOne);
  click_when_idle();
  next_event();
  EXPECT_EQ(last_log_line(), "Cannot open script file ZORVA.SCR for reading");
}

TEST_F(Script, RecordingAskedForDuringPlaybackIsRefusedAndTheFileIsKept) {
  const std::string recorded = "ZORVA_KBD(65);\nZORVA_KBD(66);\nZORVA_KBD(67);\n";
  write_script(recorded);
  command(kCommandPlayback);
  EXPECT_EQ(next_event().key, 'A');
  command(kCommandRecord);
  EXPECT_EQ(next_event().key, 'B');  // playback goes on
  EXPECT_EQ(last_log_line(), "Cannot open script file ZORVA.SCR for writing");
  EXPECT_EQ(g_state.recording, 0);
  EXPECT_FALSE(checked(kCommandRecord));
  EXPECT_EQ(next_event().key, 'C');
  click_when_idle();
  EXPECT_EQ(next_event().kind, ZORVA_MOUSE);
  EXPECT_EQ(last_log_line(), "EOF encountered in script file ZORVA.SCR");
  EXPECT_EQ(script_text(), recorded);
}

}  // namespace
}  // namespace zorva::testing_support
