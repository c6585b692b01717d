// zorva-diff's arguments, messages and exit statuses.
#include "tools/diff/diff_command.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "png/png_reader.h"
#include "png/png_writer.h"
#include "tools/diff/picture_comparison.h"

namespace zorva::tools {
namespace {

constexpr const char* kHelp =
    R"(Usage: zorva-diff EXPECTED.png ACTUAL.png
                  [--tolerance T] [--max-differ PERCENT] [--out DIFF.png]

Compares two pictures pixel by pixel and prints
  N of M pixels differ (P%)

  --tolerance T          a pixel differs when one of its red, green and blue values
                         differs by more than T (0 to 255; default 0: any change counts)
  --max-differ PERCENT   the share of pixels that may differ, 0 to 100 (default 0)
  --out DIFF.png         writes a picture of the differences: the expected picture
                         dimmed; red where it has ink that ACTUAL lacks (missing ink),
                         blue where ACTUAL has ink that it lacks (extra ink), purple
                         where both have ink of different colours. Ink is any colour
                         other than the background, the expected picture's most common
                         colour (within the tolerance).
  --help                 shows this text

Pictures of different sizes are compared over the larger width and height; a pixel that
only one of them has differs.

Exit status: 0 when at most PERCENT of the pixels differ, 1 when more differ or the sizes
differ, 2 when a file cannot be read or written or the arguments are wrong.
)";

struct Options {
  std::vector<std::string> files;
  int tolerance = 0;
  double max_differ = 0;
  std::optional<std::string> out;
};

std::optional<int> parse_tolerance(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || value < 0 || value > 255) {
    return std::nullopt;
  }
  return value;
}

std::optional<double> parse_percent(const std::string& text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value) ||
      value < 0 || value > 100) {
    return std::nullopt;
  }
  return value;
}

// Fills `options`; returns "" or what is wrong with the arguments.
std::string parse(const std::vector<std::string>& arguments, Options& options, bool& help) {
  bool only_files = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string argument = arguments[i];
    if (only_files || argument.size() < 2 || argument[0] != '-') {
      options.files.push_back(argument);
      continue;
    }
    if (argument == "--") {
      only_files = true;
      continue;
    }
    if (argument == "--help" || argument == "-h") {
      help = true;
      return "";
    }
    // "--name value" and "--name=value" alike.
    std::optional<std::string> value;
    if (const auto equals = argument.find('='); equals != std::string::npos) {
      value = argument.substr(equals + 1);
      argument.resize(equals);
    }
    if (argument != "--tolerance" && argument != "--max-differ" && argument != "--out") {
      return "unknown option " + argument;
    }
    if (!value) {
      if (i + 1 == arguments.size()) return argument + " needs a value";
      value = arguments[++i];
    }
    if (argument == "--out") {
      options.out = *value;
    } else if (argument == "--tolerance") {
      const auto tolerance = parse_tolerance(*value);
      if (!tolerance) return "--tolerance wants a whole number from 0 to 255, not '" + *value + "'";
      options.tolerance = *tolerance;
    } else {
      const auto percent = parse_percent(*value);
      if (!percent) return "--max-differ wants a number from 0 to 100, not '" + *value + "'";
      options.max_differ = *percent;
    }
  }
  if (options.files.size() != 2) return "two pictures are needed: EXPECTED.png ACTUAL.png";
  return "";
}

}  // namespace

int diff_command(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  Options options;
  bool help = false;
  const std::string problem = parse(arguments, options, help);
  if (help) {
    out << kHelp;
    return kPicturesAgree;
  }
  if (!problem.empty()) {
    err << "zorva-diff: " << problem << "\nTry 'zorva-diff --help'.\n";
    return kCannotCompare;
  }

  png::RgbImage pictures[2];
  bool readable = true;
  for (int i = 0; i < 2; ++i) {
    std::string reason;
    if (!png::read_png(options.files[i], pictures[i], reason)) {
      err << "zorva-diff: cannot read " << options.files[i] << ": " << reason << "\n";
      readable = false;
    }
  }
  if (!readable) return kCannotCompare;
  const png::RgbImage& expected = pictures[0];
  const png::RgbImage& actual = pictures[1];

  png::RgbImage difference;
  const Comparison result =
      compare_pictures(expected, actual, options.tolerance, options.out ? &difference : nullptr);
  if (options.out) {
    std::string reason;
    if (!png::write_png(*options.out, difference, reason)) {
      err << "zorva-diff: cannot write " << *options.out << ": " << reason << "\n";
      return kCannotCompare;
    }
  }
  if (!result.same_size) {
    out << "The pictures differ in size: " << options.files[0] << " is " << expected.width << "x"
        << expected.height << ", " << options.files[1] << " is " << actual.width << "x"
        << actual.height << "\n";
  }
  out << result.differing << " of " << result.compared << " pixels differ ("
      << format_percent(result.differing, result.compared) << "%)\n";
  // Whole numbers on the left, so a limit of exactly the share found passes.
  const bool within = static_cast<long double>(result.differing) * 100 <=
                      static_cast<long double>(options.max_differ) * result.compared;
  return result.same_size && within ? kPicturesAgree : kPicturesDiffer;
}

}  // namespace zorva::tools
