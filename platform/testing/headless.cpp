// The headless driver's controls for tests.
#include "platform/testing/headless.h"

#include <cstdio>

#include "platform/driver/os_events.h"
#include "platform/driver/presenting.h"
#include "platform/drivers/headless/headless_driver.h"
#include "platform/gdi/shown_bitmap.h"
#include "platform/runner/typing.h"
#include "platform/state/platform_state.h"
#include "platform/windows/window.h"
#include "platform/windows/window_internal.h"

namespace zorva::headless {

using namespace zorva::platform;

namespace {

// Tests hear of a program that would wait for ever at once, as an exception.
void throw_on_stall(Stall why) {
  if (why == Stall::kInputNeverArrives)
    throw WouldWaitForever(
        "the idle feeder keeps reporting input, but no message ever arrives: the program would wait forever");
  throw WouldWaitForever(
      "the program waits for a message, but nothing is queued, no timer runs and no idle feeder supplies "
      "input: it would wait forever");
}

HeadlessDriver& headless() {
  select_headless_driver();
  return *headless_driver();
}

}  // namespace

void use() { headless().set_stall_policy(throw_on_stall); }

void reset() {
  platform_state() = PlatformState{};
  use();
}

std::uint32_t now_ms() { return static_cast<std::uint32_t>(headless().now_ms()); }

void advance_ms(std::uint32_t ms) { headless().advance(ms); }

void on_idle(std::function<bool()> feeder) { headless().set_idle_feeder(std::move(feeder)); }

void key_down(int vk, unsigned char typed, bool repeat) { os_events::key_down(vk, typed, repeat); }

void key_up(int vk) { os_events::key_up(vk); }

void type_text(const std::string& text) { runner::type_text(text); }

void focus(HWND top_level) {
  if (!find_window(top_level)) return;
  window_records().active = top_level;
  SetFocus(top_level);
}

namespace {

// A client position of the window as a position of its top-level window's framebuffer;
// false when it lies beyond what a framebuffer coordinate can hold.
bool to_frame(HWND window, int client_x, int client_y, HWND& top_level, int& x, int& y) {
  const Window* top = top_level_of(window);
  ClientView view;
  if (!top || !client_view(window, view)) return false;
  const long long fx = static_cast<long long>(view.client_x) + client_x;
  const long long fy = static_cast<long long>(view.client_y) + client_y;
  if (fx < -32768 || fx > 32767 || fy < -32768 || fy > 32767) return false;
  top_level = top->handle;
  x = static_cast<int>(fx);
  y = static_cast<int>(fy);
  return true;
}

}  // namespace

void click(HWND window, int client_x, int client_y) {
  button(window, client_x, client_y, true);
  button(window, client_x, client_y, false);
}

void click_frame(HWND top_level, int x, int y) {
  os_events::button(top_level, x, y, true);
  os_events::button(top_level, x, y, false);
}

void button(HWND window, int client_x, int client_y, bool down) {
  HWND top = nullptr;
  int x = 0, y = 0;
  if (to_frame(window, client_x, client_y, top, x, y)) os_events::button(top, x, y, down);
}

void button_frame(HWND top_level, int x, int y, bool down) { os_events::button(top_level, x, y, down); }

void move_mouse(HWND window, int client_x, int client_y) {
  HWND top = nullptr;
  int x = 0, y = 0;
  if (to_frame(window, client_x, client_y, top, x, y)) os_events::mouse_moved(top, x, y);
}

void move_mouse_frame(HWND top_level, int x, int y) { os_events::mouse_moved(top_level, x, y); }

void close_request(HWND top_level) { os_events::close_request(top_level); }

void set_clipboard_text(const std::string& text) { headless().set_clipboard_text(text); }

std::string clipboard_text() { return headless().clipboard_text(); }

const Pixmap& framebuffer(HWND top_level) {
  static const Pixmap empty;
  Window* window = top_level_of(top_level);
  if (!window) return empty;
  settle_shown_rows(*window);
  return window->framebuffer;
}

Pixmap presented(HWND top_level) {
  Window* window = top_level_of(top_level);
  if (!window) return Pixmap{};
  Pixmap composed;
  return presentable_frame(*window, composed).to_pixmap();
}

std::uint32_t client_pixel(HWND window, int x, int y) {
  settle_shown_rows_of(window);
  ClientView view;
  if (!client_view(window, view) || !view.pixmap) return 0xFFFFFFFFu;
  const long long px = static_cast<long long>(view.client_x) + x;
  const long long py = static_cast<long long>(view.client_y) + y;
  if (px < view.clip.left || px >= view.clip.right || py < view.clip.top || py >= view.clip.bottom) return 0xFFFFFFFFu;
  if (px < 0 || py < 0 || px >= view.pixmap->width || py >= view.pixmap->height) return 0xFFFFFFFFu;
  return view.pixmap->row(static_cast<int>(py))[px];
}

bool save_ppm(const Pixmap& pixmap, const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  bool ok = std::fprintf(file, "P6\n%d %d\n255\n", pixmap.width, pixmap.height) > 0;
  for (int y = 0; ok && y < pixmap.height; ++y) {
    const std::uint32_t* row = pixmap.row(y);
    for (int x = 0; ok && x < pixmap.width; ++x) {
      const unsigned char rgb[3] = {static_cast<unsigned char>(row[x] >> 16), static_cast<unsigned char>(row[x] >> 8),
                                    static_cast<unsigned char>(row[x])};
      ok = std::fwrite(rgb, 1, 3, file) == 3;
    }
  }
  return std::fclose(file) == 0 && ok;
}

std::size_t live_windows() { return windows().live(); }
std::size_t live_dcs() { return live_dc_count(); }
std::size_t live_gdi_objects() { return live_gdi_object_count(); }
std::size_t live_memory_blocks() { return live_memory_block_count(); }
std::size_t live_timers() { return live_timer_count(); }
std::size_t queued_messages() { return queued_message_count(); }

}  // namespace zorva::headless
