// SIGINT and SIGTERM (Ctrl+C in the terminal, kill): the first one asks the program to quit,
// as the close box would; a second one, or the first while the program has taken no message
// for 2 seconds (a loop that never calls the event call), ends the process at once with one
// line on standard error and the shell's status for the signal (130, 143).
#pragma once

namespace zorva::platform::quit_signals {

// The program does not answer a request to quit after this long without a message turn.
inline constexpr long long kStuckAfterMs = 2000;

// Installs the platform's handlers for SIGINT and SIGTERM; once per process.
void install();

// The program takes part in a message turn now (it looks at the queue or waits in it).
void message_turn();

// Marks the time the program waits inside the platform for a message: it answers.
class WaitingForMessages {
 public:
  WaitingForMessages();
  ~WaitingForMessages();
  WaitingForMessages(const WaitingForMessages&) = delete;
  WaitingForMessages& operator=(const WaitingForMessages&) = delete;
};

// A signal that arrived since the last look becomes the request to quit; called in every
// message turn.
void deliver_pending();

}  // namespace zorva::platform::quit_signals
