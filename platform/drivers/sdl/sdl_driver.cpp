// SDL2 under the platform: OS windows, presenting pixels, and SDL's events reported to the
// generic platform.
#include "platform/drivers/sdl/sdl_driver.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/core/frame_view.h"
#include "platform/core/latin1.h"
#include "platform/core/pixmap.h"
#include "platform/driver/os_events.h"
#include "platform/driver/screen_scale.h"
#include "platform/drivers/sdl/desktop_facts.h"
#include "platform/drivers/sdl/display_loss.h"
#include "platform/drivers/sdl/sdl_keys.h"
#include "platform/fonts/ttf_glyph_source.h"
#include "platform/windows/window.h"

namespace zorva::platform {
namespace {

// VK_OEM_8: stands for keys that type a character but have no virtual-key code here.
constexpr int kTextOnlyKey = 0xDF;

bool env_set(const char* name) {
  const char* value = std::getenv(name);
  return value && value[0] != '\0';
}

// Copies rows of 0x00RRGGBB pixels (`stride` pixels apart) into a window surface of
// whatever format it has, from the surface's program row `first_row` on, each pixel as a
// scale by scale block. The usual formats take the pixels as they are, in one pass; any
// other is converted from a scaled copy. The surface is locked.
void copy_rows_to_surface(const std::uint32_t* pixels, int width, int first_row, int rows, int stride, int scale,
                          SDL_Surface* surface) {
  const int w = std::min(width, surface->w / scale);
  const int h = std::min(rows, surface->h / scale - first_row);
  if (w <= 0 || h <= 0 || first_row < 0) return;
  void* target = static_cast<char*>(surface->pixels) + static_cast<std::ptrdiff_t>(first_row) * scale * surface->pitch;
  const Uint32 format = surface->format->format;
  const bool same_format = format == SDL_PIXELFORMAT_RGB888 || format == SDL_PIXELFORMAT_ARGB8888;
  if (same_format && scale == 1) {
    for (int y = 0; y < h; ++y)
      std::memcpy(static_cast<char*>(target) + static_cast<std::ptrdiff_t>(y) * surface->pitch,
                  pixels + static_cast<std::ptrdiff_t>(y) * stride, static_cast<std::size_t>(w) * 4);
  } else if (same_format) {
    scale_up(pixels, w, h, stride, scale, target, surface->pitch);
  } else if (scale == 1) {
    SDL_ConvertPixels(w, h, SDL_PIXELFORMAT_RGB888, pixels, stride * 4, format, target, surface->pitch);
  } else {
    std::vector<std::uint32_t> scaled(static_cast<std::size_t>(w) * scale * h * scale);
    scale_up(pixels, w, h, stride, scale, scaled.data(), w * scale * 4);
    SDL_ConvertPixels(w * scale, h * scale, SDL_PIXELFORMAT_RGB888, scaled.data(), w * scale * 4, format, target,
                      surface->pitch);
  }
}

// Copies the frame into the window surface, run of rows by run of rows, straight from where
// its pixels are.
void copy_to_surface(const FrameView& frame, int scale, SDL_Surface* surface) {
  if (SDL_MUSTLOCK(surface)) SDL_LockSurface(surface);
  frame.for_each_run([&](int first_row, int rows, const std::uint32_t* pixels, int stride) {
    copy_rows_to_surface(pixels, frame.width(), first_row, rows, stride, scale, surface);
  });
  if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
}

// A window manager's frame (a title bar above, borders round it) makes a window placed at
// the bottom of the screen, as the text window is, reach past it: its newest lines, drawn at
// the bottom, could not be seen. Such a window is moved up (or left) until its frame fits.
// The frame is known only once the window manager has framed the window: false until then.
bool keep_frame_on_screen(SDL_Window* sdl) {
  int top = 0, left = 0, bottom = 0, right = 0;
  if (SDL_GetWindowBordersSize(sdl, &top, &left, &bottom, &right) != 0) return true;  // never known
  if (top == 0 && left == 0 && bottom == 0 && right == 0) return false;  // no frame (yet)
  SDL_Rect usable{};
  const int display = SDL_GetWindowDisplayIndex(sdl);
  if (display < 0 || SDL_GetDisplayUsableBounds(display, &usable) != 0) return true;
  int x = 0, y = 0, width = 0, height = 0;
  SDL_GetWindowPosition(sdl, &x, &y);
  SDL_GetWindowSize(sdl, &width, &height);
  const long long usable_right = static_cast<long long>(usable.x) + usable.w;
  const long long usable_bottom = static_cast<long long>(usable.y) + usable.h;
  long long new_x = x, new_y = y;
  if (static_cast<long long>(x) + width + right > usable_right)
    new_x = std::max<long long>(static_cast<long long>(usable.x) + left, usable_right - right - width);
  if (static_cast<long long>(y) + height + bottom > usable_bottom)
    new_y = std::max<long long>(static_cast<long long>(usable.y) + top, usable_bottom - bottom - height);
  if (new_x != x || new_y != y) SDL_SetWindowPosition(sdl, static_cast<int>(new_x), static_cast<int>(new_y));
  return true;
}

// The SDL video drivers to try for this environment, in order; none (with the reason) when
// no display is named at all.
std::vector<std::string> video_drivers(std::string& why) {
  std::vector<std::string> drivers;
  if (env_set("DISPLAY")) drivers.push_back("x11");
  if (env_set("WAYLAND_DISPLAY")) drivers.push_back("wayland");
  if (drivers.empty()) why = "DISPLAY is not set (and neither is WAYLAND_DISPLAY)";
  return drivers;
}

}  // namespace

SdlDriver::SdlDriver(std::string& error) : glyphs_(fonts::make_ttf_glyph_source()) {
  const std::vector<std::string> drivers = video_drivers(error);
  if (drivers.empty()) return;
  // A game is no reason to keep the screen saver away.
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  // Closing a window is the program's decision (WM_CLOSE), not a reason for SDL to quit.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  // SIGINT and SIGTERM are the platform's own (driver/quit_signals.cpp), not SDL_QUIT.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // A click that activates a window is a click in it, as on Windows. Left to itself SDL drops
  // a press it handles within 10 ms of handling the focus change, which a program that was
  // busy when both came (or just woke) does: its first click was now and then lost.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  error.clear();
  for (const std::string& driver : drivers) {
    // Named explicitly: left to itself SDL may fall back to a driver that shows nothing.
    SDL_SetHint(SDL_HINT_VIDEODRIVER, driver.c_str());
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) == 0) {
      // X11 takes window surfaces straight (in shared memory where it can). Left to itself SDL
      // may put them behind an OpenGL renderer, which without a graphics card is a software
      // rasteriser with threads of its own: several times the CPU for the same picture.
      // (Wayland has no such direct way, so there SDL keeps its renderer.)
      if (driver == "x11") SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
      if (driver == "x11") end_program_when_x_display_is_lost();
      SDL_StartTextInput();
      scale_ = scale_for_desktop(sdl_desktop_facts(driver == "x11"));
      ready_ = true;
      return;
    }
    const char* variable = driver == "x11" ? "DISPLAY" : "WAYLAND_DISPLAY";
    if (!error.empty()) error += "; ";
    error += std::string("SDL could not open the display ") + variable + "=\"" + std::getenv(variable) +
             "\": " + SDL_GetError();
  }
}

// SDL stays up until the process ends: shutting it down from a static destructor would
// unload the X libraries while their last allocations still exist, and the OS closes the
// display connection anyway.
SdlDriver::~SdlDriver() = default;

bool SdlDriver::open_window(Window& window) {
  if (!ready_) return false;
  const int width = std::max<int>(window.framebuffer.width, 1);
  const int height = std::max<int>(window.framebuffer.height, 1);
  // The window manager frames what we show: our pixels go where the window's frame leaves
  // its inside on the screen, each of them scale_ screen pixels each way.
  const RECT shown = shown_rect(window);
  SDL_Window* sdl = SDL_CreateWindow(window.text.c_str(), on_screen(shown.left), on_screen(shown.top),
                                     width * scale_, height * scale_, SDL_WINDOW_SHOWN);
  if (!sdl) return false;
  window.os_window = SDL_GetWindowID(sdl);
  windows_[window.os_window] = window.handle;
  if (const Window* owner = find_window(window.owner); owner && owner->os_window)
    if (SDL_Window* owner_sdl = SDL_GetWindowFromID(owner->os_window)) SDL_SetWindowModalFor(sdl, owner_sdl);
  return true;
}

void SdlDriver::close_window(Window& window) {
  if (SDL_Window* sdl = SDL_GetWindowFromID(window.os_window)) SDL_DestroyWindow(sdl);
  windows_.erase(window.os_window);
  frame_fitted_.erase(window.os_window);
  window.os_window = 0;
}

void SdlDriver::set_title(Window& window) {
  if (SDL_Window* sdl = SDL_GetWindowFromID(window.os_window)) SDL_SetWindowTitle(sdl, window.text.c_str());
}

void SdlDriver::present(Window& window, const FrameView& frame) {
  SDL_Window* sdl = SDL_GetWindowFromID(window.os_window);
  if (!sdl) return;
  SDL_Surface* surface = SDL_GetWindowSurface(sdl);
  if (!surface) return;
  copy_to_surface(frame, scale_, surface);
  SDL_UpdateWindowSurface(sdl);
}

int SdlDriver::on_screen(LONG position) const {
  // Window positions stay far inside int range; SDL takes any int.
  const long long scaled = static_cast<long long>(position) * scale_;
  return static_cast<int>(std::clamp<long long>(scaled, -(1LL << 30), 1LL << 30));
}

HWND SdlDriver::hwnd_of(Uint32 window_id) const {
  auto it = windows_.find(window_id);
  return it == windows_.end() ? nullptr : it->second;
}

void SdlDriver::flush_pending_key(unsigned char typed) {
  if (!pending_key_.active) return;
  pending_key_.active = false;
  os_events::key_down(pending_key_.vk, typed, pending_key_.repeat);
}

void SdlDriver::handle_window_event(const SDL_WindowEvent& event) {
  const HWND hwnd = hwnd_of(event.windowID);
  if (!hwnd) return;
  switch (event.event) {
    case SDL_WINDOWEVENT_CLOSE:
      os_events::close_request(hwnd);
      break;
    case SDL_WINDOWEVENT_EXPOSED:
      if (!frame_fitted_.count(event.windowID))
        if (SDL_Window* sdl = SDL_GetWindowFromID(event.windowID); sdl && keep_frame_on_screen(sdl))
          frame_fitted_.insert(event.windowID);
      os_events::exposed(hwnd);
      break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      os_events::exposed(hwnd);
      break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      os_events::focus_gained(hwnd);
      break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      os_events::focus_lost(hwnd);
      break;
    default:
      break;
  }
}

void SdlDriver::handle(const SDL_Event& event) {
  // A key-down waits for the text event SDL sends right after it, which names the
  // character actually typed (non-US layouts, Latin-1 letters).
  if (event.type == SDL_TEXTINPUT) {
    const unsigned char typed = latin1_from_utf8(event.text.text);
    if (pending_key_.active) {
      flush_pending_key(typed);
    } else if (typed) {
      // Text from a key with no virtual-key code of its own (a national letter, a composed
      // character) still reaches the window, as a press of a key that types it.
      os_events::key_down(kTextOnlyKey, typed, false);
      os_events::key_up(kTextOnlyKey);
    }
    return;
  }
  flush_pending_key(0);
  switch (event.type) {
    case SDL_KEYDOWN: {
      const int vk = virtual_key_from_sdl(event.key.keysym.sym);
      if (vk) pending_key_ = PendingKey{vk, event.key.repeat != 0, true};
      break;
    }
    case SDL_KEYUP: {
      const int vk = virtual_key_from_sdl(event.key.keysym.sym);
      if (vk) os_events::key_up(vk);
      break;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      if (event.button.button == SDL_BUTTON_LEFT)
        if (HWND hwnd = hwnd_of(event.button.windowID))
          os_events::button(hwnd, to_program_pixels(event.button.x, scale_), to_program_pixels(event.button.y, scale_),
                            event.type == SDL_MOUSEBUTTONDOWN);
      break;
    case SDL_MOUSEMOTION:
      if (HWND hwnd = hwnd_of(event.motion.windowID))
        os_events::mouse_moved(hwnd, to_program_pixels(event.motion.x, scale_),
                               to_program_pixels(event.motion.y, scale_));
      break;
    case SDL_WINDOWEVENT:
      handle_window_event(event.window);
      break;
    case SDL_QUIT:  // the session asks every program to quit
      os_events::quit_request();
      break;
    default:
      break;
  }
}

void SdlDriver::poll_input() {
  if (!ready_) return;
  // SDL_PollEvent may report an empty queue while events wait; drain with PeepEvents.
  SDL_PumpEvents();
  SDL_Event events[64];
  for (;;) {
    const int count = SDL_PeepEvents(events, 64, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT);
    if (count <= 0) break;
    for (int i = 0; i < count; ++i) handle(events[i]);
  }
  flush_pending_key(0);
}

bool SdlDriver::wait_for_input(std::optional<std::uint64_t> deadline_ms) {
  if (!ready_) return true;
  int timeout = 1000;
  if (deadline_ms) {
    const std::uint64_t now = now_ms();
    timeout = *deadline_ms <= now ? 0 : static_cast<int>(std::min<std::uint64_t>(*deadline_ms - now, 1000));
  }
  if (timeout > 0) SDL_WaitEventTimeout(nullptr, timeout);
  return true;
}

int SdlDriver::screen_width() {
  SDL_DisplayMode mode;
  return ready_ && SDL_GetDesktopDisplayMode(0, &mode) == 0 ? mode.w / scale_ : 1280;
}

int SdlDriver::screen_height() {
  SDL_DisplayMode mode;
  return ready_ && SDL_GetDesktopDisplayMode(0, &mode) == 0 ? mode.h / scale_ : 1024;
}

std::uint64_t SdlDriver::now_ms() { return SDL_GetTicks64(); }

std::string SdlDriver::clipboard_text() {
  if (!ready_) return Driver::clipboard_text();
  char* utf8 = SDL_GetClipboardText();  // an empty string when there is none
  std::string text = latin1_from_utf8_text(utf8 ? utf8 : "");
  SDL_free(utf8);
  return text;
}

void SdlDriver::set_clipboard_text(const std::string& text) {
  if (!ready_ || SDL_SetClipboardText(utf8_from_latin1(text).c_str()) != 0) Driver::set_clipboard_text(text);
}

extern const DriverEntry kSdlDriverEntry{"sdl", [](std::string& why) -> std::unique_ptr<Driver> {
  auto sdl = std::make_unique<SdlDriver>(why);
  if (!sdl->ready()) {
    why = "cannot open a display: " + why;
    return nullptr;
  }
  return sdl;
}};

}  // namespace zorva::platform
