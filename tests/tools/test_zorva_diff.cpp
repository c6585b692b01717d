// zorva-diff: its report, exit status and difference picture, on small pictures made here.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "png/png_reader.h"
#include "png/png_writer.h"
#include "support/scratch_directory.h"
#include "tools/diff/diff_command.h"
#include "tools/diff/picture_comparison.h"

namespace zorva::tools {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kGreen = 0x00FF00;

// A 4 by 3 white picture with a few pixels set: {index, colour}.
png::RgbImage picture(std::vector<std::pair<int, std::uint32_t>> set, int width = 4, int height = 3) {
  png::RgbImage image{width, height, std::vector<std::uint32_t>(width * height, kWhite)};
  for (const auto& [index, colour] : set) image.pixels[index] = colour;
  return image;
}

class ZorvaDiff : public ::testing::Test {
 protected:
  void SetUp() override { scratch_.enter(); }
  void TearDown() override { scratch_.leave(); }

  static void save(const std::string& name, const png::RgbImage& image) {
    std::string reason;
    ASSERT_TRUE(png::write_png(name, image, reason)) << reason;
  }
  int run(const std::vector<std::string>& arguments) {
    out_.str("");
    err_.str("");
    return diff_command(arguments, out_, err_);
  }

  std::ostringstream out_;
  std::ostringstream err_;
  testing_support::ScratchDirectory scratch_;
};

TEST_F(ZorvaDiff, ReportsAndExitStatuses) {
  save("expected.png", picture({{5, kBlack}}));
  save("same.png", picture({{5, kBlack}}));
  save("near.png", picture({{5, 0x030000}, {6, 0xFDFFFF}}));  // every channel within 3
  save("moved.png", picture({{6, kBlack}}));
  save("wide.png", picture({{5, kBlack}}, 5, 3));
  std::ofstream("text.png") << "not a picture";

  const struct {
    std::vector<std::string> arguments;
    int status;
    std::string out;
    std::string err;
  } cases[] = {
      {{"expected.png", "same.png"}, 0, "0 of 12 pixels differ (0%)\n", ""},
      {{"expected.png", "near.png", "--tolerance", "3"}, 0, "0 of 12 pixels differ (0%)\n", ""},
      {{"expected.png", "near.png", "--tolerance=2"}, 1, "1 of 12 pixels differ (8.33%)\n", ""},
      {{"expected.png", "moved.png"}, 1, "2 of 12 pixels differ (16.67%)\n", ""},
      {{"expected.png", "moved.png", "--max-differ", "16.67"}, 0, "2 of 12 pixels differ (16.67%)\n", ""},
      {{"expected.png", "moved.png", "--max-differ", "16.6"}, 1, "2 of 12 pixels differ (16.67%)\n", ""},
      {{"expected.png", "wide.png", "--max-differ", "100"}, 1,
       "The pictures differ in size: expected.png is 4x3, wide.png is 5x3\n5 of 15 pixels differ (33.33%)\n", ""},
      {{"expected.png", "missing.png"}, 2, "", "zorva-diff: cannot read missing.png: No such file or directory\n"},
      {{"text.png", "expected.png"}, 2, "", "zorva-diff: cannot read text.png: not a PNG file\n"},
      {{"expected.png", "same.png", "--out", "/proc/no/such.png"}, 2, "",
       "zorva-diff: cannot write /proc/no/such.png: No such file or directory\n"},
      {{"expected.png", "same.png", "--tolerance", "256"}, 2, "",
       "zorva-diff: --tolerance wants a whole number from 0 to 255, not '256'\nTry 'zorva-diff --help'.\n"},
      {{"expected.png", "same.png", "--max-differ", "nan"}, 2, "",
       "zorva-diff: --max-differ wants a number from 0 to 100, not 'nan'\nTry 'zorva-diff --help'.\n"},
      {{"expected.png"}, 2, "",
       "zorva-diff: two pictures are needed: EXPECTED.png ACTUAL.png\nTry 'zorva-diff --help'.\n"},
      {{"expected.png", "same.png", "--out"}, 2, "", "zorva-diff: --out needs a value\nTry 'zorva-diff --help'.\n"},
  };
  for (const auto& c : cases) {
    const std::string what = ::testing::PrintToString(c.arguments);
    EXPECT_EQ(run(c.arguments), c.status) << what;
    EXPECT_EQ(out_.str(), c.out) << what;
    EXPECT_EQ(err_.str(), c.err) << what;
  }
  EXPECT_EQ(run({"--help"}), 0);
  EXPECT_NE(out_.str().find("Exit status: 0 when at most PERCENT"), std::string::npos);
}

TEST_F(ZorvaDiff, TheDifferencePictureMarksMissingExtraAndChangedInk) {
  // Expected: black at 1, 2 and 7. Actual: green at 1 (changed), black at 2 (kept), at 3
  // (extra) and nothing at 7 (missing).
  save("expected.png", picture({{1, kBlack}, {2, kBlack}, {7, kBlack}}));
  save("actual.png", picture({{1, kGreen}, {2, kBlack}, {3, kBlack}}));
  ASSERT_EQ(run({"expected.png", "actual.png", "--out", "diff.png"}), 1);
  EXPECT_EQ(out_.str(), "3 of 12 pixels differ (25%)\n");
  png::RgbImage diff;
  std::string reason;
  ASSERT_TRUE(png::read_png("diff.png", diff, reason)) << reason;
  const std::uint32_t dimmed_white = 0xFFFFFF;  // 0xC0 + 0xFF / 4
  const std::uint32_t dimmed_black = 0xC0C0C0;
  EXPECT_EQ(diff.pixels, (std::vector<std::uint32_t>{dimmed_white, kChangedInk, dimmed_black,
                                                     kExtraInk, dimmed_white, dimmed_white,
                                                     dimmed_white, kMissingInk, dimmed_white,
                                                     dimmed_white, dimmed_white, dimmed_white}));
}

TEST(PercentText, NeverReadsZeroOrAHundredWhenItIsNeither) {
  const struct {
    std::int64_t differing, compared;
    const char* text;
  } cases[] = {{0, 312520, "0"},       {312520, 312520, "100"}, {1, 312520, "0.0003"},
               {1, 8, "12.5"},         {3, 100, "3"},           {999999, 1000000, "99.9999"},
               {0, 0, "0"}};
  for (const auto& c : cases) EXPECT_EQ(format_percent(c.differing, c.compared), c.text) << c.differing;
}

}  // namespace
}  // namespace zorva::tools
