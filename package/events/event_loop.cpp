// ZORVA_next_event and ZORVA_set_animation: one platform message per turn, then one scripted
// event during playback, then the arming of a periodic event that the next tick completes.
#include <climits>

#include "internal/console.h"
#include "internal/draw_window.h"
#include "internal/event_loop.h"
#include "internal/library_state.h"
#include "internal/script.h"
#include "platform/win32.h"

namespace zorva {
namespace {

bool event_is_ready() {
  const LibraryState& s = g_state;
  return s.event_kind != kEventNone && (s.event_kind != ZORVA_PERIODIC || s.tick_pending != 0);
}

void record_event() {
  LibraryState& s = g_state;
  if (s.event_kind == ZORVA_PERIODIC) {
    if (s.periodic_count < INT_MAX) ++s.periodic_count;
    return;
  }
  script_write_counted_ticks();
  script_write_event(s.event_kind, s.event_x, s.event_y, s.event_key);
}

}  // namespace

MessageTurn pump_one_message() {
  LibraryState& s = g_state;
  draw_queued_lines();  // before the turn shows the windows
  MSG message{};
  const bool removed = PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE) != 0;
  if (removed && message.message == WM_QUIT) {
    s.event_kind = ZORVA_QUIT;
    return MessageTurn::kQuit;
  }
  if (removed) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  if (s.surface_dirty != 0) copy_surface_to_window();
  return removed ? MessageTurn::kDispatched : MessageTurn::kNothing;
}

int wait_for_event() {
  LibraryState& s = g_state;
  s.event_kind = kEventNone;
  s.event_key = 0;
  s.event_x = 0;
  s.event_y = 0;

  while (!event_is_ready()) {
    const MessageTurn turn = pump_one_message();
    if (turn == MessageTurn::kQuit) break;

    if (s.play_one || s.playing_back) {
      s.play_one = 0;
      if (script_read_event() == 1) break;  // returned at once, without waiting for a tick
      s.play_one = 0;
      s.playing_back = 0;
    }

    if ((s.single_step || s.animating) && s.event_kind == kEventNone) {
      s.event_kind = ZORVA_PERIODIC;
      s.tick_pending = 0;
      s.single_step = 0;
    }

    // Nothing was queued and nothing else can happen before the next message: sleep until
    // one arrives instead of polling. Playback delivers without messages, so it never waits.
    if (turn == MessageTurn::kNothing && !event_is_ready() && !s.playing_back && !s.play_one) {
      WaitMessage();
    }
  }

  if (s.recording) record_event();
  return s.quit_requested ? ZORVA_QUIT : s.event_kind;
}

}  // namespace zorva

extern "C" int ZORVA_next_event(int* x, int* y, char* key) {
  int kind = ZORVA_QUIT;
  if (zorva::g_state.draw_window == nullptr) {
    // Without the window no event can ever come: waiting would hang the program.
    ZORVA_log("ZORVA_next_event called before ZORVA_start; returning ZORVA_QUIT.\n");
    zorva::g_state.event_x = 0;
    zorva::g_state.event_y = 0;
    zorva::g_state.event_key = 0;
  } else {
    kind = zorva::wait_for_event();
  }
  // Null outputs are skipped rather than written through.
  if (x != nullptr) *x = zorva::g_state.event_x;
  if (y != nullptr) *y = zorva::g_state.event_y;
  if (key != nullptr) *key = zorva::g_state.event_key;
  return kind;
}

extern "C" int ZORVA_set_animation(unsigned int request) {
  zorva::LibraryState& s = zorva::g_state;
  if (s.draw_window == nullptr) return 0;
  switch (request) {
    case ANIMATION_HALT:
      s.single_step = 0;
      s.animating = 0;
      break;
    case ANIMATION_STEP:
      s.single_step = 1;
      break;
    case ANIMATION_RUN:
      s.animating = 1;
      break;
    case ANIMATION_QUIT:
      s.quit_requested = 1;
      break;
    default:
      break;
  }
  return 1;
}
