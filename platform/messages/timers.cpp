// SetTimer, KillTimer and the clock: timers are deadlines on the driver clock, and a timer
// that has fallen due yields one WM_TIMER however long the program was busy.
#include "platform/messages/timers.h"

#include <algorithm>

#include "platform/driver/driver.h"
#include "platform/state/platform_state.h"
#include "platform/windows/window.h"
#include "platform/windows/window_internal.h"

namespace zorva::platform {
namespace {

constexpr UINT kMinimumPeriodMs = 10;        // USER_TIMER_MINIMUM
constexpr UINT kMaximumPeriodMs = 0x7FFFFFFF;  // USER_TIMER_MAXIMUM
constexpr std::size_t kMaxTimers = 10000;

TimerTable& timer_table() { return platform_state().timers; }

std::vector<Timer>::iterator find_timer(HWND hwnd, UINT_PTR id, bool system = false) {
  auto& timers = timer_table().timers;
  return std::find_if(timers.begin(), timers.end(),
                      [&](const Timer& t) { return t.hwnd == hwnd && t.id == id && t.system == system; });
}

}  // namespace

const Timer* due_timer(HWND hwnd_filter) {
  const std::uint64_t now = driver().now_ms();
  const Timer* best = nullptr;
  for (const Timer& t : timer_table().timers) {
    if (t.due_ms > now) continue;
    if (hwnd_filter && !is_within(t.hwnd, hwnd_filter)) continue;
    if (!best || t.due_ms < best->due_ms) best = &t;
  }
  return best;
}

void timer_delivered(const Timer& timer) {
  auto it = find_timer(timer.hwnd, timer.id, timer.system);
  if (it == timer_table().timers.end()) return;
  const std::uint64_t now = driver().now_ms();
  ++it->messages;
  it->due_ms += it->period_ms;
  if (it->due_ms <= now) it->due_ms = now + it->period_ms;
}

std::optional<std::uint64_t> next_timer_deadline(bool with_system_timers) {
  std::optional<std::uint64_t> next;
  for (const Timer& t : timer_table().timers)
    if ((with_system_timers || !t.system) && (!next || t.due_ms < *next)) next = t.due_ms;
  return next;
}

void set_system_timer(HWND hwnd, UINT_PTR id, UINT period_ms) {
  if (!find_window(hwnd)) return;
  const UINT period = std::clamp(period_ms, kMinimumPeriodMs, kMaximumPeriodMs);
  const std::uint64_t due = driver().now_ms() + period;
  if (auto it = find_timer(hwnd, id, true); it != timer_table().timers.end()) {
    it->period_ms = period;
    it->due_ms = due;
    return;
  }
  if (timer_table().timers.size() < kMaxTimers) timer_table().timers.push_back(Timer{hwnd, id, period, due, nullptr, true});
}

void kill_system_timer(HWND hwnd, UINT_PTR id) {
  auto it = find_timer(hwnd, id, true);
  if (it != timer_table().timers.end()) timer_table().timers.erase(it);
}

bool timer_has_proc(HWND hwnd, UINT_PTR id, TIMERPROC proc) {
  auto it = find_timer(hwnd, id);
  return it != timer_table().timers.end() && proc && it->proc == proc;
}

void kill_timers_of(HWND hwnd) {
  auto& timers = timer_table().timers;
  timers.erase(std::remove_if(timers.begin(), timers.end(), [&](const Timer& t) { return t.hwnd == hwnd; }),
               timers.end());
}

std::uint64_t timer_messages_for(HWND hwnd) {
  std::uint64_t messages = 0;
  for (const Timer& t : timer_table().timers)
    if (t.hwnd == hwnd && !t.system) messages += t.messages;
  return messages;
}

std::size_t live_timer_count() { return timer_table().timers.size(); }

}  // namespace zorva::platform

using namespace zorva::platform;

extern "C" {

UINT_PTR WINAPI SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc) {
  if (hWnd && !find_window(hWnd)) return 0;
  const UINT period = std::clamp(uElapse, kMinimumPeriodMs, kMaximumPeriodMs);
  auto& table = timer_table();
  // Without a window the id is chosen here; with one, the caller's id names the timer.
  UINT_PTR id = nIDEvent;
  if (!hWnd) {
    auto existing = nIDEvent ? find_timer(nullptr, nIDEvent) : table.timers.end();
    if (existing != table.timers.end()) {
      id = nIDEvent;
    } else {
      do {
        id = table.next_thread_timer_id++;
        if (table.next_thread_timer_id == 0) table.next_thread_timer_id = 1;
      } while (find_timer(nullptr, id) != table.timers.end());
    }
  }
  const std::uint64_t due = driver().now_ms() + period;
  if (auto it = find_timer(hWnd, id); it != table.timers.end()) {
    it->period_ms = period;
    it->due_ms = due;
    it->proc = lpTimerFunc;
  } else {
    if (table.timers.size() >= kMaxTimers) return 0;
    table.timers.push_back(Timer{hWnd, id, period, due, lpTimerFunc});
  }
  return id ? id : 1;
}

BOOL WINAPI KillTimer(HWND hWnd, UINT_PTR uIDEvent) {
  auto it = find_timer(hWnd, uIDEvent);
  if (it == timer_table().timers.end()) return FALSE;
  timer_table().timers.erase(it);
  return TRUE;
}

DWORD WINAPI GetTickCount(void) { return static_cast<DWORD>(driver().now_ms()); }

}  // extern "C"
