// The description lines' own formatter: the text between conversions copied a run at a time,
// %s, %d and %% written straight into the line.
#include "console/description_format.h"

#include <cstring>

namespace zorva {
namespace {

// Appends to a line of fixed capacity, counting what does not fit.
struct LineWriter {
  char* next;
  char* last;  // the byte kept for the NUL
  std::size_t dropped = 0;

  void put(const char* text, std::size_t n) {
    const auto room = static_cast<std::size_t>(last - next);
    const std::size_t kept = n <= room ? n : room;
    std::memcpy(next, text, kept);
    next += kept;
    dropped += n - kept;
  }
};

// The decimal digits of `value` ending at `end`; returns where they start.
char* decimal(int value, char* end) {
  // In unsigned arithmetic, so that INT_MIN's magnitude does not overflow.
  unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
  char* p = end;
  do {
    *--p = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) *--p = '-';
  return p;
}

}  // namespace

int format_description(char* out, std::size_t capacity, const char* format, std::va_list args) {
  LineWriter line{out, out + capacity - 1};
  for (;;) {
    const char* percent = std::strchr(format, '%');
    if (percent == nullptr) {
      line.put(format, std::strlen(format));
      break;
    }
    line.put(format, static_cast<std::size_t>(percent - format));
    switch (percent[1]) {
      case 's': {
        const char* text = va_arg(args, const char*);
        if (text == nullptr) text = "(null)";
        line.put(text, std::strlen(text));
        break;
      }
      case 'd': {
        char digits[12];
        const char* first = decimal(va_arg(args, int), digits + sizeof digits);
        line.put(first, static_cast<std::size_t>(digits + sizeof digits - first));
        break;
      }
      case '%': line.put("%", 1); break;
      default: return -1;
    }
    format = percent + 2;
  }
  *line.next = '\0';
  return static_cast<int>(static_cast<std::size_t>(line.next - out) + line.dropped);
}

}  // namespace zorva
