// The one interface between the platform's generic part and whatever shows its windows and
// delivers input: a driver. Each driver lives in platform/drivers/<name>/ and fills in this
// table; it reports what happened through os_events.h and decides nothing about what it
// means (focus, quitting, menus are generic).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace zorva::platform {

struct Window;
struct FrameView;
namespace text {
class GlyphSource;
}

// Why a program's wait for a message cannot end by itself.
enum class Stall {
  kNothingToWaitFor,   // nothing queued, no timer, and the driver has no input to give
  kInputNeverArrives,  // the driver keeps reporting input, but none of it becomes a message
};

class Driver {
 public:
  virtual ~Driver() = default;

  // ---- top-level windows ----
  // Gives a shown top-level window an OS window (sets window.os_window); false if that failed.
  virtual bool open_window(Window& window) = 0;
  virtual void close_window(Window& window) = 0;
  virtual void set_title(Window& window) = 0;
  // Shows `frame` in the window: its framebuffer with any open popup already drawn over it,
  // some rows perhaps straight from a bitmap (copy it row run by row run, once).
  virtual void present(Window& window, const FrameView& frame) = 0;

  // ---- input ----
  // Reports pending OS input through os_events.h; never blocks.
  virtual void poll_input() = 0;
  // Blocks until OS input may have arrived or the clock reaches the deadline (none: no
  // deadline). False when nothing can ever arrive: no deadline and no input to come.
  virtual bool wait_for_input(std::optional<std::uint64_t> deadline_ms) = 0;
  // The program waits and its wait cannot end by itself. The driver decides: make something
  // arrive (a request to quit), end the program, or report the fault; it may not return.
  virtual void stalled(Stall why) = 0;

  // ---- the screen, the clock and text ----
  virtual int screen_width() = 0;
  virtual int screen_height() = 0;
  // Milliseconds since the driver started.
  virtual std::uint64_t now_ms() = 0;
  // True when the clock runs by itself (real time); false for a virtual clock that moves
  // only when the program waits.
  virtual bool real_time() const { return true; }
  // Where text's glyphs come from (platform/text/glyph_source.h).
  virtual text::GlyphSource& glyphs() = 0;

  // ---- the clipboard ----
  // Text in the system's own form: 8-bit characters (Latin-1), lines ending in "\n". A
  // driver without a system clipboard leaves these as they are: the text then stays here,
  // for the program alone.
  virtual std::string clipboard_text() { return clipboard_; }
  virtual void set_clipboard_text(const std::string& text) { clipboard_ = text; }

 private:
  std::string clipboard_;
};

// How a driver is made: `create` returns nullptr and says why in `why` when the driver cannot
// start here (no display, say). Each driver defines its entry; the generic selection lists them.
struct DriverEntry {
  const char* name;
  std::unique_ptr<Driver> (*create)(std::string& why);
};

// The driver in use, chosen on first use: the one ZORVA_BACKEND names ("headless"), or after
// select_headless_driver() the headless one, otherwise the first driver built in (SDL2; in a
// web build the web driver). A driver that cannot start ends the program with one line
// saying why.
Driver& driver();
// Chooses the driver now; false, with a one-line reason in `why`, if it cannot start.
bool driver_ready(std::string& why);
// Makes the headless driver the one in use (before the first window is created).
void select_headless_driver();

}  // namespace zorva::platform
