// Decoding script lines: only the seventh character and the numbers matter, and nothing is
// read beyond the line.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <memory>
#include <string>

#include "internal/script_line.h"

namespace zorva {
namespace {

struct Case {
  const char* line;
  ScriptLineKind kind;
  int first;
  int second;
};

class ScriptLineDecoding : public ::testing::TestWithParam<Case> {};

TEST_P(ScriptLineDecoding, GivesKindAndNumbers) {
  const Case& c = GetParam();
  // An exact-size heap copy, so reading past the end is caught by the address sanitizer.
  const std::size_t length = std::strlen(c.line);
  auto copy = std::make_unique<char[]>(length);
  std::memcpy(copy.get(), c.line, length);
  const ScriptLine decoded = decode_script_line(copy.get(), length);
  EXPECT_EQ(decoded.kind, c.kind) << c.line;
  if (decoded.kind == ScriptLineKind::kUnrecognised) return;
  EXPECT_EQ(decoded.first, c.first) << c.line;
  EXPECT_EQ(decoded.second, c.second) << c.line;
}

constexpr auto K = ScriptLineKind::kKey;
constexpr auto M = ScriptLineKind::kMouse;
constexpr auto P = ScriptLineKind::kPeriodicRun;
constexpr auto U = ScriptLineKind::kUnrecognised;

INSTANTIATE_TEST_SUITE_P(
    Lines, ScriptLineDecoding,
    ::testing::Values(
        Case{"ZORVA_KBD(32);\n", K, 32, 0}, Case{"ZORVA_KBD(-23);\n", K, -23, 0},
        Case{"ZORVA_MOUSE(-120, 45);\n", M, -120, 45}, Case{"ZORVA_MOUSE(0, -0);", M, 0, 0},
        Case{"ZORVA_PERIODIC(12);\n", P, 12, 0}, Case{"ZORVA_PERIODIC(0);\n", P, 0, 0},
        Case{"ZORVA_P(-7);\n", P, 7, 0},                 // a minus sign is skipped in runs
        Case{"xxxxxxMAGIC 3 4\n", M, 3, 4},              // only the seventh character counts
        Case{"ZORVA_K 1-2\n", K, 1, 0}, Case{"ZORVA_K --5\n", K, 0, 0},
        Case{"ZORVA_M 123456789012345 1\n", M, INT_MAX, 1},  // 15 characters still fit
        Case{"ZORVA_M 1234567890123456 1\n", U, 0, 0},       // 16 do not
        Case{"ZORVA_mOUSE(1, 2);\n", U, 0, 0}, Case{"       \n", U, 0, 0},
        Case{"ZORVA_", U, 0, 0}, Case{"ZORVA", U, 0, 0}, Case{"", U, 0, 0},
        Case{"ZORVA_KBD();\n", U, 0, 0}, Case{"ZORVA_MOUSE(5);\n", U, 0, 0},
        Case{"ZORVA_PERIODIC(-);\n", U, 0, 0}, Case{"ZORVA_X(1);\n", U, 0, 0}));

TEST(ScriptLineDecodingLimits, NullLineIsUnrecognised) {
  EXPECT_EQ(decode_script_line(nullptr, 10).kind, ScriptLineKind::kUnrecognised);
}

}  // namespace
}  // namespace zorva
