// Ctrl+S: the drawing window's picture saved as the first free ZORVA-NNN.png, with a line in
// the text window whether it worked or not.
#include <unistd.h>

#include <filesystem>

#include "png/png_reader.h"
#include "test_events_fixture.h"

namespace zorva::testing_support {
namespace {

namespace fs = std::filesystem;

class PictureSave : public StartedPackage {
 protected:
  // Ctrl+S, then one click so the event call hands the keys to the window.
  static void save_and_click(bool held = false) {
    headless::key_down(VK_CONTROL);
    headless::key_down('S', 0, held);
    headless::key_up('S');
    headless::key_up(VK_CONTROL);
    click_logical(7, 7);
  }
  void take_click() { EXPECT_EQ(next_event().kind, ZORVA_MOUSE); }
};

TEST_F(PictureSave, TheFileHoldsTheClientAreaAsShown) {
  ZORVA_clear();
  ZORVA_draw_circle(RED, -50, 20, 30);
  ZORVA_draw_rectangle(BLUE, 100, 100, 250, -200, 0);
  const std::size_t gdi_objects = headless::live_gdi_objects();
  save_and_click();
  take_click();
  EXPECT_EQ(last_log_line(), "Picture saved in ZORVA-001.png");

  png::RgbImage picture;
  std::string reason;
  ASSERT_TRUE(png::read_png("ZORVA-001.png", picture, reason)) << reason;
  RECT client{};
  GetClientRect(g_state.draw_window, &client);
  ASSERT_EQ(picture.width, client.right);
  ASSERT_EQ(picture.height, client.bottom);
  int differing = 0;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const std::uint32_t shown = headless::client_pixel(g_state.draw_window, x, y);
      differing += picture.pixels[y * picture.width + x] != shown;
    }
  }
  EXPECT_EQ(differing, 0);
  EXPECT_EQ(headless::live_gdi_objects(), gdi_objects) << "the copy made for reading leaked";
  EXPECT_EQ(headless::live_dcs(), 2u);  // the window's and the surface's
}

TEST_F(PictureSave, NumberingSkipsTakenNamesAndAHeldKeySavesOnce) {
  std::ofstream("ZORVA-001.png") << "a student's own file";
  fs::create_symlink("/nowhere/at/all", "ZORVA-002.png");  // dangling, but taken
  headless::focus(g_state.text_window);                    // the keys work from there too
  save_and_click();
  take_click();
  EXPECT_EQ(last_log_line(), "Picture saved in ZORVA-003.png");
  save_and_click(/*held=*/true);  // a repeat of a key already down
  take_click();
  save_and_click();
  take_click();
  EXPECT_EQ(last_log_line(), "Picture saved in ZORVA-004.png");
  EXPECT_FALSE(fs::exists("ZORVA-005.png"));
  EXPECT_EQ(script_text(), "");  // the command is no event and is not recorded
}

// Directory permissions do not stop root; /proc takes no new file from anyone.
TEST_F(PictureSave, AnUnwritableDirectoryIsReportedAndTheProgramGoesOn) {
  const fs::path read_only = scratch_.path() / "read-only";
  fs::create_directory(read_only);
  fs::permissions(read_only, fs::perms::owner_read | fs::perms::owner_exec);
  const bool root = geteuid() == 0;
  fs::current_path(root ? fs::path("/proc") : read_only);
  save_and_click();
  take_click();
  EXPECT_EQ(last_log_line(), std::string("Cannot save the picture in ZORVA-001.png: ") +
                                 (root ? "No such file or directory" : "Permission denied"));
  when_idle([] { headless::type_text("z"); });
  EXPECT_EQ(next_event().key, 'z');
  fs::current_path(scratch_.path());
  fs::permissions(read_only, fs::perms::owner_all);
}

}  // namespace
}  // namespace zorva::testing_support
