// PNG files: what is written reads back the same, the same pixels give the same bytes, and
// every kind of trouble comes back as a reason instead of a crash.
#include <gtest/gtest.h>
#include <png.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "png/png_reader.h"
#include "png/png_writer.h"
#include "support/scratch_directory.h"

namespace zorva::png {
namespace {

namespace fs = std::filesystem;

class PngFiles : public ::testing::Test {
 protected:
  void SetUp() override { scratch_.enter(); }
  void TearDown() override { scratch_.leave(); }
  testing_support::ScratchDirectory scratch_;
};

std::string bytes_of(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

RgbImage pattern(int width, int height) {
  RgbImage image{width, height, {}};
  for (std::uint32_t i = 0; i < static_cast<std::uint32_t>(width * height); ++i) {
    image.pixels.push_back((0x010203u * i * 37) & 0xFFFFFFu);
  }
  return image;
}

TEST_F(PngFiles, WrittenPicturesReadBackAndRepeatByteForByte) {
  for (const auto& [width, height] : {std::pair{1, 1}, {3, 2}, {601, 520}}) {
    const RgbImage written = pattern(width, height);
    std::string reason;
    ASSERT_TRUE(write_png("first.png", written, reason)) << reason;
    ASSERT_TRUE(write_png("second.png", written, reason)) << reason;
    const std::string bytes = bytes_of("first.png");
    EXPECT_EQ(bytes, bytes_of("second.png"));
    EXPECT_EQ(bytes.find("tIME"), std::string::npos) << "no time stamp";
    RgbImage read;
    ASSERT_TRUE(read_png("first.png", read, reason)) << reason;
    EXPECT_EQ(read.width, width);
    EXPECT_EQ(read.height, height);
    EXPECT_EQ(read.pixels, written.pixels);
  }
}

TEST_F(PngFiles, TransparencyIsComposedOntoWhite) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = 3;
  image.height = 1;
  image.format = PNG_FORMAT_GA;
  const png_byte grey_alpha[] = {0, 0, 0, 255, 100, 255};  // clear, black, grey 100
  ASSERT_NE(png_image_write_to_file(&image, "grey.png", 0, grey_alpha, 0, nullptr), 0);
  RgbImage read;
  std::string reason;
  ASSERT_TRUE(read_png("grey.png", read, reason)) << reason;
  EXPECT_EQ(read.pixels, (std::vector<std::uint32_t>{0xFFFFFF, 0x000000, 0x646464}));
}

TEST_F(PngFiles, TroubleGivesAReason) {
  const RgbImage good = pattern(4, 4);
  std::string reason;
  ASSERT_TRUE(write_png("good.png", good, reason));
  const std::string bytes = bytes_of("good.png");
  std::ofstream("short.png") << "PNG";
  std::ofstream("text.png") << std::string(100, 'x');
  std::ofstream("cut.png", std::ios::binary) << bytes.substr(0, bytes.size() / 2);
  fs::create_directory("folder.png");

  const struct {
    const char* path;
    const char* reason;
  } unreadable[] = {
      {"missing.png", "No such file or directory"},
      {"short.png", "not a PNG file"},
      {"text.png", "not a PNG file"},
      {"cut.png", "the file ends before the picture does"},
      {"folder.png", "Is a directory"},
  };
  for (const auto& c : unreadable) {
    RgbImage read;
    EXPECT_FALSE(read_png(c.path, read, reason)) << c.path;
    EXPECT_EQ(reason, c.reason) << c.path;
    EXPECT_EQ(read.width, 0) << c.path;
  }

  const std::string no_directory = geteuid() == 0 ? "/proc/x.png" : "/no/such/dir/x.png";
  const struct {
    std::string path;
    int width;
    int height;
    const char* reason;
  } unwritable[] = {
      {"/dev/full", 4, 4, "No space left on device"},
      {no_directory, 4, 4, "No such file or directory"},
      {"empty.png", 0, 4, "the picture has no pixels (0x4)"},
      {"huge.png", 1 << 20, 1 << 20, "the picture is too large (1048576x1048576 pixels; at most 67108864)"},
  };
  for (const auto& c : unwritable) {
    EXPECT_FALSE(write_png(c.path, c.width, c.height, good.pixels.data(), reason)) << c.path;
    EXPECT_EQ(reason, c.reason) << c.path;
  }
  EXPECT_FALSE(fs::exists("empty.png"));
}

}  // namespace
}  // namespace zorva::png
