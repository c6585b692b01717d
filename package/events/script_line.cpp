// Decoding of script lines: "ZORVA_KBD(%d);", "ZORVA_MOUSE(%d, %d);", "ZORVA_PERIODIC(%d);".
// Only the character after the six-character prefix and the numbers are looked at.
#include <climits>

#include "internal/script_line.h"

namespace zorva {
namespace {

constexpr std::size_t kKindIndex = 6;
constexpr std::size_t kNumberFieldMax = 15;

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Converts a copied number field as the standard decimal conversion does: an optional sign,
// then digits up to the first other character; nothing convertible gives 0. A field holds at
// most 15 characters, so the value fits in 64 bits; it is then limited to the int range.
int convert_field(const char* field, std::size_t length) {
  std::size_t i = 0;
  bool negative = false;
  if (i < length && (field[i] == '-' || field[i] == '+')) {
    negative = field[i] == '-';
    ++i;
  }
  long long value = 0;
  for (; i < length && is_digit(field[i]); ++i) value = value * 10 + (field[i] - '0');
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

// Scans one number starting at `pos`: skips characters that cannot start it, copies the run
// of characters that may belong to it, and converts that. `pos` ends after the copied run.
// Returns false when no run is found or the run is longer than a number field holds.
template <typename SkipWhile, typename TakeWhile>
bool scan_number(const char* line, std::size_t length, std::size_t& pos, int& value,
                 SkipWhile skip, TakeWhile take) {
  while (pos < length && skip(line[pos])) ++pos;
  const std::size_t start = pos;
  while (pos < length && take(line[pos])) ++pos;
  const std::size_t run = pos - start;
  if (run == 0 || run > kNumberFieldMax) return false;
  value = convert_field(line + start, run);
  return true;
}

bool signed_scan(const char* line, std::size_t length, std::size_t& pos, int& value) {
  auto starts_number = [](char c) { return is_digit(c) || c == '-'; };
  return scan_number(line, length, pos, value, [&](char c) { return !starts_number(c); },
                     starts_number);
}

bool digits_scan(const char* line, std::size_t length, std::size_t& pos, int& value) {
  return scan_number(line, length, pos, value, [](char c) { return !is_digit(c); }, is_digit);
}

}  // namespace

ScriptLine decode_script_line(const char* line, std::size_t length) {
  ScriptLine result;
  if (line == nullptr || length <= kKindIndex) return result;
  std::size_t pos = kKindIndex;
  int first = 0;
  int second = 0;
  switch (line[kKindIndex]) {
    case 'K':
      if (!signed_scan(line, length, pos, first)) return result;
      result.kind = ScriptLineKind::kKey;
      break;
    case 'M':
      if (!signed_scan(line, length, pos, first) || !signed_scan(line, length, pos, second)) {
        return result;
      }
      result.kind = ScriptLineKind::kMouse;
      break;
    case 'P':
      if (!digits_scan(line, length, pos, first)) return result;
      result.kind = ScriptLineKind::kPeriodicRun;
      break;
    default:
      return result;
  }
  result.first = first;
  result.second = second;
  return result;
}

}  // namespace zorva
