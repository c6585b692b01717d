// ZORVA_log: formats a line, keeps it in the 25-line ring and appends it to the text window;
// a debugger hears of it too.
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "console/description_format.h"
#include "internal/console.h"
#include "internal/library_state.h"
#include "platform/win32.h"

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

// Hands the line to a debugger (a run under zorva-run keeps it as its log) as the text
// window shows it, ended by one newline.
void send_to_debugger(const char* line, std::size_t length) {
  if (length != 0 && line[length - 1] == '\n') {  // as it stands (a description ends so)
    OutputDebugStringA(line);
    return;
  }
  char text[kLogLineMax + 2];
  std::memcpy(text, line, length);
  if (length == 0 || text[length - 1] != '\n') text[length++] = '\n';
  text[length] = '\0';
  OutputDebugStringA(text);
}

// Formats into `line` (kLogLineMax + 1 bytes) and stores the result in the ring; returns the
// formatting count, at most kLogLineMax, and puts the line's length in `length`. The
// package's descriptions take the short formatter.
int format_and_store(char* line, std::size_t& length, const char* format, std::va_list args,
                     bool description = false) {
  line[0] = '\0';
  int produced = 0;
  if (format != nullptr) {
    std::va_list copy;
    va_copy(copy, args);
    produced = description ? format_description(line, kLogLineMax + 1, format, copy) : -1;
    va_end(copy);
    if (produced < 0) produced = std::vsnprintf(line, kLogLineMax + 1, format, args);
  }
  if (produced < 0) {  // an encoding error leaves the buffer undefined: log an empty line
    line[0] = '\0';
    produced = 0;
  }
  // vsnprintf stops at 1023 characters; a formatted "%c" of 0 can end the text earlier.
  length = std::strlen(line);
  store_line(line, length);
  send_to_debugger(line, length);
  return produced < kLogLineMax ? produced : kLogLineMax;
}

}  // namespace

int log_drawing_call(const char* format, ...) {
  char line[kLogLineMax + 1];
  std::va_list args;
  va_start(args, format);
  std::size_t length = 0;
  const int produced = format_and_store(line, length, format, args, true);
  va_end(args);
  if (g_state.text_window != nullptr) {
    if (length >= 1 && line[length - 1] == '\n') --length;  // a newline is never drawn
    g_state.queued_lines.push(line, length);
  }
  return produced;
}

}  // namespace zorva

extern "C" int ZORVA_log(const char* format, ...) {
  char line[zorva::kLogLineMax + 1];
  std::va_list args;
  va_start(args, format);
  std::size_t length = 0;
  const int produced = zorva::format_and_store(line, length, format, args);
  va_end(args);
  zorva::append_text_line(line);
  return produced;
}
