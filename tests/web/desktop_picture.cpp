// The desktop side of the browser tests' picture comparison: runs click_draw on the headless
// platform, clicks at the logical points given, and writes the drawing window as presented
// (menu strip included) to a PPM file.
// Usage: web_desktop_picture OUT.ppm X1 Y1 [X2 Y2 ...]
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "internal/library_state.h"
#include "platform/testing/headless.h"
#include "zorva.h"

extern "C" int click_draw_main(HINSTANCE, HINSTANCE, LPSTR, int);

int main(int argc, char** argv) {
  if (argc < 2 || argc % 2 != 0) {
    std::fprintf(stderr, "usage: %s OUT.ppm X1 Y1 [X2 Y2 ...]\n", argv[0]);
    return 2;
  }
  std::vector<int> points;
  for (int i = 2; i < argc; ++i) points.push_back(std::atoi(argv[i]));
  namespace headless = zorva::headless;
  headless::use();
  std::size_t next = 0;
  bool saved = false, written = false;
  headless::on_idle([&] {
    const zorva::LibraryState& s = zorva::g_state;
    if (next < points.size()) {
      headless::click(s.draw_window, s.origin_x + points[next], s.origin_y - points[next + 1]);
      next += 2;
    } else if (!saved) {
      saved = true;
      written = headless::save_ppm(headless::presented(s.draw_window), argv[1]);
      headless::close_request(s.draw_window);
    } else {
      return false;
    }
    return true;
  });
  char command_line[1] = {0};
  const int status = click_draw_main(nullptr, nullptr, command_line, SW_SHOWNORMAL);
  if (!written) std::fprintf(stderr, "web_desktop_picture: could not write %s\n", argv[1]);
  return written ? status : 1;
}
