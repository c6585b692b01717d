// ZORVA_start: the two window classes, the drawing and text windows, the off-screen surface
// and the tick timer. ZORVA_finish: gives back the window's device context, closes the script.
#include "internal/console.h"
#include "internal/draw_window.h"
#include "internal/library_state.h"
#include "internal/script.h"
#include "platform/win32.h"

namespace zorva {
namespace {

void register_window_class(HINSTANCE instance, const char* name, WNDPROC procedure,
                           HBRUSH background) {
  WNDCLASSA window_class{};
  window_class.style = CS_HREDRAW | CS_VREDRAW;
  window_class.lpfnWndProc = procedure;
  window_class.cbClsExtra = 0;
  window_class.cbWndExtra = 0;
  window_class.hInstance = instance;
  window_class.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
  window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  window_class.hbrBackground = background;
  window_class.lpszMenuName = "generic";  // no such menu: neither window gets a class menu
  window_class.lpszClassName = name;
  RegisterClassA(&window_class);
}

}  // namespace
}  // namespace zorva

extern "C" int ZORVA_start(HINSTANCE instance, HINSTANCE previous_instance, LPSTR command_line,
                           int show_mode) {
  using namespace zorva;
  (void)command_line;  // the package takes no options
  LibraryState& s = g_state;

  if (previous_instance == nullptr) {
    HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
    register_window_class(instance, "DrawWndClass", draw_window_proc, white);
    register_window_class(instance, "TextWndClass", text_window_proc, white);
  }

  const int screen_width = GetSystemMetrics(SM_CXSCREEN);
  const int screen_height = GetSystemMetrics(SM_CYSCREEN);

  s.animating = 0;
  s.single_step = 0;

  s.draw_window = CreateWindowExA(0, "DrawWndClass", "ZORVA Graphics", WS_CAPTION | WS_SYSMENU, 0,
                                  0, kSurfaceWidth, kSurfaceHeight, nullptr, nullptr, instance,
                                  nullptr);
  s.text_window = CreateWindowExA(0, "TextWndClass", "ZORVA Text", WS_OVERLAPPEDWINDOW, 0,
                                  static_cast<int>((2LL * screen_height) / 3 + 1), screen_width,
                                  screen_height / 3, nullptr, nullptr, instance, nullptr);
  s.instance = instance;

  s.window_dc = GetDC(s.draw_window);
  s.offscreen_bitmap = CreateCompatibleBitmap(s.window_dc, kSurfaceWidth, kSurfaceHeight);
  s.offscreen_dc = CreateCompatibleDC(s.window_dc);
  SelectObject(s.offscreen_dc, s.offscreen_bitmap);

  // A program whose entry is main() has no show mode to hand on and passes 0, SW_HIDE: hidden
  // windows would never show anything nor take a click or a key, so they are shown normally.
  const bool hide_refused = show_mode == SW_HIDE;
  if (hide_refused) show_mode = SW_SHOWNORMAL;
  ShowWindow(s.text_window, show_mode);
  ShowWindow(s.draw_window, show_mode);
  if (hide_refused) {
    ZORVA_log("ZORVA_start was given show mode 0 (SW_HIDE); showing the windows anyway.\n");
  }

  SetTimer(s.draw_window, kTickTimerId, kTickPeriodMs, nullptr);
  return 1;
}

extern "C" int ZORVA_finish(void) {
  using namespace zorva;
  draw_queued_lines();
  ReleaseDC(g_state.draw_window, g_state.window_dc);
  g_state.window_dc = nullptr;
  close_script_file();
  return 1;
}
