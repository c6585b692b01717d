// The message queue and its retrieval order: posted messages first, then WM_QUIT once the
// posted ones are gone, then input, then WM_PAINT for an invalid window, then WM_TIMER.
#include "platform/messages/message_queue.h"

#include <cstdint>

#include "platform/driver/driver.h"
#include "platform/driver/presenting.h"
#include "platform/driver/quit_signals.h"
#include "platform/messages/keyboard.h"
#include "platform/messages/timers.h"
#include "platform/state/platform_state.h"
#include "platform/windows/window.h"
#include "platform/windows/window_internal.h"

namespace zorva::platform {
namespace {

// Windows refuses to post beyond this many messages; so do we, for either queue.
constexpr std::size_t kMaxQueuedMessages = 10000;
// Waits in a row that end without a message before the driver hears that input it reports
// never becomes one. Real waits take time, so only a driver whose input costs no time (a
// headless one fed by a program that keeps claiming progress) ever gets there.
constexpr std::uint64_t kMaxIdleRounds = 1000000;

MessageQueue& queue() { return platform_state().queue; }

bool in_range(UINT message, UINT min, UINT max) {
  if (min == 0 && max == 0) return true;
  return message >= min && message <= max;
}

bool for_window(HWND target, HWND filter) { return !filter || (target && is_within(target, filter)); }

bool is_key_message(UINT message) {
  return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN || message == WM_SYSKEYUP;
}

MSG stamped(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  MSG msg{};
  msg.hwnd = hwnd;
  msg.message = message;
  msg.wParam = wparam;
  msg.lParam = lparam;
  msg.time = static_cast<DWORD>(driver().now_ms());
  return msg;
}

// The first invalid, shown window in the filter, top-level windows in creation order and
// every parent before its children (so children paint over their parent).
HWND window_needing_paint(HWND filter) {
  bool any_invalid = false;
  windows().for_each([&](std::uint32_t, Window& w) { any_invalid |= w.invalid; });
  if (!any_invalid) return nullptr;
  HWND found = nullptr;
  windows().for_each([&](std::uint32_t, Window& top) {
    if (found || top.parent || !top.visible) return;
    for (HWND h : window_tree(top.handle)) {
      const Window* w = find_window(h);
      if (w->invalid && is_shown(*w) && for_window(h, filter)) {
        found = h;
        return;
      }
    }
  });
  return found;
}

bool take_from(std::deque<QueuedMessage>& from, HWND filter, UINT min, UINT max, bool remove,
               QueuedMessage& out) {
  for (auto it = from.begin(); it != from.end(); ++it) {
    if (!in_range(it->msg.message, min, max) || !for_window(it->msg.hwnd, filter)) continue;
    out = *it;
    if (remove) from.erase(it);
    return true;
  }
  return false;
}

// Finds the next message in retrieval order; removes it when asked.
bool next_message(HWND filter, UINT min, UINT max, bool remove, QueuedMessage& out) {
  MessageQueue& q = queue();
  if (take_from(q.posted, filter, min, max, remove, out)) return true;
  if (q.quit_pending && in_range(WM_QUIT, min, max)) {
    out = QueuedMessage{stamped(nullptr, WM_QUIT, static_cast<WPARAM>(q.quit_code), 0), -1};
    if (remove) q.quit_pending = false;
    return true;
  }
  if (take_from(q.input, filter, min, max, remove, out)) return true;
  if (in_range(WM_PAINT, min, max)) {
    if (HWND hwnd = window_needing_paint(filter)) {
      out = QueuedMessage{stamped(hwnd, WM_PAINT, 0, 0), -1};
      return true;  // WM_PAINT stays until the window is validated
    }
  }
  if (in_range(WM_TIMER, min, max)) {
    if (const Timer* t = due_timer(filter)) {
      const UINT message = t->system ? kSystemTimerMessage : WM_TIMER;
      out = QueuedMessage{stamped(t->hwnd, message, t->id, reinterpret_cast<LPARAM>(t->proc)), -1};
      if (remove) timer_delivered(*t);
      return true;
    }
  }
  return false;
}

bool post(const QueuedMessage& message, std::deque<QueuedMessage>& to) {
  if (to.size() >= kMaxQueuedMessages) return false;
  to.push_back(message);
  return true;
}

}  // namespace

bool queue_input(const QueuedMessage& message) {
  // The pointer's moves are merged, as on Windows: a move waiting last in the queue for the
  // same window takes the newer position instead of a second message.
  auto& input = queue().input;
  if (message.msg.message == WM_MOUSEMOVE && !input.empty()) {
    MSG& last = input.back().msg;
    if (last.message == WM_MOUSEMOVE && last.hwnd == message.msg.hwnd && last.wParam == message.msg.wParam) {
      last = message.msg;
      return true;
    }
  }
  return post(message, input);
}

void purge_messages_for(HWND hwnd) {
  for (auto* from : {&queue().posted, &queue().input})
    std::erase_if(*from, [&](const QueuedMessage& m) { return m.msg.hwnd == hwnd; });
}

bool message_ready() {
  QueuedMessage ignored;
  return next_message(nullptr, 0, 0, false, ignored);
}

std::size_t queued_message_count() {
  return queue().posted.size() + queue().input.size() + (queue().quit_pending ? 1 : 0);
}

const QueuedMessage* current_key_message() {
  return queue().has_current_key ? &queue().current_key : nullptr;
}

std::uint8_t modifiers_held_now() {
  return static_cast<std::uint8_t>((key_is_down(VK_SHIFT) ? kShiftHeld : 0) |
                                   (key_is_down(VK_CONTROL) ? kControlHeld : 0) |
                                   (key_is_down(VK_MENU) ? kAltHeld : 0));
}

bool held_for_key_message(const MSG& msg, int vk) {
  const std::uint8_t bit = vk == VK_SHIFT ? kShiftHeld : vk == VK_CONTROL ? kControlHeld : vk == VK_MENU ? kAltHeld : 0;
  std::uint8_t held = modifiers_held_now();
  if (const QueuedMessage* current = current_key_message()) {
    const MSG& m = current->msg;
    if (m.hwnd == msg.hwnd && m.message == msg.message && m.wParam == msg.wParam && m.lParam == msg.lParam)
      held = current->modifiers;
  }
  return (held & bit) != 0;
}

}  // namespace zorva::platform

using namespace zorva::platform;

extern "C" {

BOOL WINAPI PeekMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg) {
  if (!lpMsg) return FALSE;
  if (hWnd && !find_window(hWnd)) return FALSE;
  // One message turn: show what was drawn since the last one, then take in OS input.
  quit_signals::message_turn();
  present_changed_windows();
  driver().poll_input();
  quit_signals::deliver_pending();
  QueuedMessage found;
  if (!next_message(hWnd, wMsgFilterMin, wMsgFilterMax, (wRemoveMsg & PM_REMOVE) != 0, found)) return FALSE;
  *lpMsg = found.msg;
  if ((wRemoveMsg & PM_REMOVE) && is_key_message(found.msg.message)) {
    queue().current_key = found;
    queue().has_current_key = true;
  }
  return TRUE;
}

BOOL WINAPI WaitMessage(void) {
  for (std::uint64_t round = 0;; ++round) {
    quit_signals::message_turn();
    present_changed_windows();
    driver().poll_input();
    quit_signals::deliver_pending();
    if (message_ready()) return TRUE;
    // What the menu drew for the input it just took (a highlight that follows the pointer)
    // is shown before sleeping, not after the next wake.
    present_changed_windows();
    if (round == kMaxIdleRounds) {
      driver().stalled(Stall::kInputNeverArrives);
      continue;
    }
    bool waited = false;
    {
      const quit_signals::WaitingForMessages waiting;
      // A caret's blink is worth waiting for only where the clock runs by itself: on a
      // virtual clock it would be the program's only reason to go on.
      waited = driver().wait_for_input(next_timer_deadline(driver().real_time()));
    }
    if (!waited) driver().stalled(Stall::kNothingToWaitFor);
  }
}

// FALSE for WM_QUIT, -1 for a window that does not exist, TRUE otherwise.
BOOL WINAPI GetMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax) {
  if (!lpMsg || (hWnd && !find_window(hWnd))) return -1;
  while (!PeekMessageA(lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, PM_REMOVE)) {
    if (hWnd && !find_window(hWnd)) return -1;
    WaitMessage();
  }
  return lpMsg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL WINAPI PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  if (hWnd && !find_window(hWnd)) return FALSE;
  QueuedMessage message{stamped(hWnd, Msg, wParam, lParam), -1, modifiers_held_now()};
  // A key-down forwarded while it is being handled keeps the character and the modifiers
  // of its own moment.
  if (is_key_message(Msg) && queue().has_current_key) {
    const MSG& current = queue().current_key.msg;
    if (current.message == Msg && current.wParam == wParam && current.lParam == lParam) {
      message.typed = queue().current_key.typed;
      message.modifiers = queue().current_key.modifiers;
    }
  }
  return post(message, queue().posted) ? TRUE : FALSE;
}

void WINAPI PostQuitMessage(int nExitCode) {
  queue().quit_pending = true;
  queue().quit_code = nExitCode;
}

BOOL WINAPI TranslateMessage(const MSG* lpMsg) {
  if (!lpMsg || !is_key_message(lpMsg->message)) return FALSE;
  if (lpMsg->message != WM_KEYDOWN) return TRUE;
  int character = -1;
  if (const QueuedMessage* current = current_key_message()) {
    const MSG& m = current->msg;
    if (m.hwnd == lpMsg->hwnd && m.message == lpMsg->message && m.wParam == lpMsg->wParam &&
        m.lParam == lpMsg->lParam && m.time == lpMsg->time)
      character = current->typed;
  }
  if (character < 0) character = character_for_key_now(static_cast<int>(lpMsg->wParam & 0xFF));
  if (character > 0)
    post(QueuedMessage{stamped(lpMsg->hwnd, WM_CHAR, static_cast<WPARAM>(character), lpMsg->lParam), -1},
         queue().posted);
  return TRUE;
}

LRESULT WINAPI DispatchMessageA(const MSG* lpMsg) {
  if (!lpMsg) return 0;
  if (lpMsg->message == WM_TIMER && lpMsg->lParam) {
    // Only a procedure given to SetTimer for this timer is ever called.
    const auto proc = reinterpret_cast<TIMERPROC>(lpMsg->lParam);
    if (!timer_has_proc(lpMsg->hwnd, lpMsg->wParam, proc)) return 0;
    proc(lpMsg->hwnd, WM_TIMER, lpMsg->wParam, lpMsg->time);
    return 0;
  }
  return send_message(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}

}  // extern "C"
