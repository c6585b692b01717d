// Real SDL2 windows (under the X server the test script starts): pixels drawn through BitBlt
// reach the window's surface, and SDL events become the right window messages.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
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
  if (message == WM_CLOSE) return 0;  // kept open: the test looks at it
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

class SdlWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string why;
    if (!std::getenv("DISPLAY") || !zorva::platform::driver_ready(why))
      GTEST_SKIP() << "no display: " << why;
    static bool registered = false;
    if (!registered) {
      WNDCLASSA window_class{};
      window_class.lpfnWndProc = remember;
      window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
      window_class.lpszClassName = "DisplayTest";
      registered = RegisterClassA(&window_class) != 0;
    }
    hwnd = CreateWindowExA(0, "DisplayTest", "display test", WS_OVERLAPPEDWINDOW, 40, 40, 160, 120, nullptr,
                           nullptr, nullptr, nullptr);
    ASSERT_NE(hwnd, nullptr);
    ShowWindow(hwnd, SW_SHOWNORMAL);
    drain();
    received().clear();
  }
  void TearDown() override {
    if (hwnd) DestroyWindow(hwnd);
  }
  static void drain() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  SDL_Window* sdl_window() const {
    const zorva::platform::Window* window = zorva::platform::find_window(hwnd);
    return window ? SDL_GetWindowFromID(window->os_window) : nullptr;
  }
  HWND hwnd = nullptr;
};

TEST_F(SdlWindow, PixelsBlittedFromAMemoryDcReachTheWindowSurface) {
  HDC window_dc = GetDC(hwnd);
  HDC memory_dc = CreateCompatibleDC(window_dc);
  HBITMAP bitmap = CreateCompatibleBitmap(window_dc, 160, 120);
  HGDIOBJ previous = SelectObject(memory_dc, bitmap);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) SetPixel(memory_dc, 20 + x, 30 + y, RGB(255, 128, 0));
  ASSERT_EQ(BitBlt(window_dc, 0, 0, 160, 120, memory_dc, 0, 0, SRCCOPY), TRUE);
  drain();  // the next message turn presents the window

  SDL_Window* sdl = sdl_window();
  ASSERT_NE(sdl, nullptr);
  SDL_Surface* surface = SDL_GetWindowSurface(sdl);
  ASSERT_NE(surface, nullptr);
  auto pixel_at = [&](int x, int y) {
    Uint8 r, g, b;
    const auto* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
    Uint32 value = 0;
    std::memcpy(&value, row + x * surface->format->BytesPerPixel, sizeof value);
    SDL_GetRGB(value, surface->format, &r, &g, &b);
    return (Uint32{r} << 16) | (Uint32{g} << 8) | b;
  };
  EXPECT_EQ(pixel_at(25, 35), 0xFF8000u);
  EXPECT_EQ(pixel_at(5, 5), 0x000000u);  // a new bitmap is black

  SelectObject(memory_dc, previous);
  DeleteObject(bitmap);
  DeleteDC(memory_dc);
  ReleaseDC(hwnd, window_dc);
}

TEST_F(SdlWindow, SdlKeyAndTextEventsBecomeKeyAndCharacterMessages) {
  SetFocus(hwnd);
  SDL_Event key{};
  key.type = SDL_KEYDOWN;
  key.key.windowID = SDL_GetWindowID(sdl_window());
  key.key.keysym.sym = SDLK_e;
  SDL_PushEvent(&key);
  SDL_Event text{};
  text.type = SDL_TEXTINPUT;
  text.text.windowID = key.key.windowID;
  std::strcpy(text.text.text, "\xc3\xa9");  // the layout typed a Latin-1 letter
  SDL_PushEvent(&text);
  key.type = SDL_KEYUP;
  SDL_PushEvent(&key);
  drain();
  std::vector<UINT> kinds;
  WPARAM character = 0;
  for (const MSG& m : received()) {
    if (m.message == WM_KEYDOWN || m.message == WM_KEYUP || m.message == WM_CHAR) kinds.push_back(m.message);
    if (m.message == WM_KEYDOWN) {
      EXPECT_EQ(m.wParam, WPARAM{'E'});
    }
    if (m.message == WM_CHAR) character = m.wParam;
  }
  EXPECT_EQ(kinds, (std::vector<UINT>{WM_KEYDOWN, WM_CHAR, WM_KEYUP}));
  EXPECT_EQ(character, WPARAM{0xE9});
}

TEST_F(SdlWindow, TextFromAKeyWithoutAVirtualKeyCodeStillArrives) {
  SetFocus(hwnd);
  SDL_Event key{};
  key.type = SDL_KEYDOWN;
  key.key.windowID = SDL_GetWindowID(sdl_window());
  key.key.keysym.sym = 0xE9;  // a national key whose symbol is the letter itself
  SDL_PushEvent(&key);
  SDL_Event text{};
  text.type = SDL_TEXTINPUT;
  text.text.windowID = key.key.windowID;
  std::strcpy(text.text.text, "\xc3\xa9");
  SDL_PushEvent(&text);
  drain();
  std::vector<WPARAM> characters;
  for (const MSG& m : received())
    if (m.message == WM_CHAR) characters.push_back(m.wParam);
  EXPECT_EQ(characters, (std::vector<WPARAM>{0xE9}));
}

TEST_F(SdlWindow, CloseButtonAndClicksArriveAsMessages) {
  const Uint32 id = SDL_GetWindowID(sdl_window());
  SDL_Event click{};
  click.type = SDL_MOUSEBUTTONDOWN;
  click.button.windowID = id;
  click.button.button = SDL_BUTTON_LEFT;
  click.button.x = 12;
  click.button.y = 34;
  SDL_PushEvent(&click);
  SDL_Event close{};
  close.type = SDL_WINDOWEVENT;
  close.window.windowID = id;
  close.window.event = SDL_WINDOWEVENT_CLOSE;
  SDL_PushEvent(&close);
  drain();
  bool clicked = false, closed = false;
  for (const MSG& m : received()) {
    if (m.message == WM_LBUTTONDOWN) clicked = m.lParam == MAKELPARAM(12, 34);
    closed |= m.message == WM_CLOSE;
  }
  EXPECT_TRUE(clicked);
  EXPECT_TRUE(closed);
}

TEST_F(SdlWindow, TheWindowShowsTheClientAreaInsideTheFrameAndPointerMovesArrive) {
  // 160 by 120 outer, less the sizing frame (4) round it and the caption (19); no window
  // manager runs here, so the window stands where it was put.
  int width = 0, height = 0, x = 0, y = 0;
  SDL_GetWindowSize(sdl_window(), &width, &height);
  SDL_GetWindowPosition(sdl_window(), &x, &y);
  EXPECT_EQ(std::vector<int>({width, height, x, y}), std::vector<int>({152, 93, 40 + 4, 40 + 4 + 19}));
  SDL_Event motion{};
  motion.type = SDL_MOUSEMOTION;
  motion.motion.windowID = SDL_GetWindowID(sdl_window());
  motion.motion.x = 20;
  motion.motion.y = 30;
  SDL_PushEvent(&motion);
  drain();
  int moves = 0;
  for (const MSG& m : received()) moves += m.message == WM_MOUSEMOVE && m.lParam == MAKELPARAM(20, 30);
  EXPECT_EQ(moves, 1);
}

TEST_F(SdlWindow, TheClipboardIsTheDesktopsAndKeepsLatin1Letters) {
  zorva::platform::Driver& driver = zorva::platform::driver();
  driver.set_clipboard_text("Gr\xFC\xDF" "e\nzwei");
  char* utf8 = SDL_GetClipboardText();
  EXPECT_STREQ(utf8, "Gr\xC3\xBC\xC3\x9F" "e\nzwei");
  SDL_free(utf8);
  EXPECT_EQ(driver.clipboard_text(), "Gr\xFC\xDF" "e\nzwei");
  SDL_SetClipboardText("\xE2\x82\xAC 5");  // the euro sign has no 8-bit form here
  EXPECT_EQ(driver.clipboard_text(), "? 5");
}

TEST_F(SdlWindow, AnInterruptAsksTheMainWindowToClose) {
  SDL_Event quit{};
  quit.type = SDL_QUIT;  // what SDL makes of SIGINT and SIGTERM
  SDL_PushEvent(&quit);
  drain();
  int closes = 0;
  for (const MSG& m : received()) closes += m.message == WM_CLOSE && m.hwnd == hwnd;
  EXPECT_EQ(closes, 1);
}

TEST_F(SdlWindow, WaitingForTheTimerReturnsWhenItFallsDue) {
  SetTimer(hwnd, 1, 30, nullptr);
  MSG msg;
  do {
    WaitMessage();
  } while (!PeekMessageA(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
  EXPECT_EQ(msg.message, UINT{WM_TIMER});
  EXPECT_EQ(msg.wParam, WPARAM{1});
  KillTimer(hwnd, 1);
}

}  // namespace
