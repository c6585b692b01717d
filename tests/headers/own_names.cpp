// A beginner's C++ program whose own classes and functions are called Rectangle, Ellipse,
// Polygon, POINT, RECT, SIZE and RGB. zorva.h must leave all of them free. It draws with them
// headless and exits 0 when every drawing call succeeded.
#include <vector>

#include "zorva.h"

struct POINT {
  int x, y;
};

struct RECT {
  POINT top_left, bottom_right;
};

constexpr int SIZE = 20;

// The nearest of three ZORVA colours.
constexpr int RGB(int red, int green, int blue) {
  return red >= green && red >= blue ? RED : green >= blue ? GREEN : BLUE;
}

class Rectangle {
 public:
  explicit Rectangle(RECT corners) : corners_(corners) {}
  int draw(int width) const {
    return ZORVA_draw_rectangle(RGB(255, 0, 0), corners_.top_left.x, corners_.top_left.y,
                                corners_.bottom_right.x, corners_.bottom_right.y, width);
  }

 private:
  RECT corners_;
};

int Ellipse(POINT centre) {
  return ZORVA_draw_oval(RGB(0, 0, 255), centre.x - SIZE, centre.y + SIZE / 2, centre.x + SIZE,
                         centre.y - SIZE / 2, 0);
}

int Polygon(const std::vector<POINT>& corners) {
  return ZORVA_draw_triangle(RGB(0, 255, 0), corners[0].x, corners[0].y, corners[1].x,
                             corners[1].y, corners[2].x, corners[2].y, 1);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous_instance, LPSTR command_line,
                   int show_mode) {
  ZORVA_start(instance, previous_instance, command_line, show_mode);
  ZORVA_clear();
  const int drawn = Rectangle(RECT{{-50, 40}, {50, -40}}).draw(0) + Ellipse(POINT{0, 0}) +
                    Polygon({{0, 0}, {SIZE, 0}, {0, SIZE}});
  ZORVA_finish();
  return drawn == 3 ? 0 : 1;
}
