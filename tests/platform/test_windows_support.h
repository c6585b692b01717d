// A recording window procedure for platform tests: every message a window receives is
// written down, and tests can install a reaction for one message.
#pragma once

#include <functional>
#include <vector>

#include "platform/testing/headless.h"
#include "platform/win32.h"

namespace zorva::testing_support {

struct Received {
  HWND hwnd;
  UINT message;
  WPARAM wparam;
  LPARAM lparam;
};

struct Recorder {
  std::vector<Received> messages;
  // Called for every message; a true result means it was handled (no default handling).
  std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT&)> react;

  std::vector<UINT> kinds(HWND only = nullptr) const {
    std::vector<UINT> out;
    for (const Received& r : messages)
      if (!only || r.hwnd == only) out.push_back(r.message);
    return out;
  }
  int count(UINT message) const {
    int n = 0;
    for (const Received& r : messages) n += r.message == message;
    return n;
  }
  void clear() { messages.clear(); }
};

Recorder& recorder();
LRESULT CALLBACK recording_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

// Resets the platform, registers the "TestWindow" class (white background) and clears the
// recorder.
void fresh_platform();
// A shown top-level window of the test class, outer size w x h.
HWND make_window(int w = 200, int h = 100);
HWND make_child(HWND parent, int x, int y, int w, int h, int id = 1);

// Retrieves and dispatches messages until none is left (no waiting); returns how many.
int drain();
// Removes the next message (PM_REMOVE); false if none.
bool next(MSG& msg);

}  // namespace zorva::testing_support
