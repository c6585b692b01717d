// Fixtures for the shooter's tests on the headless backend: a scratch working directory
// (the script file name is relative), the package started with drawing calls unlogged until
// a test asks for them, and a seeded random source for the game's operations.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "internal/library_state.h"
#include "platform/testing/headless.h"
#include "random.h"
#include "world.h"
#include "zorva.h"

namespace shooter::testing_support {

// A fresh headless platform and package record, in a scratch directory; nothing started.
class HeadlessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    zorva::headless::reset();
    zorva::reset_library_state();
    char pattern[] = "/tmp/shooter-test-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    scratch_ = pattern;
    previous_directory_ = std::filesystem::current_path();
    std::filesystem::current_path(scratch_);
  }

  void TearDown() override {
    zorva::LibraryState& s = zorva::g_state;
    if (s.script_file != nullptr) std::fclose(s.script_file);
    s.script_file = nullptr;
    zorva::headless::on_idle(nullptr);
    zorva::headless::reset();
    zorva::reset_library_state();
    std::filesystem::current_path(previous_directory_);
    std::filesystem::remove_all(scratch_);
  }

  // Empties the log ring and switches on the description of drawing calls.
  static void start_logging() {
    zorva::LibraryState& s = zorva::g_state;
    for (HGLOBAL& line : s.log_lines) {
      if (line != nullptr) GlobalFree(line);
      line = nullptr;
    }
    s.log_first = -1;
    s.log_next = 0;
    ZORVA_set_logging(1);
  }

  // The logged lines, oldest first, without their newlines (at most the ring's 25).
  static std::vector<std::string> logged_lines() {
    const zorva::LibraryState& s = zorva::g_state;
    std::vector<std::string> lines;
    if (s.log_first < 0) return lines;
    int slot = s.log_first;
    do {
      std::string line(static_cast<const char*>(GlobalLock(s.log_lines[slot])));
      GlobalUnlock(s.log_lines[slot]);
      if (!line.empty() && line.back() == '\n') line.pop_back();
      lines.push_back(line);
      slot = slot == zorva::kLogRingSize - 1 ? 0 : slot + 1;
    } while (slot != s.log_next);
    return lines;
  }

  // A pixel of the off-screen surface at a logical position, as the platform's COLORREF.
  static COLORREF surface_pixel(int x, int y) {
    const zorva::LibraryState& s = zorva::g_state;
    return GetPixel(s.offscreen_dc, s.origin_x + x, s.origin_y - y);
  }

  std::filesystem::path scratch_;
  std::filesystem::path previous_directory_;
  char command_line_[1] = {0};
};

// The package started, drawing calls unlogged, and a random source seeded with 1.
class GameTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    ZORVA_start(nullptr, nullptr, command_line_, SW_SHOWNORMAL);
    ZORVA_set_logging(0);
    seed_random(random, 1);
  }

  RandomGenerator random;
};

// A formation with every craft parked far out of the way, so a test can place the few it
// needs without the others taking part.
inline Formation parked_formation() {
  Formation enemies{};
  for (int i = 0; i < kEnemyCount; ++i) enemies[i] = Enemy{3, 1000 + 100 * i, 5000, 4, 1};
  return enemies;
}

}  // namespace shooter::testing_support
