// Draws a reference command file (origin/pixel/line/tri/rect/oval/text lines, logical
// coordinates, colour indices into the package's palette) with our GDI, the same calls the
// package's renderer makes, writes the picture as a PPM and, given a reference picture,
// reports the share of matching pixels.
//
//   gdi_compare CMDFILE OUT.ppm [REFERENCE.ppm]
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace {

const unsigned char kPalette[24][3] = {
    {0, 0, 0},       {255, 255, 255}, {255, 0, 0},     {0, 255, 0},    {0, 0, 255},     {255, 255, 0},
    {255, 0, 255},   {0, 255, 255},   {153, 0, 204},   {0, 51, 153},   {153, 102, 153}, {153, 255, 255},
    {153, 255, 204}, {255, 102, 0},   {153, 102, 51},  {255, 153, 204}, {255, 255, 153}, {204, 153, 51},
    {255, 153, 102}, {0, 102, 51},    {51, 204, 153},  {153, 153, 51}, {128, 128, 128}, {204, 204, 204},
};

COLORREF colour(int index) {
  if (index < 0 || index > 23) index = 2;
  return RGB(kPalette[index][0], kPalette[index][1], kPalette[index][2]);
}

void shape(HDC dc, const std::string& op, COLORREF c, int w, const std::vector<POINT>& p) {
  HPEN pen = CreatePen(PS_SOLID, w, c);
  HBRUSH brush = w == 0 ? CreateSolidBrush(c) : static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  HGDIOBJ old_pen = SelectObject(dc, pen);
  HGDIOBJ old_brush = SelectObject(dc, brush);
  if (op == "line") {
    MoveToEx(dc, p[0].x, p[0].y, nullptr);
    LineTo(dc, p[1].x, p[1].y);
  } else if (op == "tri") {
    Polygon(dc, p.data(), 3);
  } else if (op == "rect") {
    Rectangle(dc, p[0].x, p[0].y, p[1].x + 1, p[1].y + 1);
  } else {
    Ellipse(dc, p[0].x, p[0].y, p[1].x + 1, p[1].y + 1);
  }
  SelectObject(dc, old_pen);
  SelectObject(dc, old_brush);
  DeleteObject(pen);
  DeleteObject(brush);
}

void text(HDC dc, COLORREF c, int size, int x, int y, const std::string& s) {
  SetTextColor(dc, c);
  const int mode = GetBkMode(dc);
  SetBkMode(dc, TRANSPARENT);
  HFONT font = CreateFontA(-size, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "ZORVA-font");
  HGDIOBJ old_font = SelectObject(dc, font);
  SIZE extent{0, 0};
  GetTextExtentPointA(dc, s.c_str(), static_cast<int>(s.size()), &extent);
  std::size_t start = 0;
  for (int line = 0;; ++line) {
    const std::size_t end = s.find('\n', start);
    const std::string part = s.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (!part.empty()) TextOutA(dc, x, y + (line - 1) * extent.cy, part.c_str(), static_cast<int>(part.size()));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  SetBkMode(dc, mode);
  SelectObject(dc, old_font);
  DeleteObject(font);
}

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
  std::ifstream in(argv[1]);
  if (!in) {
    std::cerr << "gdi_compare: cannot read " << argv[1] << "\n";
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

  int ox = 0, oy = 0;
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string op;
    if (!(words >> op) || op[0] == '#') continue;
    if (op == "origin") {
      words >> ox >> oy;
      continue;
    }
    int c = 0, w = 0;
    words >> c;
    if (op == "pixel") {
      int x = 0, y = 0;
      words >> x >> y;
      SetPixel(dc, ox + x, oy - y, colour(c));
      continue;
    }
    words >> w;
    if (op == "text") {
      int x = 0, y = 0;
      words >> x >> y;
      std::string rest;
      std::getline(words, rest);
      if (!rest.empty() && (rest[0] == ' ' || rest[0] == '\t')) rest.erase(0, 1);
      std::string s;
      for (std::size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] == '\\' && i + 1 < rest.size() && rest[i + 1] == 'n') {
          s.push_back('\n');
          ++i;
        } else {
          s.push_back(rest[i]);
        }
      }
      text(dc, colour(c), w, ox + x, oy - y, s);
      continue;
    }
    std::vector<POINT> points;
    int x = 0, y = 0;
    while (words >> x >> y) points.push_back(POINT{ox + x, oy - y});
    const std::size_t need = op == "tri" ? 3 : 2;
    if (points.size() < need) continue;
    shape(dc, op, colour(c), w, points);
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
  }
  return 0;
}
