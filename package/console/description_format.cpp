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

// "00" to "99": two digits per division.
constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// The decimal digits of `value` ending at `end`; returns where they start.
char* decimal(int value, char* end) {
  // In unsigned arithmetic, so that INT_MIN's magnitude does not overflow.
  unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
  char* p = end;
  while (magnitude >= 100) {
    const unsigned pair = magnitude % 100;
    magnitude /= 100;
    p -= 2;
    std::memcpy(p, kDigitPairs + 2 * pair, 2);
  }
  if (magnitude >= 10) {
    p -= 2;
    std::memcpy(p, kDigitPairs + 2 * magnitude, 2);
  } else {
    *--p = static_cast<char>('0' + magnitude);
  }
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
        // Written backwards into a word-sized buffer, then moved as two fixed-size words: no
        // call to a general copy for a few digits.
        char digits[24] = {};
        char* const end = digits + 12;
        const char* first = decimal(va_arg(args, int), end);
        const auto n = static_cast<std::size_t>(end - first);
        if (static_cast<std::size_t>(line.last - line.next) >= 12) {
          std::memcpy(line.next, first, 12);
          line.next += n;
        } else {
          line.put(first, n);
        }
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
