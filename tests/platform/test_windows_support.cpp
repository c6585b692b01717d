// The recording window procedure and helpers shared by the platform tests.
#include "test_windows_support.h"

namespace zorva::testing_support {

Recorder& recorder() {
  static Recorder r;
  return r;
}

LRESULT CALLBACK recording_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  recorder().messages.push_back(Received{hwnd, message, wparam, lparam});
  if (recorder().react) {
    LRESULT result = 0;
    if (recorder().react(hwnd, message, wparam, lparam, result)) return result;
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

void fresh_platform() {
  headless::reset();
  recorder().clear();
  recorder().react = nullptr;
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = recording_proc;
  window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  window_class.lpszClassName = "TestWindow";
  RegisterClassA(&window_class);
}

HWND make_window(int w, int h) {
  HWND hwnd = CreateWindowExA(0, "TestWindow", "test", WS_OVERLAPPEDWINDOW, 10, 20, w, h, nullptr, nullptr,
                              nullptr, nullptr);
  ShowWindow(hwnd, SW_SHOWNORMAL);
  return hwnd;
}

HWND make_child(HWND parent, int x, int y, int w, int h, int id) {
  return CreateWindowExA(0, "TestWindow", "", WS_CHILD | WS_VISIBLE, x, y, w, h, parent,
                         reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
}

int drain() {
  int n = 0;
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    ++n;
    if (msg.message == WM_QUIT) break;
  }
  return n;
}

bool next(MSG& msg) { return PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) != FALSE; }

}  // namespace zorva::testing_support
