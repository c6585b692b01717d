// The log of a run: every line the program logs, handed over through OutputDebugStringA, and
// the run's own lines, in order. Each is written to the file at once, so a program that
// crashes or is killed loses none of the lines it logged before.
#pragma once

#include <string>
#include <string_view>

namespace zorva::platform::runner {

class RunLog {
 public:
  RunLog() = default;
  ~RunLog();
  RunLog(const RunLog&) = delete;
  RunLog& operator=(const RunLog&) = delete;

  // Creates or empties the file; false, with the reason, if it cannot.
  bool open(const std::string& path, std::string& why);
  bool is_open() const { return fd_ >= 0; }
  // Appends the text as it is (nothing happens without a file).
  void write(std::string_view text);
  // One line of the run's own: into the log when there is one, else to standard error.
  void note(const std::string& line);

 private:
  int fd_ = -1;
};

}  // namespace zorva::platform::runner
