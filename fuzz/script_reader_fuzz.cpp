// Feeds arbitrary bytes to the script reader: first to the line decoder directly, then as the
// whole "ZORVA.SCR" played back until the reader gives up (NUL bytes, endless lines, a last
// line without its line end, binary junk). Then the writer and the reader must agree: an
// event made from the input's first bytes is recorded and must be played back unchanged.
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "internal/library_state.h"
#include "internal/script.h"
#include "internal/script_line.h"
#include "platform/testing/headless.h"

namespace {

// The reader uses a relative file name: work in a private directory, in memory where the
// system offers it (a disk file system flushes the rewritten file at every close).
// The directory is removed when the fuzzer exits.
bool enter_scratch_directory() {
  static std::string scratch;
  for (const char* base : {"/dev/shm", "/tmp"}) {
    std::string pattern = std::string(base) + "/zorva-fuzz-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr || chdir(pattern.c_str()) != 0) continue;
    scratch = pattern;
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(scratch, ignored);
    });
    return true;
  }
  return false;
}

void play_whole_file(const std::uint8_t* data, std::size_t size) {
  std::FILE* file = std::fopen(zorva::kScriptFileName, "wb");
  if (file == nullptr) return;
  std::fwrite(data, 1, size, file);
  std::fclose(file);

  zorva::reset_library_state();
  zorva::g_state.playing_back = 1;
  // Every successful read consumes a line or one owed periodic event; cap the huge runs.
  for (int reads = 0; reads < 10000 && zorva::script_read_event() == 1; ++reads) {
    if (zorva::g_state.periodic_count < 0 && zorva::g_state.periodic_count != -1) __builtin_trap();
  }
  zorva::close_script_file();
}

std::int32_t take_int(const std::uint8_t* data) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value = value << 8 | data[i];
  return static_cast<std::int32_t>(value);
}

// One event of any kind, with any coordinates, key or run length, written and read back.
void round_trip(const std::uint8_t* data, std::size_t size) {
  if (size < 10) return;
  const int kind = ZORVA_MOUSE + data[0] % 3;
  const int x = take_int(data + 1);
  const int y = take_int(data + 5);
  const char key = static_cast<char>(data[9]);

  zorva::reset_library_state();
  zorva::g_state.recording = 1;
  if (kind == ZORVA_PERIODIC) {
    if (x < 1) return;  // a run is at least one event long
    zorva::g_state.periodic_count = x;
  }
  zorva::script_write_event(kind, x, y, key);
  zorva::close_script_file();

  zorva::reset_library_state();
  zorva::g_state.playing_back = 1;
  if (zorva::script_read_event() != 1 || zorva::g_state.event_kind != kind) __builtin_trap();
  switch (kind) {
    case ZORVA_MOUSE:
      if (zorva::g_state.event_x != x || zorva::g_state.event_y != y) __builtin_trap();
      break;
    case ZORVA_KBD:
      if (zorva::g_state.event_key != key) __builtin_trap();
      break;
    default:
      if (zorva::g_state.periodic_count != x - 1) __builtin_trap();
      break;
  }
  zorva::close_script_file();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool ready = [] {
    zorva::headless::use();
    return enter_scratch_directory();
  }();
  const std::string line(reinterpret_cast<const char*>(data), size);
  const zorva::ScriptLine decoded = zorva::decode_script_line(line.data(), line.size());
  if (decoded.kind == zorva::ScriptLineKind::kPeriodicRun && decoded.first < 0) __builtin_trap();
  if (!ready) return 0;
  play_whole_file(data, size);
  round_trip(data, size);
  return 0;
}
