// Reading ZORVA_RUN_* from the environment.
#include "platform/runner/run_settings.h"

#include <charconv>
#include <map>
#include <string_view>

namespace zorva::platform::runner {
namespace {

constexpr std::string_view kPrefix = "ZORVA_RUN_";
constexpr std::string_view kAnswerPrefix = "ANSWER_";

bool parse_count(std::string_view text, std::uint64_t min, std::uint64_t max, std::uint64_t& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc{} && end == text.data() + text.size() && value >= min && value <= max;
}

std::string number_range(std::uint64_t min, std::uint64_t max) {
  return "a whole number from " + std::to_string(min) + " to " + std::to_string(max);
}

}  // namespace

bool read_run_settings(const char* const* environment, RunSettings& settings, std::string& why) {
  settings = RunSettings{};
  std::uint64_t answer_count = 0;
  std::map<std::uint64_t, std::string> answers;
  for (const char* const* entry = environment; entry && *entry; ++entry) {
    const std::string_view variable = *entry;
    if (!variable.starts_with(kPrefix)) continue;
    const std::size_t equals = variable.find('=');
    if (equals == std::string_view::npos) continue;
    const std::string_view name = variable.substr(kPrefix.size(), equals - kPrefix.size());
    const std::string_view value = variable.substr(equals + 1);
    const std::string full_name = std::string(variable.substr(0, equals));
    settings.run = true;

    if (name == "PLAYBACK") {
      if (value != "0" && value != "1") {
        why = full_name + " must be 0 or 1";
        return false;
      }
      settings.playback = value == "1";
    } else if (name == "TICKS") {
      if (!parse_count(value, 1, kMaxTickLimit, settings.tick_limit)) {
        why = full_name + " must be " + number_range(1, kMaxTickLimit);
        return false;
      }
    } else if (name == "PNG" || name == "FRAMES" || name == "LOG") {
      if (value.empty()) {
        why = full_name + " names no file";
        return false;
      }
      std::string& target = name == "PNG" ? settings.picture_path : name == "FRAMES" ? settings.frames_dir : settings.log_path;
      target = value;
    } else if (name == "ANSWERS") {
      if (!parse_count(value, 0, kMaxAnswers, answer_count)) {
        why = full_name + " must be " + number_range(0, kMaxAnswers);
        return false;
      }
    } else if (std::uint64_t number = 0;
               name.starts_with(kAnswerPrefix) && parse_count(name.substr(kAnswerPrefix.size()), 1, kMaxAnswers, number)) {
      answers[number] = std::string(value);
      if (!is_typeable_answer(answers[number])) {
        why = full_name + " holds a control character or more than " + std::to_string(kMaxAnswerLength) +
              " characters";
        return false;
      }
    } else {
      why = "unknown setting " + full_name;
      return false;
    }
  }
  for (const auto& [number, answer] : answers) {
    if (number > answer_count) {
      why = "ZORVA_RUN_ANSWER_" + std::to_string(number) + " is set, but ZORVA_RUN_ANSWERS is " +
            std::to_string(answer_count);
      return false;
    }
  }
  for (std::uint64_t number = 1; number <= answer_count; ++number) {
    const auto found = answers.find(number);
    if (found == answers.end()) {
      why = "ZORVA_RUN_ANSWERS is " + std::to_string(answer_count) + ", but ZORVA_RUN_ANSWER_" +
            std::to_string(number) + " is not set";
      return false;
    }
    settings.answers.push_back(found->second);
  }
  return true;
}

}  // namespace zorva::platform::runner
