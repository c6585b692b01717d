// zorva-run on built programs, as a teacher uses it: a script played against click_draw, an
// animation cut off by --ticks, answers for the prompts, and every way a run can end. Each
// test runs the tool as a process and reads back what it leaves.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "png/png_reader.h"
#include "support/scratch_directory.h"

namespace zorva {
namespace {

namespace fs = std::filesystem;

std::string quoted(const std::string& text) {
  std::string result = "'";
  for (const char c : text) result += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return result + "'";
}

std::string file_text(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

std::vector<std::string> arguments_with_tool(const std::vector<std::string>& arguments) {
  std::vector<std::string> words{ZORVA_RUN};
  words.insert(words.end(), arguments.begin(), arguments.end());
  return words;
}

struct RunResult {
  int status = -1;
  std::string out;
  std::string err;
};

class ZorvaRun : public ::testing::Test {
 protected:
  void SetUp() override { scratch_.enter(); }
  void TearDown() override { scratch_.leave(); }

  // Runs zorva-run with the arguments (and `environment`, NAME=value words before it).
  static RunResult run(const std::vector<std::string>& arguments, const std::string& environment = "") {
    std::string command = environment;
    for (const std::string& word : arguments_with_tool(arguments)) {
      command += ' ';
      command += quoted(word);
    }
    command += " >run.out 2>run.err";
    const int status = std::system(command.c_str());
    RunResult result;
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = file_text("run.out");
    result.err = file_text("run.err");
    return result;
  }

  static png::RgbImage picture(const std::string& path) {
    png::RgbImage image;
    std::string reason;
    EXPECT_TRUE(png::read_png(path, image, reason)) << path << ": " << reason;
    return image;
  }

  // A pixel at a logical position: the origin is the centre of the client area.
  static std::uint32_t at(const png::RgbImage& image, int x, int y) {
    const int column = image.width / 2 + x;
    const int row = image.height / 2 - y;
    if (column < 0 || row < 0 || column >= image.width || row >= image.height) return 0xFFFFFFFFu;
    return image.pixels[static_cast<std::size_t>(row) * image.width + column];
  }

  static int frames_in(const fs::path& folder) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(folder)) count += entry.path().extension() == ".png";
    return count;
  }

  testing_support::ScratchDirectory scratch_;
};

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlue = 0x0000FF;
constexpr std::uint32_t kYellow = 0xFFFF00;

TEST_F(ZorvaRun, AScriptDrawsClickDrawsDiscsWhereItClickedAndTwoRunsAgreeByteForByte) {
  // Two joined dots, a key (the next colour, and the pen lifted), two more joined dots.
  std::ofstream("clicks.SCR") << "ZORVA_MOUSE(-100, -50);\nZORVA_MOUSE(100, 50);\nZORVA_KBD(107);\n"
                                 "ZORVA_MOUSE(0, -150);\nZORVA_MOUSE(150, -150);\n";
  const std::string script_before = file_text("clicks.SCR");
  for (const char* name : {"first", "second"}) {
    const RunResult result = run({"--script", "clicks.SCR", "--png", std::string(name) + ".png", "--log",
                            std::string(name) + ".log", "--frames", std::string(name) + "-frames", CLICK_DRAW});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
  }
  EXPECT_EQ(file_text("first.png"), file_text("second.png"));
  EXPECT_EQ(file_text("first.log"), file_text("second.log"));
  EXPECT_EQ(file_text("first.log"), "EOF encountered in script file ZORVA.SCR\n");
  EXPECT_EQ(file_text("clicks.SCR"), script_before);
  // The first picture, then one for each of the five events: all of them drew.
  EXPECT_EQ(frames_in("first-frames"), 6);
  EXPECT_EQ(file_text("first-frames/frame-00006.png"), file_text("first.png"));

  const png::RgbImage image = picture("first.png");
  const struct {
    int x, y;
    std::uint32_t colour;
  } expected[] = {
      {-100, -50, kBlue}, {100, 50, kBlue}, {0, 0, kBlue},               // two dots and their line
      {0, -150, kYellow}, {150, -150, kYellow}, {75, -150, kYellow},     // after the key
      {-50, -100, kWhite}, {50, -100, kWhite},                           // the pen was lifted
  };
  for (const auto& point : expected)
    EXPECT_EQ(at(image, point.x, point.y), point.colour) << "at (" << point.x << ", " << point.y << ")";
}

TEST_F(ZorvaRun, AnAnimationEndsAfterItsTicks) {
  const RunResult result = run({"--ticks", "7", "--frames", "frames", BOUNCING_BALL});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(frames_in("frames"), 8);  // the first picture, then one a tick
  // An earlier run's frames in the folder are replaced, not mixed in.
  ASSERT_EQ(run({"--ticks", "2", "--frames", "frames", BOUNCING_BALL}).status, 0);
  EXPECT_EQ(frames_in("frames"), 3);
}

TEST_F(ZorvaRun, AnswersReachThePromptsInOrderAndAMissingOneIsSaid) {
  std::ofstream("click.SCR") << "ZORVA_MOUSE(0, 0);\n";  // a click asks again
  const RunResult result = run({"--script", "click.SCR", "--answer", "Ada", "--log", "-", GREETING});
  ASSERT_EQ(result.status, 0) << result.err;
  const std::size_t ada = result.out.find("\"Hello, Ada!\"");
  const std::size_t none_left = result.out.find("zorva: prompt 2 found no answer left: it gets an empty one\n");
  const std::size_t stranger = result.out.find("\"Hello, stranger!\"");
  ASSERT_NE(ada, std::string::npos) << result.out;
  ASSERT_NE(none_left, std::string::npos) << result.out;
  ASSERT_NE(stranger, std::string::npos) << result.out;
  EXPECT_LT(ada, none_left);
  EXPECT_LT(none_left, stranger);
}

TEST_F(ZorvaRun, EveryWayARunEnds) {
  std::ofstream("click.SCR") << "ZORVA_MOUSE(5, 6);\n";
  const struct {
    const char* name;
    std::vector<std::string> arguments;
    int status;
    std::string err;  // a part of standard error ("" : none at all)
    std::string log;  // a part of the log
  } cases[] = {
      {"waits for nothing more", {"--log", "run.log", HELLO}, 0, "", ""},
      {"loops for ever at the first click",
       {"--script", HOUSE_AND_SUN_SCRIPT, "--timeout", "4", "--log", "run.log", CHLOE}, 124,
       "did not end within 4 seconds: it was killed", "Sun at (-150, 190)\n"},
      {"crashes", {"--script", "click.SCR", "--log", "run.log", CRASHES}, 128 + SIGSEGV,
       "was ended by SIGSEGV (Segmentation fault)", "crashing at (5, 6)\n"},
      {"goes on after it was asked to quit", {"--ticks", "3", "--log", "run.log", LOOPS_ON_EVENTS, "ready", "ignore"},
       124, "zorva: the program went on waiting after it was asked to quit: it is ended", ""},
      {"is not there", {"no-such-program"}, 127, "cannot run no-such-program: No such file or directory", ""},
      {"wrong arguments", {"--ticks", "many", HELLO}, 125, "--ticks wants a whole number", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    // ASan would report the crash itself and exit with 1. chloe's timeout leaves a program
    // built with the sanitizers time to start and log its first click on a busy machine.
    const RunResult result = run(c.arguments, "ASAN_OPTIONS=handle_segv=0");
    EXPECT_EQ(result.status, c.status) << result.err;
    if (c.err.empty()) {
      EXPECT_EQ(result.err, "");
    } else {
      EXPECT_NE(result.err.find(c.err), std::string::npos) << result.err;
      EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), c.status == 125 ? 2 : 1) << result.err;
    }
    if (!c.log.empty()) {
      EXPECT_NE(file_text("run.log").find(c.log), std::string::npos) << file_text("run.log");
    }
  }
}

}  // namespace
}  // namespace zorva
