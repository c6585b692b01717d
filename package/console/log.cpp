// ZORVA_log: formats a line, keeps it in the 25-line ring and appends it to the text window.
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "internal/console.h"
#include "internal/library_state.h"

namespace zorva {
namespace {

int advance(int slot) { return slot == kLogRingSize - 1 ? 0 : slot + 1; }

// Stores a copy of `text` (n characters) in the ring, dropping the oldest line when full.
void store_line(const char* text, std::size_t n) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, n + 1);
  if (block == nullptr) return;  // no memory: the line is dropped, the ring stays as it was
  char* copy = static_cast<char*>(GlobalLock(block));
  if (copy == nullptr) {
    GlobalFree(block);
    return;
  }
  std::memcpy(copy, text, n);
  copy[n] = '\0';
  GlobalUnlock(block);

  LibraryState& s = g_state;
  if (s.log_first == s.log_next) {  // full ring: the oldest line's slot is reused
    GlobalFree(s.log_lines[s.log_first]);
    s.log_first = advance(s.log_first);
  }
  s.log_lines[s.log_next] = block;
  if (s.log_first < 0) s.log_first = s.log_next;
  s.log_next = advance(s.log_next);
}

}  // namespace
}  // namespace zorva

extern "C" int ZORVA_log(const char* format, ...) {
  char line[zorva::kLogLineMax + 1];
  line[0] = '\0';
  int produced = 0;
  if (format != nullptr) {
    std::va_list args;
    va_start(args, format);
    produced = std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
  }
  if (produced < 0) {  // an encoding error leaves the buffer undefined: log an empty line
    line[0] = '\0';
    produced = 0;
  }
  // vsnprintf stops at 1023 characters; a formatted "%c" of 0 can end the text earlier.
  const std::size_t n = std::strlen(line);
  zorva::store_line(line, n);
  zorva::append_text_line(line);
  return produced < zorva::kLogLineMax ? produced : zorva::kLogLineMax;
}
