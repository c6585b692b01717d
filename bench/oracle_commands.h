// The reference renderer's command files (first line "origin OX OY", then pixel, line, tri,
// rect, oval and text lines in logical coordinates with colour indices into the package's
// palette), read into device-coordinate commands and drawn with our GDI the way the package's
// renderer draws a record: a pen and a brush (or a font) created, selected, restored and
// deleted for every command.
#pragma once

#include <array>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "bench/text_agreement.h"
#include "platform/win32.h"

namespace bench_support {

enum class Op { Pixel, Line, Triangle, Rectangle, Oval, Text };

struct Command {
  Op op = Op::Pixel;
  COLORREF colour = 0;
  int width = 0;  // pen width, or the point size of a text
  std::array<POINT, 3> points{};
  std::string text;  // with real newlines
};

inline COLORREF palette_colour(int index) {
  static constexpr unsigned char kPalette[24][3] = {
      {0, 0, 0},       {255, 255, 255}, {255, 0, 0},     {0, 255, 0},    {0, 0, 255},     {255, 255, 0},
      {255, 0, 255},   {0, 255, 255},   {153, 0, 204},   {0, 51, 153},   {153, 102, 153}, {153, 255, 255},
      {153, 255, 204}, {255, 102, 0},   {153, 102, 51},  {255, 153, 204}, {255, 255, 153}, {204, 153, 51},
      {255, 153, 102}, {0, 102, 51},    {51, 204, 153},  {153, 153, 51}, {128, 128, 128}, {204, 204, 204},
  };
  if (index < 0 || index > 23) index = 2;
  return RGB(kPalette[index][0], kPalette[index][1], kPalette[index][2]);
}

// The reference renderer's folder: $ZORVA_GDI_ORACLE, else ../shared/tools/gdi-oracle.
inline std::string oracle_folder() {
  const char* named = std::getenv("ZORVA_GDI_ORACLE");
  return named != nullptr && *named != '\0' ? named : "../shared/tools/gdi-oracle";
}

// The commands of a file; nothing when it cannot be read or has no origin line.
inline std::optional<std::vector<Command>> read_commands(const std::string& path) {
  std::ifstream in(path);
  if (!in) return std::nullopt;
  std::vector<Command> commands;
  bool have_origin = false;
  int ox = 0, oy = 0;
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string op;
    if (!(words >> op) || op[0] == '#') continue;
    if (op == "origin") {
      have_origin = static_cast<bool>(words >> ox >> oy);
      continue;
    }
    Command c;
    int colour = 0;
    words >> colour;
    c.colour = palette_colour(colour);
    int count = 2;
    if (op == "pixel") c.op = Op::Pixel, count = 1;
    else if (op == "line") c.op = Op::Line;
    else if (op == "tri") c.op = Op::Triangle, count = 3;
    else if (op == "rect") c.op = Op::Rectangle;
    else if (op == "oval") c.op = Op::Oval;
    else if (op == "text") c.op = Op::Text, count = 1;
    else continue;
    if (c.op != Op::Pixel) words >> c.width;
    for (int i = 0; i < count; ++i) {
      int x = 0, y = 0;
      words >> x >> y;
      c.points[static_cast<std::size_t>(i)] = POINT{ox + x, oy - y};
    }
    if (!words) continue;
    if (c.op == Op::Text) {
      std::string rest;
      std::getline(words, rest);
      if (!rest.empty() && (rest[0] == ' ' || rest[0] == '\t')) rest.erase(0, 1);
      for (std::size_t i = 0; i < rest.size(); ++i) {
        const bool newline = rest[i] == '\\' && i + 1 < rest.size() && rest[i + 1] == 'n';
        c.text.push_back(newline ? '\n' : rest[i]);
        if (newline) ++i;
      }
    }
    commands.push_back(std::move(c));
  }
  if (!have_origin) return std::nullopt;
  return commands;
}

inline void draw_text(HDC dc, const Command& c) {
  SetTextColor(dc, c.colour);
  const int mode = GetBkMode(dc);
  SetBkMode(dc, TRANSPARENT);
  HFONT font = CreateFontA(-c.width, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "ZORVA-font");
  HGDIOBJ previous_font = SelectObject(dc, font);
  SIZE extent{0, 0};
  GetTextExtentPointA(dc, c.text.c_str(), static_cast<int>(c.text.size()), &extent);
  std::size_t start = 0;
  for (int k = 0;; ++k) {
    const std::size_t end = c.text.find('\n', start);
    const std::size_t length = (end == std::string::npos ? c.text.size() : end) - start;
    if (length > 0)
      TextOutA(dc, c.points[0].x, c.points[0].y + (k - 1) * extent.cy, c.text.c_str() + start, static_cast<int>(length));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  SetBkMode(dc, mode);
  SelectObject(dc, previous_font);
  DeleteObject(font);
}

// The boxes of a text command's lines as draw_text places them: each line's extent, the
// first one ending just above the anchor row.
inline std::vector<TextBox> text_boxes(HDC dc, const Command& c) {
  std::vector<TextBox> boxes;
  if (c.op != Op::Text) return boxes;
  HFONT font = CreateFontA(-c.width, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "ZORVA-font");
  HGDIOBJ previous_font = SelectObject(dc, font);
  SIZE extent{0, 0};
  GetTextExtentPointA(dc, c.text.c_str(), static_cast<int>(c.text.size()), &extent);
  std::size_t start = 0;
  for (int k = 0;; ++k) {
    const std::size_t end = c.text.find('\n', start);
    const std::size_t length = (end == std::string::npos ? c.text.size() : end) - start;
    SIZE line{0, 0};
    if (length > 0 && GetTextExtentPointA(dc, c.text.c_str() + start, static_cast<int>(length), &line)) {
      const int top = c.points[0].y + (k - 1) * extent.cy;
      boxes.push_back(TextBox{c.points[0].x, top, c.points[0].x + line.cx, top + extent.cy});
    }
    if (end == std::string::npos) break;
    start = end + 1;
  }
  SelectObject(dc, previous_font);
  DeleteObject(font);
  return boxes;
}

inline void draw(HDC dc, const Command& c) {
  if (c.op == Op::Pixel) {
    SetPixel(dc, c.points[0].x, c.points[0].y, c.colour);
    return;
  }
  if (c.op == Op::Text) {
    draw_text(dc, c);
    return;
  }
  HPEN pen = CreatePen(PS_SOLID, c.width, c.colour);
  HBRUSH brush = c.width == 0 ? CreateSolidBrush(c.colour) : static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  HGDIOBJ previous_pen = SelectObject(dc, pen);
  HGDIOBJ previous_brush = SelectObject(dc, brush);
  const POINT* p = c.points.data();
  switch (c.op) {
    case Op::Line:
      MoveToEx(dc, p[0].x, p[0].y, nullptr);
      LineTo(dc, p[1].x, p[1].y);
      break;
    case Op::Triangle: Polygon(dc, p, 3); break;
    case Op::Rectangle: Rectangle(dc, p[0].x, p[0].y, p[1].x + 1, p[1].y + 1); break;
    default: Ellipse(dc, p[0].x, p[0].y, p[1].x + 1, p[1].y + 1); break;
  }
  SelectObject(dc, previous_pen);
  SelectObject(dc, previous_brush);
  DeleteObject(pen);
  DeleteObject(brush);
}

}  // namespace bench_support
