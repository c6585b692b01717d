// The description lines' formatter writes what vsnprintf writes, cut where vsnprintf cuts.
#include <gtest/gtest.h>

#include <climits>
#include <cstdarg>
#include <cstdio>
#include <string>

#include "console/description_format.h"

namespace {

struct Formatted {
  std::string text;
  int length;
  bool operator==(const Formatted&) const = default;
};

Formatted ours(std::size_t capacity, const char* format, ...) {
  std::string out(capacity, '#');
  std::va_list args;
  va_start(args, format);
  const int length = zorva::format_description(out.data(), capacity, format, args);
  va_end(args);
  return {out.c_str(), length};
}

Formatted theirs(std::size_t capacity, const char* format, ...) {
  std::string out(capacity, '#');
  std::va_list args;
  va_start(args, format);
  const int length = std::vsnprintf(out.data(), capacity, format, args);
  va_end(args);
  return {out.c_str(), length};
}

TEST(DescriptionFormat, MatchesTheCLibrary) {
  const std::string long_text(2000, 'x');
  for (std::size_t capacity : {1024u, 40u, 8u, 1u}) {
    SCOPED_TRACE(capacity);
    const char* rect = "%s rectangle with bounding box (%d,%d) to (%d,%d), filled\n";
    EXPECT_EQ(ours(capacity, rect, "red", 0, -1, INT_MAX, INT_MIN), theirs(capacity, rect, "red", 0, -1, INT_MAX, INT_MIN));
    const char* text = "%s text at (%d,%d), \"%s\"\n";
    EXPECT_EQ(ours(capacity, text, "blue", 5, 7, long_text.c_str()), theirs(capacity, text, "blue", 5, 7, long_text.c_str()));
    EXPECT_EQ(ours(capacity, "100%% %s", ""), theirs(capacity, "100%% %s", ""));
    EXPECT_EQ(ours(capacity, "Clearing the graphics window\n"), theirs(capacity, "Clearing the graphics window\n"));
  }
  EXPECT_EQ(ours(64, "%s", nullptr).text, "(null)");
  // Numbers around each count of digits, and at the end of a line with too little room.
  for (const int n : {9, 10, 99, 100, 101, 999, 1000, -9, -10, -99, -100, 123456789, 1000000000}) {
    for (std::size_t capacity : {64u, 5u}) {
      EXPECT_EQ(ours(capacity, "at %d,%d", n, -n), theirs(capacity, "at %d,%d", n, -n)) << n << " " << capacity;
    }
  }
}

TEST(DescriptionFormat, RefusesOtherConversions) {
  for (const char* other : {"%5d", "%x", "%f", "%ld", "%c", "end %"}) EXPECT_EQ(ours(64, other, 1).length, -1) << other;
}

}  // namespace
