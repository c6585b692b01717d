// A seeded game's pictures, pass by pass, held to fixed hashes: what the window shows between
// passes (the last copied frame while the next one is being drawn), what the screen would
// show, and the off-screen surface. Any change to how pixels reach the window shows here.
#include <gtest/gtest.h>

#include <cstdint>

#include "loop_fixture.h"

namespace shooter {
namespace {

using testing_support::LoopTest;

// FNV-1a over pixels, continued from `hash`.
std::uint64_t fnv(std::uint64_t hash, const zorva::platform::Pixmap& pixels) {
  for (std::uint32_t pixel : pixels.pixels) hash = (hash ^ pixel) * 1099511628211ull;
  return hash;
}

// The surface as a pixmap, read back through GetPixel on its DC.
zorva::platform::Pixmap surface_pixels() {
  zorva::platform::Pixmap out(zorva::kSurfaceWidth, zorva::kSurfaceHeight);
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x) out.row(y)[x] = GetPixel(zorva::g_state.offscreen_dc, x, y);
  return out;
}

struct Checkpoint {
  int pass;
  std::uint64_t window;   // every framebuffer up to this pass, read after each pass
  std::uint64_t screen;   // every presented picture up to this pass
  std::uint64_t surface;  // the surface after this pass
};

class FrameHashTest : public LoopTest {};

TEST_F(FrameHashTest, ASeededGameShowsTheSamePicturesPassByPass) {
  const Checkpoint checkpoints[] = {
      {1, 0xe685a09d070c078bull, 0xe685a09d070c078bull, 0x2b52980afc9cc18aull},
      {7, 0x4b33fc47cb85b226ull, 0x4b33fc47cb85b226ull, 0x60b8afdc110931b7ull},
      {40, 0x5d931f1a177ce4dcull, 0x5d931f1a177ce4dcull, 0x09c1b1a37e1cebdaull},
  };
  start_game(20261209);
  const std::string keys = " ,8 . 2 6  4 ";
  std::uint64_t window = 1469598103934665603ull;
  std::uint64_t screen = window;
  int pass = 0;
  for (const Checkpoint& c : checkpoints) {
    while (pass < c.pass) {
      const char key = keys[static_cast<std::size_t>(pass) % keys.size()];
      if (pass % 3 == 1) when_idle_type(key);
      game_pass(world);
      ++pass;
      window = fnv(window, zorva::headless::framebuffer(zorva::g_state.draw_window));
      screen = fnv(screen, zorva::headless::presented(zorva::g_state.draw_window));
    }
    const std::uint64_t surface = fnv(1469598103934665603ull, surface_pixels());
    EXPECT_EQ(window, c.window) << "pass " << c.pass << std::hex << " window 0x" << window;
    EXPECT_EQ(screen, c.screen) << "pass " << c.pass << std::hex << " screen 0x" << screen;
    EXPECT_EQ(surface, c.surface) << "pass " << c.pass << std::hex << " surface 0x" << surface;
  }
}

}  // namespace
}  // namespace shooter
