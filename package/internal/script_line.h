// Decoding one line of the script file, without touching the package's state.
#pragma once

#include <cstddef>

namespace zorva {

enum class ScriptLineKind { kUnrecognised, kKey, kMouse, kPeriodicRun };

struct ScriptLine {
  ScriptLineKind kind = ScriptLineKind::kUnrecognised;
  int first = 0;   // the key code, the mouse x, or the run length
  int second = 0;  // the mouse y
};

// Reads the line's kind from its seventh character and scans its numbers. Lines shorter than
// seven characters, lines without the numbers their kind needs and number fields longer than
// 15 characters are unrecognised. Never reads beyond `length` characters.
ScriptLine decode_script_line(const char* line, std::size_t length);

}  // namespace zorva
