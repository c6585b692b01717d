// zorva-run's command line: what each option takes, and the message for what it does not.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/run/run_options.h"

namespace zorva::tools {
namespace {

TEST(RunOptions, OptionsComeBeforeTheProgramAndTheRestIsItsOwn) {
  RunOptions options;
  bool help = false;
  ASSERT_EQ(parse_run_options({"--script", "s.SCR", "--ticks=40", "--png", "p.png", "--frames", "f", "--log", "-",
                               "--answer", "Ada", "--answer=", "--timeout", "2.5", "./prog", "--png", "x"},
                              options, help),
            "");
  EXPECT_EQ(options.script, "s.SCR");
  EXPECT_EQ(options.ticks, 40u);
  EXPECT_EQ(options.png, "p.png");
  EXPECT_EQ(options.frames, "f");
  EXPECT_EQ(options.log, "-");
  EXPECT_EQ(options.answers, (std::vector<std::string>{"Ada", ""}));
  EXPECT_DOUBLE_EQ(options.timeout_seconds, 2.5);
  EXPECT_EQ(options.program, "./prog");
  EXPECT_EQ(options.program_arguments, (std::vector<std::string>{"--png", "x"}));
  EXPECT_FALSE(help);

  RunOptions defaults;
  ASSERT_EQ(parse_run_options({"--", "-odd-name"}, defaults, help), "");
  EXPECT_EQ(defaults.program, "-odd-name");
  EXPECT_EQ(defaults.ticks, 600u);
  EXPECT_DOUBLE_EQ(defaults.timeout_seconds, 10);
  EXPECT_FALSE(defaults.script || defaults.png || defaults.frames || defaults.log);
}

TEST(RunOptions, WhatIsWrongIsSaid) {
  const struct {
    std::vector<std::string> arguments;
    std::string problem;
  } cases[] = {
      {{}, "no PROGRAM to run"},
      {{"--ticks", "5"}, "no PROGRAM to run"},
      {{"--png"}, "--png needs a value"},
      {{"--log=", "p"}, "--log needs a value"},
      {{"--fast", "p"}, "unknown option --fast"},
      {{"--ticks", "0", "p"}, "--ticks wants a whole number from 1 to 1000000000, not '0'"},
      {{"--ticks", "-3", "p"}, "--ticks wants a whole number from 1 to 1000000000, not '-3'"},
      {{"--ticks", "99999999999999999999", "p"},
       "--ticks wants a whole number from 1 to 1000000000, not '99999999999999999999'"},
      {{"--timeout", "0", "p"}, "--timeout wants a number of seconds above 0 and up to 1000000, not '0'"},
      {{"--timeout", "inf", "p"}, "--timeout wants a number of seconds above 0 and up to 1000000, not 'inf'"},
      {{"--answer", "two\nlines", "p"},
       "--answer takes one line of at most 255 characters, without control characters such as tabs or line breaks"},
      {{"--answer", std::string(256, 'a'), "p"},
       "--answer takes one line of at most 255 characters, without control characters such as tabs or line breaks"},
  };
  for (const auto& c : cases) {
    RunOptions options;
    bool help = false;
    EXPECT_EQ(parse_run_options(c.arguments, options, help), c.problem) << c.problem;
  }
  RunOptions options;
  bool help = false;
  EXPECT_EQ(parse_run_options({"--ticks", "3", "--help", "--bad"}, options, help), "");
  EXPECT_TRUE(help);
}

}  // namespace
}  // namespace zorva::tools
