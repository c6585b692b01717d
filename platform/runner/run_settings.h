// What a run under zorva-run asks of the platform: read once from the environment when the
// headless driver starts. Without any ZORVA_RUN_ variable a program runs plainly headless.
//
//   ZORVA_RUN_PLAYBACK=1      press Ctrl+P once the drawing window has the keyboard
//   ZORVA_RUN_TICKS=N         ask the program to quit after N timer messages (default 600)
//   ZORVA_RUN_PNG=FILE        the drawing window's client area as last shown, at exit
//   ZORVA_RUN_FRAMES=DIR      one PNG in DIR for each changed picture the window shows
//   ZORVA_RUN_LOG=FILE        every line the program logs, and the run's own lines
//   ZORVA_RUN_ANSWERS=N       N answers for the prompts, in ZORVA_RUN_ANSWER_1 ... _N
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zorva::platform::runner {

inline constexpr std::uint64_t kDefaultTickLimit = 600;  // a virtual minute of 100 ms ticks
inline constexpr std::uint64_t kMaxTickLimit = 1'000'000'000;
inline constexpr std::size_t kMaxAnswers = 10'000;
inline constexpr std::size_t kMaxAnswerLength = 255;  // what a prompt can hand back

struct RunSettings {
  bool run = false;  // some ZORVA_RUN_ variable was set: the program runs under zorva-run
  bool playback = false;
  std::uint64_t tick_limit = kDefaultTickLimit;
  std::string picture_path;  // empty: none wanted
  std::string frames_dir;
  std::string log_path;
  std::vector<std::string> answers;
};

// Reads the settings from `environment` (NAME=value strings ending with a null pointer, as
// environ is). False, with the reason in `why`, for a value it cannot take or a ZORVA_RUN_
// name it does not know, so that a mistyped setting is never silently ignored.
bool read_run_settings(const char* const* environment, RunSettings& settings, std::string& why);

// An answer the prompt can take as typed text: at most kMaxAnswerLength characters, none of
// them a control character (a line break or a tab would leave the text field early).
// Inline: zorva-run checks its --answer values with it too.
inline bool is_typeable_answer(const std::string& answer) {
  if (answer.size() > kMaxAnswerLength) return false;
  for (const unsigned char c : answer)
    if (c < 0x20 || c == 0x7F) return false;
  return true;
}

}  // namespace zorva::platform::runner
