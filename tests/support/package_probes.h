// For tests that run the package for real: a scratch working directory (the script file's
// name is relative, so each test gets its own), and what the package leaves behind to read
// back: the script file's text and the newest line of the log ring.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <utility>

#include "internal/library_state.h"
#include "internal/script.h"
#include "platform/testing/headless.h"
#include "support/scratch_directory.h"

namespace zorva::testing_support {

// A package test starts from a fresh headless platform and library state, in its own scratch
// directory, with `feeder` handing input whenever the program waits; it ends by closing the
// script file and leaving nothing behind for the next test.
inline void begin_package_test(ScratchDirectory& scratch, std::function<bool()> feeder) {
  headless::reset();
  reset_library_state();
  scratch.enter();
  headless::on_idle(std::move(feeder));
}

inline void end_package_test(ScratchDirectory& scratch) {
  close_script_file();
  headless::on_idle(nullptr);
  headless::reset();
  reset_library_state();
  scratch.leave();
}

inline std::string script_text() {
  std::ifstream in(kScriptFileName);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The newest logged line, without its newline.
inline std::string last_log_line() {
  const LibraryState& s = g_state;
  if (s.log_first < 0) return "";
  const int slot = s.log_next == 0 ? kLogRingSize - 1 : s.log_next - 1;
  std::string line(static_cast<const char*>(GlobalLock(s.log_lines[slot])));
  GlobalUnlock(s.log_lines[slot]);
  if (!line.empty() && line.back() == '\n') line.pop_back();
  return line;
}

}  // namespace zorva::testing_support
