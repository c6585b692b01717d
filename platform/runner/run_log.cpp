// The run's log file, written with write(2): no buffer to lose.
#include "platform/runner/run_log.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace zorva::platform::runner {
namespace {

void write_all(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(fd, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return;  // a full disk: the rest of the line is lost, the program goes on
    text.remove_prefix(static_cast<std::size_t>(written));
  }
}

}  // namespace

RunLog::~RunLog() {
  if (fd_ >= 0) ::close(fd_);
}

bool RunLog::open(const std::string& path, std::string& why) {
  fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC, 0644);
  if (fd_ < 0) {
    why = "cannot write the log " + path + ": " + std::strerror(errno);
    return false;
  }
  return true;
}

void RunLog::write(std::string_view text) {
  if (fd_ >= 0) write_all(fd_, text);
}

void RunLog::note(const std::string& line) {
  const std::string text = "zorva: " + line + "\n";
  if (fd_ >= 0) {
    write_all(fd_, text);
  } else {
    std::fputs(text.c_str(), stderr);
  }
}

}  // namespace zorva::platform::runner
