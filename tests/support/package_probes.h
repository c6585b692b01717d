// For tests that run the package for real: a scratch working directory (the script file's
// name is relative, so each test gets its own), and what the package leaves behind to read
// back: the script file's text and the newest line of the log ring.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "internal/library_state.h"
#include "internal/script.h"

namespace zorva::testing_support {

class ScratchDirectory {
 public:
  // Makes a fresh directory and makes it the working directory.
  void enter() {
    char pattern[] = "/tmp/zorva-test-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    path_ = pattern;
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(path_);
  }
  // Goes back to the previous working directory and removes the scratch one.
  void leave() {
    if (path_.empty()) return;
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(path_);
    path_.clear();
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
  std::filesystem::path previous_;
};

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
