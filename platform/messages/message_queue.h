// The thread's message queue: posted messages, input messages, the quit flag, and what
// retrieval synthesises (WM_PAINT, WM_TIMER).
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>

#include "platform/win32.h"

namespace zorva::platform {

// A queued message and, for key messages, the character it types (carried to TranslateMessage)
// and the modifier keys held when it was made.
struct QueuedMessage {
  MSG msg{};
  int typed = -1;  // -1: none recorded; 0: the key types nothing; else the character (1..255)
  std::uint8_t modifiers = 0;  // kShiftHeld | kControlHeld | kAltHeld
};
inline constexpr std::uint8_t kShiftHeld = 1;
inline constexpr std::uint8_t kControlHeld = 2;
inline constexpr std::uint8_t kAltHeld = 4;
// The modifier keys held now, as QueuedMessage keeps them.
std::uint8_t modifiers_held_now();

// The queue itself: posted messages and input each in arrival order, the quit flag, and the
// key message last removed (TranslateMessage uses its character).
struct MessageQueue {
  std::deque<QueuedMessage> posted;
  std::deque<QueuedMessage> input;
  bool quit_pending = false;
  int quit_code = 0;
  QueuedMessage current_key;  // the key message most recently removed
  bool has_current_key = false;
};

// Adds an input message (keys, clicks, close requests) from a driver; false if the queue
// is full and the message was dropped.
bool queue_input(const QueuedMessage& message);
// Drops every queued message addressed to the window (it is being destroyed).
void purge_messages_for(HWND hwnd);
// True if PeekMessageA would find something for any window.
bool message_ready();
std::size_t queued_message_count();

// The key message most recently removed from the queue, with the character it carries.
const QueuedMessage* current_key_message();
// Whether Shift, Ctrl or Alt (vk) was held when this key message was made, as Windows'
// GetKeyState tells a window handling it; the keyboard now for a message not from the queue.
bool held_for_key_message(const MSG& msg, int vk);

}  // namespace zorva::platform
