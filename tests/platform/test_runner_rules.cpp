// The program runner's rules: the settings it reads from the environment, and when a headless
// run ends by itself.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/runner/run_ending.h"
#include "platform/runner/run_settings.h"

namespace zorva::platform::runner {
namespace {

bool read(std::vector<const char*> environment, RunSettings& settings, std::string& why) {
  environment.push_back(nullptr);
  return read_run_settings(environment.data(), settings, why);
}

TEST(RunSettings, ReadFromTheEnvironment) {
  RunSettings settings;
  std::string why;
  ASSERT_TRUE(read({"HOME=/root", "ZORVA_BACKEND=headless"}, settings, why)) << why;
  EXPECT_FALSE(settings.run);  // a plain headless run

  ASSERT_TRUE(read({"ZORVA_RUN_PLAYBACK=1", "ZORVA_RUN_TICKS=30", "ZORVA_RUN_PNG=/o/p.png", "ZORVA_RUN_FRAMES=/o/f",
                    "ZORVA_RUN_LOG=/o/log", "ZORVA_RUN_ANSWER_2=two", "ZORVA_RUN_ANSWERS=2", "ZORVA_RUN_ANSWER_1="},
                   settings, why))
      << why;
  EXPECT_TRUE(settings.run);
  EXPECT_TRUE(settings.playback);
  EXPECT_EQ(settings.tick_limit, 30u);
  EXPECT_EQ(settings.picture_path, "/o/p.png");
  EXPECT_EQ(settings.frames_dir, "/o/f");
  EXPECT_EQ(settings.log_path, "/o/log");
  EXPECT_EQ(settings.answers, (std::vector<std::string>{"", "two"}));

  ASSERT_TRUE(read({"ZORVA_RUN_LOG=l"}, settings, why));
  EXPECT_EQ(settings.tick_limit, kDefaultTickLimit);
  EXPECT_FALSE(settings.playback);

  const struct {
    std::vector<const char*> environment;
    const char* why;
  } wrong[] = {
      {{"ZORVA_RUN_TICK=5"}, "unknown setting ZORVA_RUN_TICK"},
      {{"ZORVA_RUN_TICKS=0"}, "ZORVA_RUN_TICKS must be a whole number from 1 to 1000000000"},
      {{"ZORVA_RUN_TICKS=12x"}, "ZORVA_RUN_TICKS must be a whole number from 1 to 1000000000"},
      {{"ZORVA_RUN_PLAYBACK=yes"}, "ZORVA_RUN_PLAYBACK must be 0 or 1"},
      {{"ZORVA_RUN_PNG="}, "ZORVA_RUN_PNG names no file"},
      {{"ZORVA_RUN_ANSWERS=1"}, "ZORVA_RUN_ANSWERS is 1, but ZORVA_RUN_ANSWER_1 is not set"},
      {{"ZORVA_RUN_ANSWER_3=x", "ZORVA_RUN_ANSWERS=2", "ZORVA_RUN_ANSWER_1=a", "ZORVA_RUN_ANSWER_2=b"},
       "ZORVA_RUN_ANSWER_3 is set, but ZORVA_RUN_ANSWERS is 2"},
      {{"ZORVA_RUN_ANSWERS=1", "ZORVA_RUN_ANSWER_1=a\tb"},
       "ZORVA_RUN_ANSWER_1 holds a control character or more than 255 characters"},
      {{"ZORVA_RUN_ANSWER_0=a"}, "unknown setting ZORVA_RUN_ANSWER_0"},
  };
  for (const auto& c : wrong) {
    EXPECT_FALSE(read(c.environment, settings, why)) << c.why;
    EXPECT_EQ(why, c.why);
  }
}

// One row per observation, in order: what happened at a virtual time, and what the rules say.
enum class Seen { kActivity, kWait, kStall };
struct Observation {
  Seen seen;
  std::uint64_t now_ms;
  std::uint64_t ticks;
  RunEnding::Step step;  // for waits and stalls
};

void check(RunEnding ending, const std::vector<Observation>& observations, const char* name) {
  for (std::size_t i = 0; i < observations.size(); ++i) {
    const Observation& o = observations[i];
    if (o.seen == Seen::kActivity) {
      ending.activity(o.now_ms);
      continue;
    }
    const RunEnding::Step step = o.seen == Seen::kWait ? ending.waiting(o.now_ms, o.ticks) : ending.stalled(o.now_ms);
    EXPECT_EQ(step, o.step) << name << ", observation " << i;
  }
}

TEST(RunEnding, AskedToQuitWhenIdleOrOutOfTicksAndEndedOnlyUnderZorvaRun) {
  using enum RunEnding::Step;
  constexpr auto wait = Seen::kWait;
  constexpr auto shown = Seen::kActivity;
  constexpr auto stall = Seen::kStall;
  // A plain headless run: asked once when idle, never ended by these rules.
  check(RunEnding(std::nullopt),
        {{wait, 100, 1, kGoOn}, {shown, 4000, 0, kGoOn}, {wait, 8900, 89, kGoOn}, {wait, 9000, 90, kAskToQuit},
         {wait, 20000, 200, kGoOn}, {wait, 900000, 9000, kGoOn}},
        "plain");
  // Under zorva-run: the tick limit asks even a busy program, and one that waits on after
  // the request is ended a while later.
  check(RunEnding(30),
        {{shown, 2800, 0, kGoOn}, {wait, 2900, 29, kGoOn}, {shown, 3000, 0, kGoOn}, {wait, 3000, 30, kAskToQuit},
         {shown, 7000, 0, kGoOn}, {wait, 7999, 40, kGoOn}, {wait, 8000, 80, kEnd}},
        "ticks");
  check(RunEnding(600), {{wait, 4900, 49, kGoOn}, {wait, 5000, 50, kAskToQuit}, {wait, 6000, 60, kGoOn}}, "idle");
  // Nothing at all can end the wait: asked first, then ended.
  check(RunEnding(600), {{stall, 0, 0, kAskToQuit}, {stall, 0, 0, kEnd}}, "stalls");
}

}  // namespace
}  // namespace zorva::platform::runner
