// Compares the pictures that the drawing program wrote on this platform and on Windows.
//   windiff_compare_pictures OURS_DIR WINDOWS_DIR DIFF_DIR LIST...
// Reads each LIST in OURS_DIR (one "name exact|measured file" line per picture, "#" lines
// ignored), reports for each picture the share of pixels that agree and where they differ, and
// writes a picture of the differences into DIFF_DIR (agreeing pixels faded, differing ones
// red). "text-box FILE LEFT TOP RIGHT BOTTOM" lines name the boxes of the texts in a picture;
// inside them the share of pixels within a tolerance per channel is reported too. Exit status 1 when a picture marked exact differs or a picture is missing or malformed.
#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "bench/text_agreement.h"

namespace {

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;
};

std::optional<Picture> read_ppm(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  Picture picture;
  int max_value = 0;
  if (!(in >> magic >> picture.width >> picture.height >> max_value) || magic != "P6" ||
      max_value != 255 || picture.width <= 0 || picture.height <= 0 || picture.width > 10000 ||
      picture.height > 10000) {
    return std::nullopt;
  }
  in.get();  // the one whitespace byte before the pixels
  picture.rgb.resize(static_cast<std::size_t>(picture.width) * picture.height * 3);
  if (!in.read(reinterpret_cast<char*>(picture.rgb.data()), static_cast<std::streamsize>(picture.rgb.size()))) {
    return std::nullopt;
  }
  return picture;
}

bool write_ppm(const std::string& path, const Picture& picture) {
  std::ofstream out(path, std::ios::binary);
  out << "P6\n" << picture.width << ' ' << picture.height << "\n255\n";
  out.write(reinterpret_cast<const char*>(picture.rgb.data()), static_cast<std::streamsize>(picture.rgb.size()));
  return static_cast<bool>(out);
}

struct Comparison {
  long long pixels = 0;
  long long differing = 0;
  long long far = 0;  // differing by more than the text tolerance in some channel
  int left = 0, top = 0, right = -1, bottom = -1;  // box around the differing pixels
  std::string first_differences;
  Picture picture;  // the differences, for looking at
};

Comparison compare(const Picture& ours, const Picture& theirs) {
  Comparison result;
  result.picture = ours;
  result.pixels = static_cast<long long>(ours.width) * ours.height;
  int listed = 0;
  for (int y = 0; y < ours.height; ++y) {
    for (int x = 0; x < ours.width; ++x) {
      const std::size_t at = (static_cast<std::size_t>(y) * ours.width + x) * 3;
      unsigned char* shown = &result.picture.rgb[at];
      if (std::equal(&ours.rgb[at], &ours.rgb[at] + 3, &theirs.rgb[at])) {
        for (int c = 0; c < 3; ++c) shown[c] = static_cast<unsigned char>(192 + shown[c] / 4);
        continue;
      }
      shown[0] = 255;
      shown[1] = shown[2] = 0;
      for (int c = 0; c < 3; ++c)
        if (std::abs(ours.rgb[at + c] - theirs.rgb[at + c]) > bench_support::kTextTolerance) {
          ++result.far;
          break;
        }
      if (result.differing++ == 0) {
        result.left = result.right = x;
        result.top = result.bottom = y;
      }
      result.left = std::min(result.left, x);
      result.right = std::max(result.right, x);
      result.top = std::min(result.top, y);
      result.bottom = std::max(result.bottom, y);
      if (listed++ < 4) {
        char text[96];
        std::snprintf(text, sizeof text, " (%d,%d) %02x%02x%02x/%02x%02x%02x", x, y, ours.rgb[at],
                      ours.rgb[at + 1], ours.rgb[at + 2], theirs.rgb[at], theirs.rgb[at + 1],
                      theirs.rgb[at + 2]);
        result.first_differences += text;
      }
    }
  }
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: %s OURS_DIR WINDOWS_DIR DIFF_DIR LIST...\n", argv[0]);
    return 2;
  }
  const std::string ours_dir = argv[1];
  const std::string windows_dir = argv[2];
  const std::string diff_dir = argv[3];
  int failures = 0;
  long long all_pixels = 0;
  long long all_differing = 0;
  std::vector<std::string> lines;
  for (int i = 4; i < argc; ++i) {
    std::ifstream list(ours_dir + "/" + argv[i]);
    if (!list) {
      std::printf("  no list %s/%s\n", ours_dir.c_str(), argv[i]);
      ++failures;
    }
    for (std::string line; std::getline(list, line);) lines.push_back(line);
  }
  std::map<std::string, std::vector<bench_support::TextBox>> text_boxes;
  for (const std::string& line : lines) {
    std::istringstream fields(line);
    std::string kind, file;
    bench_support::TextBox box;
    if (fields >> kind >> file >> box.left >> box.top >> box.right >> box.bottom && kind == "text-box")
      text_boxes[file].push_back(box);
  }
  bench_support::TextAgreement all_text;
  for (const std::string& line : lines) {
    if (line.empty() || line[0] == '#' || line.rfind("text-box ", 0) == 0) continue;
    std::istringstream fields(line);
    std::string name, kind, file;
    fields >> name >> kind >> file;
    const auto ours = read_ppm(ours_dir + "/" + file);
    const auto theirs = read_ppm(windows_dir + "/" + file);
    if (!ours || !theirs || ours->width != theirs->width || ours->height != theirs->height) {
      std::printf("  %-19s missing or unreadable picture %s\n", name.c_str(), file.c_str());
      ++failures;
      continue;
    }
    const Comparison result = compare(*ours, *theirs);
    all_pixels += result.pixels;
    all_differing += result.differing;
    const bool exact = kind == "exact";
    const bool failed = exact && result.differing != 0;
    if (failed) ++failures;
    std::printf("  %-19s %-8s %8.4f%% agree", name.c_str(), exact ? "exact" : "measured",
                100.0 * static_cast<double>(result.pixels - result.differing) / static_cast<double>(result.pixels));
    if (result.differing != 0) {
      std::printf(", %lld differ (%lld by more than %d) in x %d-%d, y %d-%d; first (ours/windows):%s",
                  result.differing, result.far, bench_support::kTextTolerance, result.left, result.right, result.top, result.bottom, result.first_differences.c_str());
    }
    std::printf("%s\n", failed ? "  FAILED" : "");
    if (const auto boxes = text_boxes.find(file); boxes != text_boxes.end()) {
      const bench_support::TextAgreement text =
          bench_support::text_agreement(ours->rgb.data(), theirs->rgb.data(), ours->width, ours->height, boxes->second);
      std::printf("  %-19s %-8s %8.4f%% of %lld pixels in %zu text boxes within %d per channel (worst box %.2f%%)\n",
                  "", "text", text.percent(), text.pixels, boxes->second.size(), bench_support::kTextTolerance,
                  text.worst_box);
      all_text.pixels += text.pixels;
      all_text.agreeing += text.agreeing;
    }
    if (result.differing != 0) {
      write_ppm(diff_dir + "/diff-" + file, result.picture);
    }
  }
  if (all_pixels > 0) {
    std::printf("  all pictures: %.4f%% of %lld pixels agree\n",
                100.0 * static_cast<double>(all_pixels - all_differing) / static_cast<double>(all_pixels),
                all_pixels);
  }
  if (all_text.pixels > 0) std::printf("  text agreement: %.2f%%\n", all_text.percent());
  return failures == 0 ? 0 : 1;
}
