// Window timers: deadlines on the driver clock, at most one WM_TIMER pending per timer. The
// platform's own controls have system timers beside the program's (a caret's blink): they
// come as WM_SYSTIMER and never keep a program waiting on a virtual clock.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/win32.h"

namespace zorva::platform {

struct Timer {
  HWND hwnd = nullptr;
  UINT_PTR id = 0;
  std::uint32_t period_ms = 0;
  std::uint64_t due_ms = 0;
  TIMERPROC proc = nullptr;
  bool system = false;  // the platform's own: delivered as kSystemTimerMessage
  std::uint64_t messages = 0;  // WM_TIMER messages removed so far
};

// The message of a system timer (WM_SYSTIMER), sent to the window's procedure.
inline constexpr UINT kSystemTimerMessage = 0x0118;

struct TimerTable {
  std::vector<Timer> timers;
  UINT_PTR next_thread_timer_id = 1;
};

// The earliest timer that has fallen due, for the window or its children (null: any);
// nullptr if none.
const Timer* due_timer(HWND hwnd_filter);
// The timer's message was removed: its next deadline is one period on, never in the past,
// so timer messages never pile up while the program is busy.
void timer_delivered(const Timer& timer);
// The earliest deadline of any timer, system timers only when they count (a clock that runs
// by itself).
std::optional<std::uint64_t> next_timer_deadline(bool with_system_timers);
// A system timer of the window: started (or restarted) with its period, or stopped.
void set_system_timer(HWND hwnd, UINT_PTR id, UINT period_ms);
void kill_system_timer(HWND hwnd, UINT_PTR id);
// True if a timer with this procedure exists for the window and id (guards DispatchMessageA).
bool timer_has_proc(HWND hwnd, UINT_PTR id, TIMERPROC proc);
void kill_timers_of(HWND hwnd);
// The timer messages removed so far for the window's timers.
std::uint64_t timer_messages_for(HWND hwnd);
std::size_t live_timer_count();

}  // namespace zorva::platform
