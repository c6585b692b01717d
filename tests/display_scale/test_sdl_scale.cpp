// The SDL driver at the scale factor ZORVA_SCALE names (the test runs once per factor): the
// window takes N times its size and place on the screen, each pixel shows as an N by N block
// of its colour, the screen is reported in the program's pixels, and a pointer anywhere in a
// block reaches the program at that block's pixel.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/driver/driver.h"
#include "platform/win32.h"
#include "platform/windows/window.h"

namespace {

std::vector<MSG>& received() {
  static std::vector<MSG> messages;
  return messages;
}

LRESULT CALLBACK remember(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  received().push_back(MSG{hwnd, message, wparam, lparam, 0, {0, 0}});
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

void drain() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// The window's pixels, 0xRRGGBB, as the screen shows them.
Uint32 surface_pixel(SDL_Surface* surface, int x, int y) {
  Uint8 r, g, b;
  Uint32 value = 0;
  std::memcpy(&value, static_cast<const Uint8*>(surface->pixels) + y * surface->pitch + x * surface->format->BytesPerPixel,
              surface->format->BytesPerPixel);
  SDL_GetRGB(value, surface->format, &r, &g, &b);
  return (Uint32{r} << 16) | (Uint32{g} << 8) | b;
}

TEST(SdlScale, TheWindowIsScaledByBlocksAndThePointerMapsBackExactly) {
  std::string why;
  if (!std::getenv("DISPLAY") || !zorva::platform::driver_ready(why)) GTEST_SKIP() << "no display: " << why;
  const char* requested = std::getenv("ZORVA_SCALE");
  const int n = requested ? std::atoi(requested) : 1;
  ASSERT_TRUE(n >= 1 && n <= 4) << "run with ZORVA_SCALE=1 to 4";

  SDL_DisplayMode mode{};
  ASSERT_EQ(SDL_GetDesktopDisplayMode(0, &mode), 0);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), mode.w / n);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), mode.h / n);

  WNDCLASSA window_class{};
  window_class.lpfnWndProc = remember;
  window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  window_class.lpszClassName = "ScaleTest";
  ASSERT_NE(RegisterClassA(&window_class), 0);
  // A bare popup: its framebuffer is its whole 61 by 41 rectangle, placed at (30, 20).
  HWND hwnd = CreateWindowExA(0, "ScaleTest", "scale test", WS_POPUP, 30, 20, 61, 41, nullptr, nullptr, nullptr,
                              nullptr);
  ASSERT_NE(hwnd, nullptr);
  ShowWindow(hwnd, SW_SHOWNORMAL);
  drain();
  const zorva::platform::Window* window = zorva::platform::find_window(hwnd);
  SDL_Window* sdl = SDL_GetWindowFromID(window->os_window);
  ASSERT_NE(sdl, nullptr);
  int width = 0, height = 0, x = 0, y = 0;
  SDL_GetWindowSize(sdl, &width, &height);
  SDL_GetWindowPosition(sdl, &x, &y);
  EXPECT_EQ(std::vector<int>({width, height, x, y}), std::vector<int>({61 * n, 41 * n, 30 * n, 20 * n}));

  // A pattern in which each pixel differs from its neighbours.
  HDC dc = GetDC(hwnd);
  for (int py = 0; py < 41; ++py)
    for (int px = 0; px < 61; ++px) SetPixel(dc, px, py, RGB(px * 4, py * 6, (px + py) % 2 ? 255 : 0));
  ReleaseDC(hwnd, dc);
  drain();  // the next message turn presents the window
  SDL_Surface* surface = SDL_GetWindowSurface(sdl);
  ASSERT_NE(surface, nullptr);
  ASSERT_EQ(surface->w, 61 * n);
  int wrong = 0;
  for (int sy = 0; sy < 41 * n; ++sy)
    for (int sx = 0; sx < 61 * n; ++sx) {
      const int px = sx / n, py = sy / n;
      const Uint32 expected = (Uint32(px * 4) << 16) | (Uint32(py * 6) << 8) | ((px + py) % 2 ? 255u : 0u);
      wrong += surface_pixel(surface, sx, sy) != expected;
    }
  EXPECT_EQ(wrong, 0);

  // Clicks anywhere in the blocks at the corners and the centre, and moves above and left of
  // the window (the button held).
  struct Point {
    int x, y;
  };
  const Point points[] = {{0, 0}, {60, 0}, {0, 40}, {60, 40}, {30, 20}};
  std::vector<LPARAM> expected, clicks, moves;
  received().clear();
  const Uint32 id = SDL_GetWindowID(sdl);
  for (const Point& p : points)
    for (int d = 0; d < n; ++d) {
      SDL_Event event{};
      event.type = SDL_MOUSEBUTTONDOWN;
      event.button.windowID = id;
      event.button.button = SDL_BUTTON_LEFT;
      event.button.x = p.x * n + d;
      event.button.y = p.y * n + (n - 1 - d);
      SDL_PushEvent(&event);
      event.type = SDL_MOUSEBUTTONUP;
      SDL_PushEvent(&event);
      expected.push_back(MAKELPARAM(p.x, p.y));
    }
  drain();
  for (const MSG& m : received())
    if (m.message == WM_LBUTTONDOWN) clicks.push_back(m.lParam);
  EXPECT_EQ(clicks, expected);

  SDL_Event press{};
  press.type = SDL_MOUSEBUTTONDOWN;
  press.button.windowID = id;
  press.button.button = SDL_BUTTON_LEFT;
  SDL_PushEvent(&press);
  SDL_Event motion{};
  motion.type = SDL_MOUSEMOTION;
  motion.motion.windowID = id;
  motion.motion.x = -1;
  motion.motion.y = -n;
  SDL_PushEvent(&motion);
  received().clear();
  drain();
  for (const MSG& m : received())
    if (m.message == WM_MOUSEMOVE) moves.push_back(m.lParam);
  EXPECT_EQ(moves, std::vector<LPARAM>({MAKELPARAM(-1, -1)}));
  DestroyWindow(hwnd);
}

}  // namespace
