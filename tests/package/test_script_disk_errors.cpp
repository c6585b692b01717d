// Disk trouble under a recording or a playback: a full disk, the file removed or replaced
// while it is written, a directory that takes no new file, a file that cannot be read. Each
// is reported once in the text window with the file's name, and events keep coming.
#include <unistd.h>

#include <filesystem>

#include "internal/menu_ids.h"
#include "test_events_fixture.h"

namespace zorva::testing_support {
namespace {

namespace fs = std::filesystem;

class ScriptDiskErrors : public StartedPackage {
 protected:
  // One recorded click at (x, y); the event must arrive whatever happens to the file.
  void record_click(int x, int y) {
    when_idle([x, y] { click_logical(x, y); });
    const Event e = next_event();
    EXPECT_EQ(e.kind, ZORVA_MOUSE);
    EXPECT_EQ(e.x, x);
  }
  // Logs a marker line, so a later look at the newest line tells whether anything followed.
  static void mark_log() { ZORVA_log("marker\n"); }
};

TEST_F(ScriptDiskErrors, EveryRecordedLineIsOnDiskBeforeTheRecordingStops) {
  command(kCommandRecord);
  record_click(5, 6);
  EXPECT_EQ(script_text(), "ZORVA_MOUSE(5, 6);\n");
  when_idle([] { headless::type_text("a"); });
  next_event();
  EXPECT_EQ(script_text(), "ZORVA_MOUSE(5, 6);\nZORVA_KBD(97);\n");
}

TEST_F(ScriptDiskErrors, FullDiskIsReportedOnceAndStopsTheRecording) {
  fs::create_symlink("/dev/full", kScriptFileName);
  command(kCommandRecord);
  record_click(1, 2);
  EXPECT_EQ(last_log_line(), "Cannot write script file ZORVA.SCR: No space left on device; recording stopped");
  EXPECT_EQ(g_state.recording, 0);
  EXPECT_FALSE(checked(kCommandRecord));

  mark_log();
  record_click(3, 4);
  when_idle([] { headless::type_text("k"); });
  EXPECT_EQ(next_event().kind, ZORVA_KBD);
  EXPECT_EQ(last_log_line(), "marker");
}

TEST_F(ScriptDiskErrors, FullDiskMeetingThePendingRunAtStopIsReportedOnce) {
  fs::create_symlink("/dev/full", kScriptFileName);
  command(kCommandRecord);
  ZORVA_set_animation(ANIMATION_RUN);
  for (int i = 0; i < 3; ++i) ASSERT_EQ(next_event().kind, ZORVA_PERIODIC);
  ZORVA_set_animation(ANIMATION_HALT);
  command(kCommandRecord);  // the stop writes the run of 3
  when_idle([] { click_logical(0, 0); });
  EXPECT_EQ(next_event().kind, ZORVA_MOUSE);
  EXPECT_EQ(last_log_line(), "Cannot write script file ZORVA.SCR: No space left on device; recording stopped");
  EXPECT_EQ(g_state.periodic_count, 0);
}

TEST_F(ScriptDiskErrors, FileRemovedUnderTheRecordingIsReportedOnceAndANewRecordingWorks) {
  command(kCommandRecord);
  record_click(1, 1);
  fs::remove(kScriptFileName);
  record_click(2, 2);
  EXPECT_EQ(last_log_line(),
            "Cannot write script file ZORVA.SCR: the file was removed during the recording; recording stopped");
  EXPECT_FALSE(checked(kCommandRecord));
  mark_log();
  record_click(3, 3);
  EXPECT_EQ(last_log_line(), "marker");
  EXPECT_FALSE(fs::exists(kScriptFileName));

  // Starting again records afresh from the next event.
  command(kCommandRecord);
  record_click(4, 4);
  EXPECT_EQ(script_text(), "ZORVA_MOUSE(4, 4);\n");
  EXPECT_EQ(last_log_line(), "marker");
}

// The next recording's only line is the run written when it is stopped.
TEST_F(ScriptDiskErrors, ATicksOnlyRecordingAfterAFailedOneIsWritten) {
  command(kCommandRecord);
  record_click(1, 1);
  fs::remove(kScriptFileName);
  record_click(2, 2);  // fails and stops the recording
  command(kCommandRecord);
  ZORVA_set_animation(ANIMATION_RUN);
  for (int i = 0; i < 3; ++i) ASSERT_EQ(next_event().kind, ZORVA_PERIODIC);
  ZORVA_set_animation(ANIMATION_HALT);
  command(kCommandRecord);
  record_click(3, 3);
  EXPECT_EQ(script_text(), "ZORVA_PERIODIC(3);\n");
}

TEST_F(ScriptDiskErrors, FileReplacedUnderTheRecordingIsReportedButARenamedOneRecordsOn) {
  command(kCommandRecord);
  record_click(1, 1);
  fs::rename(kScriptFileName, "kept");  // the lines still reach a file on disk
  record_click(2, 2);
  EXPECT_TRUE(checked(kCommandRecord));
  std::ofstream("other") << "someone else's\n";
  fs::rename("other", "kept");
  record_click(3, 3);
  EXPECT_EQ(last_log_line(),
            "Cannot write script file ZORVA.SCR: the file was removed during the recording; recording stopped");
  EXPECT_FALSE(checked(kCommandRecord));
}

// Directory permissions do not stop root; /proc takes no new file from anyone.
TEST_F(ScriptDiskErrors, ReadOnlyDirectoryReportsTheFileAndEventsGoOn) {
  const fs::path read_only = scratch_.path() / "read-only";
  fs::create_directory(read_only);
  fs::permissions(read_only, fs::perms::owner_read | fs::perms::owner_exec);
  fs::current_path(geteuid() == 0 ? fs::path("/proc") : read_only);
  command(kCommandRecord);
  record_click(1, 2);
  EXPECT_EQ(last_log_line(), "Cannot open script file ZORVA.SCR for writing");
  when_idle([] { headless::type_text("z"); });
  EXPECT_EQ(next_event().key, 'z');
  command(kCommandRecord);
  fs::current_path(scratch_.path());
  fs::permissions(read_only, fs::perms::owner_all);
}

TEST_F(ScriptDiskErrors, UnreadableFileIsReportedAndPlaybackStops) {
  // Reading a process's memory at offset 0 fails with an input/output error.
  fs::create_symlink("/proc/self/mem", kScriptFileName);
  command(kCommandPlayback);
  when_idle([] { click_logical(9, 9); });
  const Event e = next_event();
  EXPECT_EQ(e.kind, ZORVA_MOUSE);
  EXPECT_EQ(e.x, 9);
  EXPECT_EQ(last_log_line(), "Cannot read script file ZORVA.SCR: Input/output error");
  EXPECT_EQ(g_state.playing_back, 0);
  EXPECT_FALSE(checked(kCommandPlayback));
}

}  // namespace
}  // namespace zorva::testing_support
