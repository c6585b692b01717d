// The event call's inner loop.
#pragma once

namespace zorva {

enum class MessageTurn { kNothing, kDispatched, kQuit };

// Removes and handles at most one queued message, then copies a changed surface to the window.
MessageTurn pump_one_message();

// Turns until an event exists, records it while recording, and leaves it in the current event.
// Returns the event kind to report (the quit kind once the program asked to quit).
int wait_for_event();

}  // namespace zorva
