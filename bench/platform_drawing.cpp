// Drawing speed of the platform's GDI: a representative game frame drawn the way the
// package's renderer draws (each shape with its own pen and brush created, selected,
// restored and deleted), plus its parts.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "platform/win32.h"

namespace {

constexpr int kWidth = 601;
constexpr int kHeight = 540;
constexpr int kOriginX = 300;
constexpr int kOriginY = 270;

struct Surface {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, kWidth, kHeight);
  HGDIOBJ old = SelectObject(dc, bitmap);
  ~Surface() {
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
};

enum class Kind { Rect, Oval, Line, Triangle };

struct Shape {
  Kind kind;
  COLORREF colour;
  int width;
  POINT p[3];
};

// One shape as the package renders a draw record (logical y up, boxes inclusive).
void draw(HDC dc, const Shape& s) {
  HPEN pen = CreatePen(PS_SOLID, s.width, s.colour);
  HGDIOBJ old_pen = SelectObject(dc, pen);
  HBRUSH brush = s.width == 0 ? CreateSolidBrush(s.colour) : static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  HGDIOBJ old_brush = SelectObject(dc, brush);
  POINT d[3];
  for (int i = 0; i < 3; ++i) d[i] = POINT{kOriginX + s.p[i].x, kOriginY - s.p[i].y};
  switch (s.kind) {
    case Kind::Rect: Rectangle(dc, d[0].x, d[0].y, d[1].x + 1, d[1].y + 1); break;
    case Kind::Oval: Ellipse(dc, d[0].x, d[0].y, d[1].x + 1, d[1].y + 1); break;
    case Kind::Line:
      MoveToEx(dc, d[0].x, d[0].y, nullptr);
      LineTo(dc, d[1].x, d[1].y);
      break;
    case Kind::Triangle: Polygon(dc, d, 3); break;
  }
  SelectObject(dc, old_pen);
  SelectObject(dc, old_brush);
  DeleteObject(pen);
  DeleteObject(brush);
}

void draw_text(HDC dc, const char* text, int length) {
  SetTextColor(dc, RGB(255, 0, 0));
  const int mode = GetBkMode(dc);
  SetBkMode(dc, TRANSPARENT);
  HFONT font = CreateFontA(-15, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "ZORVA-font");
  HGDIOBJ old_font = SelectObject(dc, font);
  SIZE extent{};
  GetTextExtentPointA(dc, text, length, &extent);
  TextOutA(dc, kOriginX - 200, kOriginY - 225 - extent.cy, text, length);
  SetBkMode(dc, mode);
  SelectObject(dc, old_font);
  DeleteObject(font);
}

// The scene of one frame: background, 750 stars, 9 enemies, the ship and 16 shots.
std::vector<Shape> game_frame() {
  std::vector<Shape> shapes;
  std::uint32_t seed = 12345;
  auto next = [&seed](int n) {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 16) & 0x7FFF) % n;
  };
  shapes.push_back({Kind::Rect, RGB(0, 0, 0), 0, {{-300, 300}, {300, -250}, {}}});
  for (int i = 0; i < 750; ++i) {
    const int x = next(601) - 300, y = next(520) - 240, size = 1 + (i % 3 == 0);
    shapes.push_back({Kind::Rect, RGB(204, 204, 204), 0, {{x, y}, {x + size - 1, y - 1}, {}}});
  }
  for (int e = 0; e < 9; ++e) {
    const int x = -240 + 60 * e, y = 150 + 30 * (e % 2);
    shapes.push_back({Kind::Oval, RGB(255, 0, 0), 0, {{x - 5, y + 5}, {x + 5, y - 5}, {}}});
    shapes.push_back({Kind::Oval, RGB(0, 0, 0), 0, {{x - 3, y + 3}, {x + 3, y - 3}, {}}});
    const int ends[5][2] = {{-9, -6}, {-5, -9}, {0, -10}, {5, -9}, {9, -6}};
    for (auto& end : ends)
      shapes.push_back({Kind::Line, RGB(255, 0, 0), 1, {{x, y}, {x + end[0], y + end[1]}, {}}});
  }
  for (int i = 0; i < 10; ++i) {
    const int x = -20 + 4 * i;
    if (i < 8) shapes.push_back({Kind::Triangle, RGB(0, 255, 255), 0, {{x - 6, -220}, {x + 6, -220}, {x, -205}}});
    else shapes.push_back({Kind::Rect, RGB(0, 0, 255), 0, {{x - 8, -218}, {x + 8, -224}, {}}});
  }
  for (int i = 0; i < 16; ++i) {
    const int x = -150 + 20 * i, y = -100 + 10 * (i % 5);
    shapes.push_back({Kind::Rect, RGB(255, 255, 0), 0, {{x, y + 3}, {x + 1, y}, {}}});
  }
  return shapes;
}

void clear(HDC dc) {
  HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
  HGDIOBJ old = SelectObject(dc, white);
  Rectangle(dc, 0, 0, kWidth, kHeight);
  SelectObject(dc, old);
  DeleteObject(white);
}

void BM_GameFrame(benchmark::State& state) {
  Surface surface;
  const std::vector<Shape> shapes = game_frame();
  const char status[] = "Kills: 3, Damage: 12";
  for (auto _ : state) {
    for (const Shape& s : shapes) draw(surface.dc, s);
    draw_text(surface.dc, status, 20);
    benchmark::DoNotOptimize(GetPixel(surface.dc, 300, 270));
  }
  state.counters["shapes"] = static_cast<double>(shapes.size() + 1);
}
BENCHMARK(BM_GameFrame)->Unit(benchmark::kMicrosecond);

void BM_Clear(benchmark::State& state) {
  Surface surface;
  for (auto _ : state) clear(surface.dc);
}
BENCHMARK(BM_Clear)->Unit(benchmark::kMicrosecond);

void BM_StarRectangle(benchmark::State& state) {
  Surface surface;
  const Shape star{Kind::Rect, RGB(204, 204, 204), 0, {{10, 10}, {11, 9}, {}}};
  for (auto _ : state) draw(surface.dc, star);
}
BENCHMARK(BM_StarRectangle);

void BM_EnemyDisc(benchmark::State& state) {
  Surface surface;
  const Shape disc{Kind::Oval, RGB(255, 0, 0), 0, {{-5, 5}, {5, -5}, {}}};
  for (auto _ : state) draw(surface.dc, disc);
}
BENCHMARK(BM_EnemyDisc);

void BM_StatusText(benchmark::State& state) {
  Surface surface;
  const char status[] = "Kills: 3, Damage: 12";
  for (auto _ : state) draw_text(surface.dc, status, 20);
}
BENCHMARK(BM_StatusText);

void BM_GiantEllipse(benchmark::State& state) {
  Surface surface;
  const Shape huge{Kind::Oval, RGB(0, 0, 255), 1, {{-1000000000, 1000000000}, {1000000000, -1000000000}, {}}};
  for (auto _ : state) draw(surface.dc, huge);
}
BENCHMARK(BM_GiantEllipse)->Unit(benchmark::kMicrosecond);

}  // namespace
