// Feeds arbitrary arguments to the drawing primitives: each input is a run of calls, an
// operation byte followed by its integers (4 bytes each) and, for text, a string cut from
// the input. Any crash, sanitizer report, leaked GDI object or movable block is a finding.
#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <cstring>
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
  // A string whose length is given by the next byte; up to the rest of the input.
  std::string text() {
    std::size_t length = byte();
    if (length == 255) length = size_ - at_;  // occasionally everything that is left
    length = std::min(length, size_ > at_ ? size_ - at_ : 0);
    std::string s(reinterpret_cast<const char*>(data_ + at_), length);
    at_ += length;
    return s;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

void set_up_surface() {
  zorva::headless::use();
  HDC dc = CreateCompatibleDC(nullptr);
  SelectObject(dc, CreateCompatibleBitmap(dc, zorva::kSurfaceWidth, zorva::kSurfaceHeight));
  zorva::g_state.offscreen_dc = dc;
  zorva::g_state.origin_x = 300;
  zorva::g_state.origin_y = 250;
}

void run_one_call(Input& in) {
  const std::uint8_t op = in.byte();
  zorva::g_state.logging_enabled = op & 0x80;
  switch (op % 12) {
    case 0: ZORVA_draw_pixel(in.integer(), in.integer(), in.integer()); break;
    case 1: ZORVA_draw_circle(in.integer(), in.integer(), in.integer(), in.integer()); break;
    case 2: {
      const int c = in.integer(), x1 = in.integer(), y1 = in.integer(), x2 = in.integer();
      const int y2 = in.integer(), x3 = in.integer(), y3 = in.integer(), w = in.integer();
      ZORVA_draw_triangle(c, x1, y1, x2, y2, x3, y3, w);
      break;
    }
    case 3: {
      const int c = in.integer(), x1 = in.integer(), y1 = in.integer(), x2 = in.integer();
      ZORVA_draw_rectangle(c, x1, y1, x2, in.integer(), in.integer());
      break;
    }
    case 4: {
      const int c = in.integer(), x1 = in.integer(), y1 = in.integer(), x2 = in.integer();
      ZORVA_draw_oval(c, x1, y1, x2, in.integer(), in.integer());
      break;
    }
    case 5: {
      const int c = in.integer(), x1 = in.integer(), y1 = in.integer(), x2 = in.integer();
      ZORVA_draw_line(c, x1, y1, x2, in.integer(), in.integer());
      break;
    }
    case 6: {
      const int c = in.integer(), x = in.integer(), y = in.integer(), size = in.integer();
      ZORVA_draw_text(c, x, y, size, in.text().c_str());
      break;
    }
    case 7: {
      // The text is data, never a format: it is passed through "%s".
      const int c = in.integer(), x = in.integer(), y = in.integer(), size = in.integer();
      ZORVA_draw_textf(c, x, y, size, "%s|%d", in.text().c_str(), in.integer());
      break;
    }
    case 8: ZORVA_clear(); break;
    case 9: ZORVA_flush(); break;
    case 10: ZORVA_undo(); break;
    default: {
      const int x = in.integer(), y = in.integer();
      zorva::g_state.origin_x = x % 100000;  // the window reports origins inside it
      zorva::g_state.origin_y = y % 100000;
      break;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool ready = [] {
    set_up_surface();
    return true;
  }();
  (void)ready;
  const std::size_t objects = zorva::headless::live_gdi_objects();
  const std::size_t blocks = zorva::headless::live_memory_blocks();
  Input in(data, size);
  for (int calls = 0; calls < 64 && !in.empty(); ++calls) run_one_call(in);
  zorva::g_state.origin_x = 300;
  zorva::g_state.origin_y = 250;
  if (zorva::headless::live_gdi_objects() != objects) __builtin_trap();
  // The log ring may have grown to its 25 lines, no further.
  if (zorva::headless::live_memory_blocks() > blocks + zorva::kLogRingSize) __builtin_trap();
  return 0;
}
