// Feeds arbitrary bytes to the script reader: first to the line decoder directly, then as the
// whole "ZORVA.SCR" played back until the reader gives up.
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "internal/library_state.h"
#include "internal/script.h"
#include "internal/script_line.h"
#include "platform/testing/headless.h"

namespace {

// The reader uses a relative file name: work in a private directory.
bool enter_scratch_directory() {
  static bool entered = [] {
    char pattern[] = "/tmp/zorva-fuzz-XXXXXX";
    return mkdtemp(pattern) != nullptr && chdir(pattern) == 0;
  }();
  return entered;
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
  if (ready) play_whole_file(data, size);
  return 0;
}
