// The web driver's side in C++: canvases by window, pixels to the page, and the page's
// queued DOM input reported to the generic platform.
#include "platform/drivers/web/web_driver.h"

#include <emscripten.h>

#include <algorithm>

#include "platform/core/frame_view.h"
#include "platform/core/pixmap.h"
#include "platform/driver/os_events.h"
#include "platform/drivers/web/browser_glyph_source.h"
#include "platform/windows/window_frame.h"
#include "platform/windows/window.h"

// The page's half of each operation (page.js keeps the canvases and the input queue).
// `owned`: a dialog's window, which does not name the page. `frame`: the window's outer
// rectangle (left, top, width, height), where the page draws its frame, with a caption bar
// if `captioned`.
EM_JS(void, zorva_page_open_canvas,
      (std::uint32_t id, int x, int y, int width, int height, const char* title, int owned, const int* frame,
       int captioned), {
  Module.zorvaPage.openCanvas(id, x, y, width, height, UTF8ToString(title), owned != 0,
                              HEAP32.subarray(frame >> 2, (frame >> 2) + 4), captioned != 0);
});
EM_JS(void, zorva_page_close_canvas, (std::uint32_t id), { Module.zorvaPage.closeCanvas(id); });
EM_JS(void, zorva_page_set_title, (std::uint32_t id, const char* title), {
  Module.zorvaPage.setTitle(id, UTF8ToString(title));
});
EM_JS(void, zorva_page_present, (std::uint32_t id, const void* rgba, int width, int height), {
  Module.zorvaPage.present(id, HEAPU8.subarray(rgba, rgba + width * height * 4), width, height);
});
// Copies up to `capacity` queued input events (five numbers each) into `events`; returns
// how many it copied.
EM_JS(int, zorva_page_take_input, (std::int32_t* events, int capacity), {
  return Module.zorvaPage.takeInput(HEAP32, events >> 2, capacity);
});
// Resolves when input arrives or after `timeout_ms` (negative: no timeout).
EM_ASYNC_JS(void, zorva_page_wait, (double timeout_ms), { await Module.zorvaPage.wait(timeout_ms); });

namespace zorva::platform {
namespace {

// The kinds of input the page queues, with their three numbers.
enum PageInput : std::int32_t {
  kKeyDown = 1,      // virtual key, character typed (0: derive it), repeat
  kKeyUp = 2,        // virtual key
  kButton = 3,       // frame x, frame y, 1 down / 0 up
  kFocusGained = 4,  // the canvas was clicked, or the page got the keyboard back
  kFocusLost = 5,    // the page lost the keyboard
  kMouseMoved = 6,   // frame x, frame y
};
constexpr int kEventInts = 5;  // kind, canvas id, three numbers
constexpr int kEventsPerTake = 64;

// VK_OEM_8: stands for keys that type a character but have no virtual-key code here.
constexpr int kTextOnlyKey = 0xDF;

}  // namespace

WebDriver::WebDriver() : start_ms_(emscripten_get_now()), glyphs_(web::make_browser_glyph_source()) {}
WebDriver::~WebDriver() = default;

bool WebDriver::open_window(Window& window) {
  window.os_window = next_os_window_++;
  if (next_os_window_ == 0) next_os_window_ = 1;
  // The canvas goes where a window manager would put the window's inside; the page draws
  // the frame round it in the room the window's outer rectangle leaves.
  const RECT shown = shown_rect(window);
  const RECT& outer = window.rect;
  const int frame[4] = {outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top};
  const bool captioned = (effective_style(window.style) & WS_CAPTION) == WS_CAPTION;
  zorva_page_open_canvas(window.os_window, shown.left, shown.top, std::max(window.framebuffer.width, 1),
                         std::max(window.framebuffer.height, 1), window.text.c_str(), window.owner ? 1 : 0, frame,
                         captioned ? 1 : 0);
  return true;
}

void WebDriver::close_window(Window& window) {
  zorva_page_close_canvas(window.os_window);
  window.os_window = 0;
}

void WebDriver::set_title(Window& window) { zorva_page_set_title(window.os_window, window.text.c_str()); }

void WebDriver::present(Window& window, const FrameView& frame) {
  const int width = frame.width();
  const int height = frame.height();
  if (width <= 0 || height <= 0) return;
  // 0x00RRGGBB to the canvas's R, G, B, A bytes (a little-endian 0xAABBGGRR), row by row
  // from wherever each row lies.
  rgba_.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  std::uint32_t* out = rgba_.data();
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* row = frame.row(y);
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = row[x];
      *out++ = 0xFF000000u | ((p & 0xFFu) << 16) | (p & 0xFF00u) | ((p >> 16) & 0xFFu);
    }
  }
  zorva_page_present(window.os_window, rgba_.data(), width, height);
}

HWND WebDriver::hwnd_of(std::uint32_t os_window) const {
  HWND found = nullptr;
  if (os_window == 0) return found;
  windows().for_each([&](std::uint32_t, Window& w) {
    if (!found && !w.parent && w.os_window == os_window) found = w.handle;
  });
  return found;
}

void WebDriver::handle(const std::int32_t* event) {
  const HWND hwnd = hwnd_of(static_cast<std::uint32_t>(event[1]));
  switch (event[0]) {
    case kKeyDown: {
      const int vk = event[2] & 0xFF;
      const auto typed = static_cast<unsigned char>(event[3] & 0xFF);
      if (vk == 0 && typed != 0) {
        // A character from a key with no virtual-key code of its own (a national letter).
        os_events::key_down(kTextOnlyKey, typed, false);
        os_events::key_up(kTextOnlyKey);
      } else if (vk != 0) {
        os_events::key_down(vk, typed, event[4] != 0);
      }
      break;
    }
    case kKeyUp:
      if ((event[2] & 0xFF) != 0) os_events::key_up(event[2] & 0xFF);
      break;
    case kButton:
      if (hwnd) os_events::button(hwnd, event[2], event[3], event[4] != 0);
      break;
    case kMouseMoved:
      if (hwnd) os_events::mouse_moved(hwnd, event[2], event[3]);
      break;
    case kFocusGained:
      if (hwnd) os_events::focus_gained(hwnd);
      break;
    case kFocusLost:
      os_events::focus_lost(hwnd);
      break;
    default:
      break;
  }
}

void WebDriver::poll_input() {
  std::int32_t events[kEventsPerTake * kEventInts];
  for (;;) {
    const int count = zorva_page_take_input(events, kEventsPerTake);
    for (int i = 0; i < count; ++i) handle(events + i * kEventInts);
    if (count < kEventsPerTake) break;
  }
}

bool WebDriver::wait_for_input(std::optional<std::uint64_t> deadline_ms) {
  double timeout = -1;
  if (deadline_ms) {
    const std::uint64_t now = now_ms();
    timeout = *deadline_ms <= now ? 0 : static_cast<double>(*deadline_ms - now);
  }
  zorva_page_wait(timeout);
  return true;
}

std::uint64_t WebDriver::now_ms() {
  return static_cast<std::uint64_t>(std::max(0.0, emscripten_get_now() - start_ms_));
}

extern const DriverEntry kWebDriverEntry{
    "web", [](std::string&) -> std::unique_ptr<Driver> { return std::make_unique<WebDriver>(); }};

}  // namespace zorva::platform
