// Draws fixed sets of primitives through the package, each set on a freshly cleared surface,
// and writes every resulting surface as a picture, plus a list of the sets in "drawing.txt".
// Sets marked "exact" must come out identical on every platform; the others are measured.
#include <climits>
#include <cstdio>

#include "differential_output.h"
#include "internal/library_state.h"

namespace {

void draw_pixels() {
  for (int i = 0; i < 24 * 24; ++i) {
    ZORVA_draw_pixel(i % COLOR_COUNT, -290 + (i % 24) * 7 + i / 24, 250 - (i / 24) * 9);
  }
  // The surface's corners, and points just outside it and far away, which draw nothing.
  ZORVA_draw_pixel(RED, -300, 270);
  ZORVA_draw_pixel(RED, 300, 270);
  ZORVA_draw_pixel(RED, -300, -269);
  ZORVA_draw_pixel(RED, 300, -269);
  ZORVA_draw_pixel(BLUE, -301, 0);
  ZORVA_draw_pixel(BLUE, 0, 271);
  ZORVA_draw_pixel(BLUE, INT_MAX, INT_MIN);
  ZORVA_draw_pixel(BLUE, INT_MIN, INT_MAX);
}

void draw_rectangles() {
  for (int i = 0; i < 12; ++i) {
    const int x = -290 + i * 48;
    ZORVA_draw_rectangle(2 + i, x, 250, x + 2 + i * 3, 250 - 1 - i * 4, 0);   // filled
    ZORVA_draw_rectangle(12 + i, x, 180, x + 1 + i * 3, 180 - 2 - i * 5, 1);  // outlined
  }
  // Thin boxes: one pixel wide or high, two by two.
  ZORVA_draw_rectangle(BLUE, -250, 60, -250, 20, 0);
  ZORVA_draw_rectangle(BLUE, -240, 60, -200, 60, 1);
  ZORVA_draw_rectangle(GREEN, -190, 60, -189, 59, 0);
  ZORVA_draw_rectangle(GREEN, -180, 60, -179, 59, 1);
  // Overlapping boxes: the later one covers the earlier.
  ZORVA_draw_rectangle(ORANGE, -150, 60, -90, 10, 0);
  ZORVA_draw_rectangle(NAVY_BLUE, -130, 40, -60, -20, 1);
  ZORVA_draw_rectangle(PINK, -120, 30, -70, -10, 0);
  // Boxes reaching past the surface's edges, and ones far outside it.
  ZORVA_draw_rectangle(PURPLE, -320, -200, -280, -290, 0);
  ZORVA_draw_rectangle(PURPLE, 280, 290, 330, 240, 1);
  ZORVA_draw_rectangle(OLIVE, -1000000, -100, 1000000, -110, 0);
  ZORVA_draw_rectangle(SEA_GREEN, -200, 1000000, -190, -1000000, 1);
  ZORVA_draw_rectangle(GOLD, INT_MIN, -150, INT_MAX, -160, 1);
  ZORVA_draw_rectangle(BROWN, 100000, 10, 100100, -10, 0);
  // Corners given the other way round are put in order by the package.
  ZORVA_draw_rectangle(CYAN, 60, -60, 10, -10, 0);
  ZORVA_draw_rectangle(MAGENTA, 160, -60, 110, -10, 1);
}

void draw_lines() {
  // A star of lines from two centres, in every octant, both ways round.
  for (int i = 0; i < 32; ++i) {
    const int dx[] = {90, 90, 90, 60, 30, 0, -30, -60, -90, -90, -90, -60, -30, 0, 30, 60};
    const int dy[] = {0, 30, 60, 90, 90, 90, 90, 90, 60, 30, 0, -30, -60, -90, -90, -90};
    const int k = i % 16;
    const int jitter = i / 16;  // the second round uses slopes one off from the first
    if (i < 16) {
      ZORVA_draw_line(i % 22 + 2, -180, 120, -180 + dx[k] + jitter, 120 + dy[k] - jitter, 1);
    } else {
      ZORVA_draw_line(k % 22 + 2, 80 + dx[k] + jitter, 120 + dy[k] + jitter, 80, 120, 0);
    }
  }
  // Shallow and steep slopes where rounding matters.
  for (int i = 0; i < 20; ++i) {
    ZORVA_draw_line(BLUE, -290, -30 - i * 6, -90, -30 - i * 6 - i, 1);
    ZORVA_draw_line(RED, 100 + i * 9, -40, 100 + i * 9 + i, -240, 1);
  }
  // Horizontal and vertical lines, zero-length lines and lines clipped by the surface.
  ZORVA_draw_line(GREEN, -290, -170, 290, -170, 1);
  ZORVA_draw_line(GREEN, 290, -175, -290, -175, 1);
  ZORVA_draw_line(GREEN, 250, 260, 250, -260, 1);
  ZORVA_draw_line(GREEN, 255, -260, 255, 260, 1);
  ZORVA_draw_line(BLACK, 0, 0, 0, 0, 1);
  ZORVA_draw_line(BLACK, -400, -300, 400, 300, 1);
  ZORVA_draw_line(BLACK, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 1);
  ZORVA_draw_line(PURPLE, INT_MIN, 200, INT_MAX, 200, 1);
  ZORVA_draw_line(PURPLE, -20, INT_MAX, -20, INT_MIN, 1);
  ZORVA_draw_line(PURPLE, 1000000, -1000000, -1000000, 900000, 1);
}

// One-pixel boxes: the package's boxes include both corners, so these cover one pixel.
void draw_degenerate_boxes() {
  for (int i = 0; i < 10; ++i) {
    ZORVA_draw_rectangle(RED, -200 + i * 20, 100, -200 + i * 20, 100, i % 2);
    ZORVA_draw_circle(BLUE, -200 + i * 20, 50, 0);
    ZORVA_draw_oval(GREEN, -200 + i * 20, 0, -200 + i * 20, 0, i % 2);
  }
}

void draw_triangles() {
  for (int i = 0; i < 10; ++i) {
    const int x = -280 + i * 56;
    ZORVA_draw_triangle(2 + i, x, 240, x + 10 + i * 4, 240 - 7 * i, x + 3, 180, 0);
    ZORVA_draw_triangle(12 + i, x, 160, x + 40, 150 - i * 3, x + 20 - i * 2, 100, 1);
  }
  // Slivers, a flat triangle, clockwise and counter-clockwise, and one reaching off-surface.
  ZORVA_draw_triangle(BLUE, -250, 60, 150, 58, -250, 50, 0);
  ZORVA_draw_triangle(RED, -250, 30, -240, -150, -245, 30, 0);
  ZORVA_draw_triangle(GREEN, -200, 20, -100, 20, -150, 20, 0);
  ZORVA_draw_triangle(ORANGE, -80, 20, 20, -60, -80, -100, 0);
  ZORVA_draw_triangle(ORANGE, 40, 20, 40, -100, 140, -60, 0);
  ZORVA_draw_triangle(NAVY_BLUE, 200, 0, 400, -100, 250, -400, 0);
  ZORVA_draw_triangle(PURPLE, INT_MIN, -200, INT_MAX, -210, 0, -260, 1);
}

void draw_circles_and_ovals() {
  for (int r = 1; r <= 12; ++r) {
    ZORVA_draw_circle(r % 20 + 2, -290 + r * r + 4 * r, 230, r);
    ZORVA_draw_oval(r % 20 + 3, -290 + r * 30, 180, -290 + r * 30 + r + 1, 180 - r * 2 - 1, 0);
    ZORVA_draw_oval(r % 20 + 4, -290 + r * 30, 140, -290 + r * 30 + 2 * r, 140 - r - 2, 1);
  }
  ZORVA_draw_circle(BLUE, -150, 0, 60);
  ZORVA_draw_oval(RED, -60, 60, 120, -20, 1);
  ZORVA_draw_oval(GREEN, -40, 40, 100, 0, 0);
  ZORVA_draw_oval(ORANGE, 170, 60, 290, 57, 1);
  ZORVA_draw_circle(PURPLE, 300, -269, 80);
  ZORVA_draw_oval(NAVY_BLUE, -1000000, -100, 1000000, -200, 1);
}

// Ellipses three or four pixels across and much taller: Wine's ellipses of this shape stop
// short of their box's ends.
void draw_narrow_ellipses() {
  ZORVA_draw_oval(ORANGE, 150, 60, 153, -60, 0);
  ZORVA_draw_oval(BLUE, 100, 60, 102, 20, 1);
  ZORVA_draw_oval(GREEN, 50, 60, 53, 10, 1);
  ZORVA_draw_oval(RED, -100, 60, -50, 57, 0);
}

// Outlined and filled ellipses of every width from 5 to 24 pixels in eight heights.
void draw_ellipse_sizes() {
  const int heights[] = {5, 6, 7, 9, 11, 14, 18, 23};
  for (int row = 0; row < 16; ++row) {
    const int h = heights[row / 2];
    const int top = 265 - row * 33;
    for (int w = 5; w <= 24; ++w) {
      const int left = -298 + (w - 5) * 30;
      ZORVA_draw_oval((w + row) % 22 + 2, left, top, left + w - 1, top - h + 1, row % 2 == 0 ? 1 : 0);
    }
  }
}

void draw_wide_pens() {
  const int widths[] = {2, 3, 4, 5, 8};
  for (int i = 0; i < 5; ++i) {
    const int w = widths[i];
    const int x = -270 + i * 110;
    ZORVA_draw_line(2 + i, x, 240, x + 80, 240, w);
    ZORVA_draw_line(3 + i, x, 220, x, 150, w);
    ZORVA_draw_line(4 + i, x + 20, 220, x + 90, 160, w);
    ZORVA_draw_line(5 + i, x + 20, 150, x + 50, 215, w);
    ZORVA_draw_rectangle(6 + i, x, 120, x + 70, 60, w);
    ZORVA_draw_triangle(7 + i, x, 30, x + 80, 10, x + 30, -60, w);
    ZORVA_draw_oval(8 + i, x, -90, x + 75, -150, w);
    ZORVA_draw_circle(9 + i, x + 35, -210, 25 + i);
  }
}

void draw_texts() {
  ZORVA_draw_text(BLACK, -290, 240, 15, "Kills: 12, Damage: 3");
  ZORVA_draw_text(RED, -290, 200, 8, "small text 0123456789");
  ZORVA_draw_text(BLUE, -290, 160, 24, "Big Text WMgjpq");
  ZORVA_draw_text(GREEN, -290, 100, 12, "two lines\nof text");
  ZORVA_draw_textf(PURPLE, -290, 20, 15, "%d%% of %s", 42, "everything");
  ZORVA_draw_text(NAVY_BLUE, 200, -200, 40, "Cut");
}

struct DrawingSet {
  const char* name;
  bool exact;
  void (*draw)();
};

void draw_nothing() {}

const DrawingSet kSets[] = {
    {"clear", true, draw_nothing},
    {"pixels", true, draw_pixels},
    {"rectangles", true, draw_rectangles},
    {"lines", true, draw_lines},
    {"one-pixel-boxes", false, draw_degenerate_boxes},
    {"triangles", true, draw_triangles},
    {"ellipse-sizes", true, draw_ellipse_sizes},
    {"circles-and-ovals", true, draw_circles_and_ovals},
    {"narrow-ellipses", false, draw_narrow_ellipses},
    {"wide-pens", true, draw_wide_pens},
    {"text", false, draw_texts},
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous_instance, LPSTR command_line,
                   int show_mode) {
  ZORVA_start(instance, previous_instance, command_line, show_mode);
  ZORVA_set_logging(0);
  std::FILE* list = windiff::open_output("drawing.txt");
  windiff::write_geometry(list);
  windiff::fix_origin();
  int failures = 0;
  for (const DrawingSet& set : kSets) {
    ZORVA_clear();
    set.draw();
    char file[64];
    std::snprintf(file, sizeof file, "drawing-%s.ppm", set.name);
    if (!windiff::write_surface_ppm(file)) ++failures;
    std::fprintf(list, "%s %s %s\n", set.name, set.exact ? "exact" : "measured", file);
  }
  std::fclose(list);
  ZORVA_finish();
  return failures == 0 ? 0 : 1;
}
