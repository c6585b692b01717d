// The package's one global record: windows, off-screen surface, current event, animation
// flags, script-file state and the log ring. Every package operation reads and writes it.
#pragma once

#include <cstdint>
#include <cstdio>

#include "internal/queued_lines.h"
#include "platform/win32.h"
#include "zorva.h"

namespace zorva {

// Fixed sizes.
inline constexpr int kSurfaceWidth = 601;   // also the drawing window's outer width
inline constexpr int kSurfaceHeight = 540;  // also the drawing window's outer height
inline constexpr UINT_PTR kTickTimerId = 2;
inline constexpr UINT kTickPeriodMs = 100;
inline constexpr int kLogRingSize = 25;
inline constexpr int kEventNone = -1;  // event_kind while no event has been assembled

struct LibraryState {
  HINSTANCE instance = nullptr;
  HWND draw_window = nullptr;  // null: the package is not started
  HWND text_window = nullptr;
  HDC window_dc = nullptr;
  HBITMAP offscreen_bitmap = nullptr;
  HDC offscreen_dc = nullptr;
  HMENU run_menu = nullptr;
  int surface_dirty = 1;
  int origin_x = 0;
  int origin_y = 0;
  int event_kind = 0;
  int event_x = 0;
  int event_y = 0;
  char event_key = 0;
  int tick_pending = 0;
  int ctrl_down = 0;
  std::uint8_t animating = 0;
  std::uint8_t single_step = 0;
  std::uint8_t quit_requested = 0;
  std::uint8_t recording = 0;
  std::uint8_t playing_back = 0;
  std::uint8_t play_one = 0;
  std::FILE* script_file = nullptr;
  bool script_file_writing = false;  // which direction script_file was opened for
  // A write of the recording failed and was reported: the recording was stopped, and nothing
  // is written again until a recording is started anew (the Record command clears it).
  bool script_write_failed = false;
  int periodic_count = 0;
  std::uint8_t logging_enabled = 1;
  HGLOBAL log_lines[kLogRingSize] = {};
  int log_first = -1;
  int log_next = 0;
  QueuedLines queued_lines;  // drawing-call descriptions not yet drawn in the text window
  char* prompt_buffer = nullptr;
};

// The one instance.
extern LibraryState g_state;

// Sets the record back to its initial values (tests only; the windows are not destroyed).
void reset_library_state();

}  // namespace zorva
