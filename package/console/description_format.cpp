// The description lines' own formatter: %s, %d and %% written straight into the line.
#include "console/description_format.h"

namespace zorva {
namespace {

// Appends to a line of `capacity` bytes, counting what would not fit.
class LineWriter {
 public:
  LineWriter(char* out, std::size_t capacity) : out_(out), last_(capacity - 1) {}

  void put(char c) {
    if (length_ < last_) out_[length_] = c;
    ++length_;
  }
  void put(const char* text) {
    while (*text != '\0') put(*text++);
  }
  void put_int(int value) {
    // In unsigned arithmetic, so that INT_MIN's magnitude does not overflow.
    unsigned magnitude = static_cast<unsigned>(value);
    if (value < 0) {
      put('-');
      magnitude = 0u - magnitude;
    }
    char digits[10];
    int count = 0;
    do {
      digits[count++] = static_cast<char>('0' + magnitude % 10);
      magnitude /= 10;
    } while (magnitude != 0);
    while (count > 0) put(digits[--count]);
  }
  int finish() {
    out_[length_ < last_ ? length_ : last_] = '\0';
    return static_cast<int>(length_);
  }

 private:
  char* out_;
  std::size_t last_;  // index of the byte kept for the NUL
  std::size_t length_ = 0;
};

}  // namespace

bool is_description_format(const char* format) {
  for (const char* p = format; *p != '\0'; ++p) {
    if (*p != '%') continue;
    ++p;
    if (*p != 's' && *p != 'd' && *p != '%') return false;
  }
  return true;
}

int format_description(char* out, std::size_t capacity, const char* format, std::va_list args) {
  LineWriter line(out, capacity);
  for (const char* p = format; *p != '\0'; ++p) {
    if (*p != '%') {
      line.put(*p);
      continue;
    }
    switch (*++p) {
      case 's': {
        const char* text = va_arg(args, const char*);
        line.put(text != nullptr ? text : "(null)");
        break;
      }
      case 'd': line.put_int(va_arg(args, int)); break;
      default: line.put('%'); break;
    }
  }
  return line.finish();
}

}  // namespace zorva
