// Feeds arbitrary arguments to every drawing entry point of a started package: each input is
// a run of calls, an operation byte followed by its integers (4 bytes each) and, for texts, a
// string cut from the input (NUL bytes and bytes 128-255 included). Logging is switched by the
// operation byte, so the descriptions reach the log ring and the text window too. Any crash,
// sanitizer report, leaked GDI object or movable block is a finding.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "internal/library_state.h"
#include "platform/testing/headless.h"
#include "zorva.h"

namespace {

class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool empty() const { return at_ >= size_; }
  std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
  int integer() {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = value << 8 | byte();
    return static_cast<int>(value);
  }
  Point point() {
    const int x = integer();
    return Point{x, integer()};
  }
  // A string whose length is given by the next byte; 255 takes everything that is left.
  // Embedded NUL bytes stay in the string and simply end the C text early.
  std::string text() {
    std::size_t length = byte();
    const std::size_t left = size_ - std::min(at_, size_);
    length = length == 255 ? left : std::min(length, left);
    std::string s(reinterpret_cast<const char*>(data_ + at_), length);
    at_ += length;
    return s;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

// Delivers what the calls queued (paints of the text window, its scrolling) without waiting.
void deliver_queued_messages() {
  MSG message;
  for (int i = 0; i < 64 && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE); ++i) {
    if (message.message == WM_QUIT) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// The coordinate forms, arguments read in their declared order.
void call_coordinate_form(int op, Input& in) {
  const int color = in.integer();
  switch (op) {
    case 0: {
      const int x = in.integer();
      ZORVA_draw_pixel(color, x, in.integer());
      break;
    }
    case 1: {
      const int x = in.integer(), y = in.integer();
      ZORVA_draw_circle(color, x, y, in.integer());
      break;
    }
    case 2: {
      const int x1 = in.integer(), y1 = in.integer(), x2 = in.integer(), y2 = in.integer();
      const int x3 = in.integer(), y3 = in.integer();
      ZORVA_draw_triangle(color, x1, y1, x2, y2, x3, y3, in.integer());
      break;
    }
    case 3:
    case 4:
    case 5: {
      const int x1 = in.integer(), y1 = in.integer(), x2 = in.integer(), y2 = in.integer();
      const int width = in.integer();
      if (op == 3) ZORVA_draw_rectangle(color, x1, y1, x2, y2, width);
      if (op == 4) ZORVA_draw_oval(color, x1, y1, x2, y2, width);
      if (op == 5) ZORVA_draw_line(color, x1, y1, x2, y2, width);
      break;
    }
    case 6: {
      const int x = in.integer(), y = in.integer(), size = in.integer();
      ZORVA_draw_text(color, x, y, size, in.text().c_str());
      break;
    }
    default: {
      // The text is data, never a format: it goes through "%s".
      const int x = in.integer(), y = in.integer(), size = in.integer();
      const std::string text = in.text();
      ZORVA_draw_textf(color, x, y, size, "%s|%d|%c", text.c_str(), in.integer(), in.byte());
      break;
    }
  }
}

void call_point_form(int op, Input& in) {
  const int color = in.integer();
  switch (op) {
    case 0: ZORVA_draw_pixel_p(color, in.point()); break;
    case 1: {
      const Point centre = in.point();
      ZORVA_draw_circle_p(color, centre, in.integer());
      break;
    }
    case 2: {
      const Point p1 = in.point(), p2 = in.point(), p3 = in.point();
      ZORVA_draw_triangle_p(color, p1, p2, p3, in.integer());
      break;
    }
    case 3:
    case 4:
    case 5: {
      const Point p1 = in.point(), p2 = in.point();
      const int width = in.integer();
      if (op == 3) ZORVA_draw_rectangle_p(color, p1, p2, width);
      if (op == 4) ZORVA_draw_oval_p(color, p1, p2, width);
      if (op == 5) ZORVA_draw_line_p(color, p1, p2, width);
      break;
    }
    case 6: {
      const Point p = in.point();
      const int size = in.integer();
      ZORVA_draw_text_p(color, p, size, in.text().c_str());
      break;
    }
    default: {
      const Point p = in.point();
      const int size = in.integer();
      ZORVA_draw_textf_p(color, p, size, "%s", in.text().c_str());
      break;
    }
  }
}

void run_one_call(Input& in) {
  const std::uint8_t op = in.byte();
  zorva::g_state.logging_enabled = (op & 0x80) != 0;
  switch (op & 0x1F) {
    case 0: case 1: case 2: case 3: case 4: case 5: case 6: case 7:
      call_coordinate_form(op & 0x07, in);
      break;
    case 8: case 9: case 10: case 11: case 12: case 13: case 14: case 15:
      call_point_form(op & 0x07, in);
      break;
    case 16: ZORVA_clear(); break;
    case 17: ZORVA_flush(); break;
    case 18: ZORVA_undo(); break;
    case 19: ZORVA_log("%s", in.text().c_str()); break;
    case 20: ZORVA_show_text_window(in.byte() & 1); break;
    case 21: deliver_queued_messages(); break;
    default: {
      // The window reports origins inside it; odd ones still must not break the drawing.
      const int x = in.integer(), y = in.integer();
      zorva::g_state.origin_x = x % 100000;
      zorva::g_state.origin_y = y % 100000;
      break;
    }
  }
}

char g_command_line[1] = {0};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool started = [] {
    zorva::headless::use();
    ZORVA_start(nullptr, nullptr, g_command_line, SW_SHOWNORMAL);
    deliver_queued_messages();
    return true;
  }();
  (void)started;
  const int origin_x = zorva::g_state.origin_x;
  const int origin_y = zorva::g_state.origin_y;
  const std::size_t objects = zorva::headless::live_gdi_objects();
  const std::size_t blocks = zorva::headless::live_memory_blocks();
  Input in(data, size);
  for (int calls = 0; calls < 64 && !in.empty(); ++calls) run_one_call(in);
  deliver_queued_messages();
  zorva::g_state.origin_x = origin_x;
  zorva::g_state.origin_y = origin_y;
  if (zorva::headless::live_gdi_objects() != objects) __builtin_trap();
  // The log ring may have grown to its 25 lines, no further.
  if (zorva::headless::live_memory_blocks() > blocks + zorva::kLogRingSize) __builtin_trap();
  return 0;
}
