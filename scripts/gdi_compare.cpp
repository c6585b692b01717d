// Draws a reference command file (origin/pixel/line/tri/rect/oval/text lines, logical
// coordinates, colour indices into the package's palette) with our GDI, the same calls the
// package's renderer makes, writes the picture as a PPM and, given a reference picture,
// reports the share of matching pixels and how closely the text agrees inside its boxes.
//
//   gdi_compare CMDFILE OUT.ppm [REFERENCE.ppm]
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "bench/oracle_commands.h"
#include "platform/win32.h"

namespace {

bool read_ppm(const std::string& path, int& w, int& h, std::vector<unsigned char>& rgb) {
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  int maxval = 0;
  if (!(in >> magic >> w >> h >> maxval) || magic != "P6" || maxval != 255) return false;
  in.get();
  rgb.resize(static_cast<std::size_t>(w) * h * 3);
  return static_cast<bool>(in.read(reinterpret_cast<char*>(rgb.data()), static_cast<std::streamsize>(rgb.size())));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: gdi_compare CMDFILE OUT.ppm [REFERENCE.ppm]\n";
    return 2;
  }
  const auto commands = bench_support::read_commands(argv[1]);
  if (!commands) {
    std::cerr << "gdi_compare: cannot read a command file with an origin line from " << argv[1] << "\n";
    return 2;
  }
  const int width = 601, height = 540;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
  HGDIOBJ old_bitmap = SelectObject(dc, bitmap);
  HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
  HGDIOBJ old_brush = SelectObject(dc, white);
  Rectangle(dc, 0, 0, width, height);
  SelectObject(dc, old_brush);
  DeleteObject(white);

  std::vector<bench_support::TextBox> text_boxes;
  for (const bench_support::Command& command : *commands) {
    bench_support::draw(dc, command);
    for (const bench_support::TextBox& box : bench_support::text_boxes(dc, command)) text_boxes.push_back(box);
  }

  std::vector<unsigned char> ours(static_cast<std::size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const COLORREF p = GetPixel(dc, x, y);
      unsigned char* o = &ours[(static_cast<std::size_t>(y) * width + x) * 3];
      o[0] = GetRValue(p);
      o[1] = GetGValue(p);
      o[2] = GetBValue(p);
    }
  {
    std::ofstream out(argv[2], std::ios::binary);
    out << "P6\n" << width << " " << height << "\n255\n";
    out.write(reinterpret_cast<const char*>(ours.data()), static_cast<std::streamsize>(ours.size()));
  }
  SelectObject(dc, old_bitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);

  if (argc > 3) {
    int rw = 0, rh = 0;
    std::vector<unsigned char> ref;
    if (!read_ppm(argv[3], rw, rh, ref) || rw != width || rh != height) {
      std::cerr << "gdi_compare: cannot read a " << width << "x" << height << " PPM from " << argv[3] << "\n";
      return 2;
    }
    // "Drawn" pixels: those that are not the cleared surface in either picture.
    std::size_t same = 0, drawn = 0, drawn_same = 0;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
        const bool equal = ours[i] == ref[i] && ours[i + 1] == ref[i + 1] && ours[i + 2] == ref[i + 2];
        const bool border = x == 0 || y == 0 || x == width - 1 || y == height - 1;
        const unsigned char bg = border ? 0 : 255;
        const bool blank = ours[i] == bg && ours[i + 1] == bg && ours[i + 2] == bg && ref[i] == bg &&
                           ref[i + 1] == bg && ref[i + 2] == bg;
        same += equal;
        if (!blank) {
          ++drawn;
          drawn_same += equal;
        }
      }
    std::printf("all pixels: %.3f%% match; drawn pixels: %zu of %zu match (%.2f%%)\n",
                100.0 * same / (width * height), drawn_same, drawn, drawn ? 100.0 * drawn_same / drawn : 100.0);
    if (!text_boxes.empty()) {
      const bench_support::TextAgreement text =
          bench_support::text_agreement(ours.data(), ref.data(), width, height, text_boxes);
      std::printf("text: %.2f%% of %lld pixels in %zu boxes within %d per channel (worst box %.2f%%)\n",
                  text.percent(), text.pixels, text_boxes.size(), bench_support::kTextTolerance, text.worst_box);
    }
  }
  return 0;
}
