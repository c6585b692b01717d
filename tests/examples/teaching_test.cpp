// The teaching samples of examples/teaching/house_and_sun: the committed script is what the
// reference program records, and played back it gives the pictures the samples promise.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "example_run.h"
#include "png/png_reader.h"

extern "C" {
int WINAPI house_and_sun_reference_main(HINSTANCE, HINSTANCE, LPSTR, int);
int WINAPI house_and_sun_amira_main(HINSTANCE, HINSTANCE, LPSTR, int);
int WINAPI house_and_sun_ben_main(HINSTANCE, HINSTANCE, LPSTR, int);
}

namespace zorva {
namespace {

namespace fs = std::filesystem;

const fs::path kExercise = fs::path(ZORVA_SOURCE_DIR) / "examples/teaching/house_and_sun";

// The clicks of the committed script: high in the sky, on the grass (the sun hides behind
// it), behind the roof, and back up on the left.
constexpr POINT kClicks[] = {{-150, 190}, {230, -150}, {20, 60}, {-220, 160}};

using Teaching = ExampleRun;

// A failure here means the reference program changed: the recording it makes now is left in
// the build folder, to be looked at and copied over the committed script.
TEST_F(Teaching, TheCommittedScriptIsWhatTheReferenceRecords) {
  then([] { ctrl('R'); });
  for (const POINT click_at : kClicks) then([click_at] { click(click_at.x, click_at.y); });
  then([] { ctrl('R'); });
  run_to_the_end(house_and_sun_reference_main);

  const std::string recorded = testing_support::script_text();
  std::ifstream committed_file(kExercise / "ZORVA.SCR");
  const std::string committed{std::istreambuf_iterator<char>(committed_file), {}};
  if (recorded != committed) {
    const fs::path renewed = fs::path(ZORVA_BINARY_DIR) / "house_and_sun.SCR";
    fs::copy_file(kScriptFileName, renewed, fs::copy_options::overwrite_existing);
    ADD_FAILURE() << "the reference records another script; see " << renewed;
  }
  EXPECT_EQ(testing_support::last_log_line(), "Sun at (-220, 160)");
}

// Each program plays the script from its start (Ctrl+P), then its picture is saved (Ctrl+S).
class TeachingPlayback : public ExampleRun {
 protected:
  png::RgbImage picture_after_the_script(Program program) {
    if (programs_run_++ > 0) start_again();
    fs::copy_file(kExercise / "ZORVA.SCR", kScriptFileName);
    then([] { ctrl('P'); });
    then([] { ctrl('S'); });
    run_to_the_end(program);
    png::RgbImage picture;
    std::string reason;
    EXPECT_TRUE(png::read_png("ZORVA-001.png", picture, reason)) << reason;
    return picture;
  }
  int programs_run_ = 0;
};

TEST_F(TeachingPlayback, TheRightAnswerMatchesTheReferenceAndTheMistakeShows) {
  const png::RgbImage reference = picture_after_the_script(house_and_sun_reference_main);
  const png::RgbImage amira = picture_after_the_script(house_and_sun_amira_main);
  const png::RgbImage ben = picture_after_the_script(house_and_sun_ben_main);
  ASSERT_GT(reference.width, 0);
  EXPECT_EQ(amira.pixels, reference.pixels);

  // Ben's old suns stay: the first click's sun is still in his sky, and not in the reference's.
  const auto at = [](const png::RgbImage& image, int x, int y) {
    return image.pixels[static_cast<std::size_t>(g_state.origin_y - y) * image.width +
                        static_cast<std::size_t>(g_state.origin_x + x)];
  };
  constexpr std::uint32_t kYellow = 0xFFFF00;
  EXPECT_EQ(at(reference, -220, 160), kYellow);
  EXPECT_EQ(at(ben, -220, 160), kYellow);
  EXPECT_NE(at(reference, -150, 190), kYellow);
  EXPECT_EQ(at(ben, -150, 190), kYellow);
  EXPECT_EQ(at(ben, 230, -150), kYellow);  // in front of the grass
  EXPECT_NE(at(reference, 230, -150), kYellow);
}

}  // namespace
}  // namespace zorva
