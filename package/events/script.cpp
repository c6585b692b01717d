// The script file: one stream, opened for writing by the first recorded line or for reading
// by the first played event, and closed only by the Record/Playback commands and finish.
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "internal/library_state.h"
#include "internal/menu_ids.h"
#include "internal/script.h"
#include "internal/script_line.h"
#include "platform/win32.h"

namespace zorva {
namespace {

constexpr int kLineBufferSize = 512;

bool open_for_writing() {
  LibraryState& s = g_state;
  // A stream left open for reading by playback would swallow the recording: start afresh.
  if (s.script_file != nullptr && !s.script_file_writing) close_script_file();
  if (s.script_file != nullptr) return true;
  s.script_file = std::fopen(kScriptFileName, "w");
  if (s.script_file == nullptr) {
    ZORVA_log("Cannot open script file %s for writing\n", kScriptFileName);
    return false;
  }
  s.script_file_writing = true;
  return true;
}

// Opening a directory for reading succeeds on this system, but it holds no script.
bool is_directory(std::FILE* file) {
  struct stat status {};
  return fstat(fileno(file), &status) == 0 && S_ISDIR(status.st_mode);
}

bool open_for_reading() {
  LibraryState& s = g_state;
  if (s.script_file != nullptr && !s.script_file_writing) return true;
  // A recording owns the file from its command on, even before its first line: playing the
  // file meanwhile would have the recording empty the very file being played.
  if (s.script_file == nullptr && s.recording == 0) {
    s.script_file = std::fopen(kScriptFileName, "r");
    if (s.script_file != nullptr && is_directory(s.script_file)) close_script_file();
    if (s.script_file != nullptr) {
      s.script_file_writing = false;
      return true;
    }
  }
  // Cannot open it, or a recording holds it: the recording is left alone.
  ZORVA_log("Cannot open script file %s for reading\n", kScriptFileName);
  stop_playback();
  return false;
}

// A recording whose lines cannot reach the disk is reported once, with the reason, and
// stopped, so the user neither loses lines unawares nor gets a message per event.
void fail_recording(const char* reason) {
  LibraryState& s = g_state;
  ZORVA_log("Cannot write script file %s: %s; recording stopped\n", kScriptFileName, reason);
  s.recording = 0;
  s.periodic_count = 0;
  CheckMenuItem(s.run_menu, kCommandRecord, MF_UNCHECKED);
  close_script_file();
  s.script_write_failed = true;
}

// A file with no name left (removed, or another file put in its place) takes lines that no
// one will ever read. One merely renamed still keeps them, so the recording goes on there.
// (Where an open file cannot be removed, as on Windows, this never happens.)
bool removed_from_disk(std::FILE* file) {
  struct stat status {};
  return fstat(fileno(file), &status) == 0 && status.st_nlink == 0;
}

// Every line is pushed to the file at once: a full disk or a removed file shows at the line
// that meets it, and what was recorded before it is on disk whatever happens later.
void check_recorded_line(std::FILE* file) {
  errno = 0;
  if (std::fflush(file) != 0 || std::ferror(file)) {
    const int error = errno;
    fail_recording(error != 0 ? std::strerror(error) : "write error");
  } else if (removed_from_disk(file)) {
    fail_recording("the file was removed during the recording");
  }
}

// A line end alone, also as a script written on Windows stores it (carriage return first).
bool is_blank_line(const char* line) {
  return line[0] == '\n' || (line[0] == '\r' && line[1] == '\n');
}

// Reads the next line that is not just a line end. Returns false at end of file.
bool read_event_line(std::FILE* file, char (&line)[kLineBufferSize]) {
  do {
    if (std::fgets(line, kLineBufferSize, file) == nullptr) line[0] = '\0';
  } while (!std::feof(file) && !std::ferror(file) && is_blank_line(line));
  return !std::feof(file);
}

}  // namespace

void script_write_event(int kind, int x, int y, char key) {
  LibraryState& s = g_state;
  if (kind < ZORVA_MOUSE || kind > ZORVA_PERIODIC) {
    // A quit writes no line of its own; the pending run was written by the caller.
    return;
  }
  // The failed recording was stopped; only a recording started since then writes again
  // (starting one clears the flag, so its lines, even a run written at its stop, all count).
  if (s.script_write_failed) return;
  if (!open_for_writing()) return;
  std::FILE* file = s.script_file;
  switch (kind) {
    case ZORVA_MOUSE:
      std::fprintf(file, "ZORVA_MOUSE(%d, %d);\n", x, y);
      break;
    case ZORVA_KBD:
      std::fprintf(file, "ZORVA_KBD(%d);\n", static_cast<int>(static_cast<signed char>(key)));
      break;
    case ZORVA_PERIODIC:
      std::fprintf(file, "ZORVA_PERIODIC(%d);\n", s.periodic_count);
      break;
  }
  check_recorded_line(file);
}

void script_write_counted_ticks() {
  LibraryState& s = g_state;
  if (s.periodic_count <= 0) return;
  script_write_event(ZORVA_PERIODIC, 0, 0, 0);
  s.periodic_count = 0;
}

int script_read_event() {
  LibraryState& s = g_state;
  if (!open_for_reading()) return 0;
  if (s.periodic_count > 0) {
    s.event_kind = ZORVA_PERIODIC;
    --s.periodic_count;
    return 1;
  }
  char line[kLineBufferSize];
  errno = 0;
  const bool got_line = read_event_line(s.script_file, line);
  if (std::ferror(s.script_file)) {
    // A file that cannot be read is said so, not taken for an unrecognised line.
    const int error = errno;
    ZORVA_log("Cannot read script file %s: %s\n", kScriptFileName,
              error != 0 ? std::strerror(error) : "read error");
    std::clearerr(s.script_file);
    stop_playback();
    return 0;
  }
  if (!got_line) {
    ZORVA_log("EOF encountered in script file %s\n", kScriptFileName);
    stop_playback();
    return 0;
  }
  const ScriptLine decoded = decode_script_line(line, std::strlen(line));
  switch (decoded.kind) {
    case ScriptLineKind::kKey:
      s.event_kind = ZORVA_KBD;
      s.event_key = static_cast<char>(decoded.first & 0xFF);
      break;
    case ScriptLineKind::kMouse:
      s.event_kind = ZORVA_MOUSE;
      s.event_x = decoded.first;
      s.event_y = decoded.second;
      break;
    case ScriptLineKind::kPeriodicRun:
      s.event_kind = ZORVA_PERIODIC;
      // This call delivers the first event of the run; the rest come from the count.
      s.periodic_count = decoded.first - 1;
      break;
    case ScriptLineKind::kUnrecognised:
      stop_playback();
      return 0;
  }
  return 1;
}

void stop_playback() {
  g_state.playing_back = 0;
  g_state.play_one = 0;
  CheckMenuItem(g_state.run_menu, kCommandPlayback, MF_UNCHECKED);
}

void close_script_file() {
  if (g_state.script_file == nullptr) return;
  std::fclose(g_state.script_file);
  g_state.script_file = nullptr;
  g_state.script_file_writing = false;
}

}  // namespace zorva
