// The program runner: what the headless driver does for a program that runs on it, rather
// than for tests (the test controls set the driver up themselves). It hears of every wait
// and every present and decides, from the run's settings:
//   - when the run ends (run_ending.h): the program is asked to quit as from the close box;
//   - under zorva-run, the input a user would give: Ctrl+P once the drawing window has the
//     keyboard (the script plays from its start), and each answer typed into the prompt
//     that waits for it, followed by Return;
//   - what is kept: the main window's last shown picture (written at exit), its frames, and
//     the log of every line the program logs.
// The program's main window is its first top-level window: the drawing window of a ZORVA
// program.
#pragma once

#include <cstdint>
#include <memory>
#include <set>
#include <string>

#include "platform/driver/driver.h"
#include "platform/runner/run_ending.h"
#include "platform/runner/run_log.h"
#include "platform/runner/run_settings.h"
#include "platform/runner/shown_pictures.h"
#include "platform/win32.h"

namespace zorva::platform {
struct Window;
struct FrameView;
}  // namespace zorva::platform

namespace zorva::platform::runner {

// The exit status of a run whose program went on waiting after it was asked to quit: as for
// a program that does not end in time.
inline constexpr int kIgnoredQuitExitStatus = 124;

class ProgramRunner {
 public:
  explicit ProgramRunner(RunSettings settings);
  ProgramRunner(const ProgramRunner&) = delete;
  ProgramRunner& operator=(const ProgramRunner&) = delete;

  // Opens the log; false, with the reason, if it cannot.
  bool start(std::string& why);

  // The program waits for a message: the runner may give input or ask it to quit, and says
  // whether it did (else the clock moves on to the next timer).
  bool waiting();
  // Nothing can end the program's wait. Only called under zorva-run; a plain headless run
  // leaves stalls to the driver.
  void stalled(Stall why);
  // A top-level window was presented.
  void presented(const Window& window, const FrameView& frame);
  // A line the program logged (OutputDebugStringA).
  void debug_output(const char* text) { log_.write(text); }
  // The program ends: the last shown picture is written.
  void finish();

  bool under_zorva_run() const { return settings_.run; }

 private:
  HWND main_window();
  bool press_playback_if_ready();
  bool answer_waiting_prompt();
  bool carry_out(RunEnding::Step step);

  RunSettings settings_;
  RunEnding ending_;
  RunLog log_;
  ShownPictures pictures_;
  HWND main_window_ = nullptr;
  bool playback_pressed_ = false;
  int prompts_ = 0;
  std::size_t answers_given_ = 0;
  std::set<HWND> answered_prompts_;
  bool finished_ = false;
};

// Makes the runner from the environment's settings and keeps it in the platform's state;
// nullptr, with the reason, if the settings are wrong or the log cannot be written.
ProgramRunner* start_program_runner(std::string& why);
// The runner in use, or nullptr (tests, or another driver).
ProgramRunner* program_runner();

}  // namespace zorva::platform::runner
