// The program runner's decisions at each wait and present.
#include "platform/runner/program_runner.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "platform/dialogs/dialog_state.h"
#include "platform/driver/os_events.h"
#include "platform/messages/timers.h"
#include "platform/runner/typing.h"
#include "platform/state/platform_state.h"
#include "platform/windows/window.h"
#include "platform/windows/window_internal.h"
#include "png/png_writer.h"

extern char** environ;

namespace zorva::platform::runner {
namespace {

std::optional<std::uint64_t> tick_limit_of(const RunSettings& settings) {
  if (!settings.run) return std::nullopt;
  return settings.tick_limit;
}

void finish_at_exit() {
  if (ProgramRunner* runner = program_runner()) runner->finish();
}

}  // namespace

ProgramRunner::ProgramRunner(RunSettings settings)
    : settings_(std::move(settings)), ending_(tick_limit_of(settings_)), pictures_(settings_.frames_dir) {}

bool ProgramRunner::start(std::string& why) {
  return settings_.log_path.empty() || log_.open(settings_.log_path, why);
}

HWND ProgramRunner::main_window() {
  if (main_window_) return main_window_;
  windows().for_each([&](std::uint32_t, Window& w) {
    if (!main_window_ && !w.parent && !w.owner && w.visible) main_window_ = w.handle;
  });
  return main_window_;
}

bool ProgramRunner::waiting() {
  const std::uint64_t now = driver().now_ms();
  if (settings_.run && (press_playback_if_ready() || answer_waiting_prompt())) {
    ending_.activity(now);
    return true;
  }
  const HWND main = main_window();
  return carry_out(ending_.waiting(now, main ? timer_messages_for(main) : 0));
}

void ProgramRunner::stalled(Stall) { carry_out(ending_.stalled(driver().now_ms())); }

void ProgramRunner::presented(const Window& window, const FrameView& frame) {
  ending_.activity(driver().now_ms());
  const bool keeps_pictures = !settings_.picture_path.empty() || !settings_.frames_dir.empty();
  if (window.handle == main_window() && keeps_pictures) pictures_.shown(window, frame);
  if (press_playback_if_ready()) ending_.activity(driver().now_ms());
}

// The script plays from its start as if the user pressed Ctrl+P at once: as soon as the
// drawing window has the keyboard, which it has from ZORVA_start on (a prompt that a program
// opens first takes it until it is answered).
bool ProgramRunner::press_playback_if_ready() {
  if (!settings_.playback || playback_pressed_) return false;
  const HWND main = main_window();
  const HWND focus = window_records().focus;
  if (!main || !focus || !is_within(focus, main)) return false;
  playback_pressed_ = true;
  press_ctrl_chord('P');
  return true;
}

// A modal dialog waits with the keyboard in its text field: its answer is typed, then Return
// presses the default button. Each dialog is answered once.
bool ProgramRunner::answer_waiting_prompt() {
  const HWND focus = window_records().focus;
  const Window* top = focus ? top_level_of(focus) : nullptr;
  if (!top) return false;
  const dialogs::DialogState* dialog = dialogs::find_dialog(top->handle);
  if (!dialog || dialog->ended || !answered_prompts_.insert(top->handle).second) return false;
  ++prompts_;
  if (answers_given_ < settings_.answers.size()) {
    type_text(settings_.answers[answers_given_++]);
  } else {
    log_.note("prompt " + std::to_string(prompts_) + " found no answer left: it gets an empty one");
  }
  press_key(VK_RETURN);
  return true;
}

bool ProgramRunner::carry_out(RunEnding::Step step) {
  switch (step) {
    case RunEnding::Step::kGoOn:
      return false;
    case RunEnding::Step::kAskToQuit:
      os_events::quit_request();
      return true;
    case RunEnding::Step::kEnd:
      std::fprintf(stderr, "zorva: the program went on waiting after it was asked to quit: it is ended\n");
      std::exit(kIgnoredQuitExitStatus);
  }
  return false;
}

void ProgramRunner::finish() {
  if (finished_) return;
  finished_ = true;
  if (settings_.playback && !playback_pressed_)
    log_.note("the script was not played: the drawing window never had the keyboard");
  if (settings_.picture_path.empty()) return;
  if (!pictures_.has_picture()) {
    std::fprintf(stderr, "zorva: the program ended before its window showed a picture: %s is not written\n",
                 settings_.picture_path.c_str());
    return;
  }
  std::string reason;
  if (!png::write_png(settings_.picture_path, pictures_.last(), reason))
    std::fprintf(stderr, "zorva: cannot write the picture %s: %s\n", settings_.picture_path.c_str(), reason.c_str());
}

ProgramRunner* start_program_runner(std::string& why) {
  RunSettings settings;
  if (!read_run_settings(environ, settings, why)) return nullptr;
  auto runner = std::make_unique<ProgramRunner>(std::move(settings));
  if (!runner->start(why)) return nullptr;
  platform_state().runner = std::move(runner);
  std::atexit(finish_at_exit);
  return platform_state().runner.get();
}

ProgramRunner* program_runner() { return platform_state().runner.get(); }

}  // namespace zorva::platform::runner
