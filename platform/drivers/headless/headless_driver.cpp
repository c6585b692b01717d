// The in-memory driver: nothing is shown, and waiting moves the virtual clock.
#include "platform/drivers/headless/headless_driver.h"

#include <cstdio>
#include <cstdlib>

#include "platform/driver/os_events.h"
#include "platform/fonts/ttf_glyph_source.h"
#include "platform/runner/program_runner.h"
#include "platform/state/platform_state.h"
#include "platform/windows/window.h"

namespace zorva::platform {

// The exit status of a program that waits for input no one can give.
constexpr int kStalledExitStatus = 1;

HeadlessDriver::HeadlessDriver() : glyphs_(fonts::make_ttf_glyph_source()) {}
HeadlessDriver::~HeadlessDriver() = default;

bool HeadlessDriver::open_window(Window& window) {
  window.os_window = next_os_window_++;
  if (next_os_window_ == 0) next_os_window_ = 1;
  return true;
}

void HeadlessDriver::close_window(Window& window) { window.os_window = 0; }

void HeadlessDriver::present(Window& window, const FrameView& frame) {
  ++presents_;
  if (present_observer_) present_observer_(window, frame);
}

bool HeadlessDriver::wait_for_input(std::optional<std::uint64_t> deadline_ms) {
  if (feeder_) {
    // The feeder may end or replace itself; keep it alive while it runs.
    const std::function<bool()> feeder = feeder_;
    if (feeder()) return true;
  }
  if (!deadline_ms) return false;
  if (*deadline_ms > now_) now_ = *deadline_ms;
  return true;
}

void HeadlessDriver::stalled(Stall why) {
  if (stall_policy_) {
    const std::function<void(Stall)> policy = stall_policy_;
    policy(why);
    return;
  }
  // Nothing can happen any more: the program is asked to quit, as from the close box, and
  // finishes normally. A program that does not finish even then is ended here.
  if (!quit_requested_) {
    quit_requested_ = true;
    os_events::quit_request();
    return;
  }
  std::fprintf(stderr, "zorva: the program waits for input that can never come, even after a request to quit; "
                       "it ends\n");
  std::exit(kStalledExitStatus);
}

namespace {

// For a program, the runner hears of waits and presents and, under zorva-run, of stalls;
// the test controls set the driver up themselves.
std::unique_ptr<Driver> create_headless_driver(std::string& why) {
  auto headless = std::make_unique<HeadlessDriver>();
  if (platform_state().driver.headless_requested) return headless;
  runner::ProgramRunner* program = runner::start_program_runner(why);
  if (!program) return nullptr;
  headless->set_idle_feeder([program] { return program->waiting(); });
  headless->set_present_observer([program](const Window& window, const FrameView& frame) {
    program->presented(window, frame);
  });
  if (program->under_zorva_run()) headless->set_stall_policy([program](Stall why) { program->stalled(why); });
  return headless;
}

}  // namespace

extern const DriverEntry kHeadlessDriverEntry{"headless", create_headless_driver};

HeadlessDriver* headless_driver() { return dynamic_cast<HeadlessDriver*>(&driver()); }

}  // namespace zorva::platform
