// The cost of the platform's message turns on the headless backend: posting, retrieving
// and dispatching, looking at an empty queue, and a key press through TranslateMessage.
#include <benchmark/benchmark.h>

#include "platform/testing/headless.h"
#include "platform/win32.h"

namespace {

LRESULT CALLBACK quiet_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    EndPaint(hwnd, &ps);
    return 0;
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

// Two shown windows with a running timer, like a program on the package.
HWND setup() {
  zorva::headless::use();
  zorva::headless::reset();
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = quiet_proc;
  window_class.lpszClassName = "BenchWindow";
  RegisterClassA(&window_class);
  HWND main = CreateWindowExA(0, "BenchWindow", "main", WS_OVERLAPPEDWINDOW, 0, 0, 601, 540, nullptr, nullptr,
                              nullptr, nullptr);
  HWND text = CreateWindowExA(0, "BenchWindow", "text", WS_OVERLAPPEDWINDOW, 0, 600, 1280, 300, nullptr, nullptr,
                              nullptr, nullptr);
  ShowWindow(main, SW_SHOW);
  ShowWindow(text, SW_SHOW);
  SetTimer(main, 2, 100, nullptr);
  zorva::headless::focus(main);
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  return main;
}

void BM_PostPeekDispatch(benchmark::State& state) {
  HWND main = setup();
  MSG msg;
  for (auto _ : state) {
    PostMessageA(main, WM_USER, 1, 2);
    PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
    DispatchMessageA(&msg);
  }
}
BENCHMARK(BM_PostPeekDispatch);

void BM_PeekEmptyQueue(benchmark::State& state) {
  setup();
  MSG msg;
  for (auto _ : state) benchmark::DoNotOptimize(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}
BENCHMARK(BM_PeekEmptyQueue);

void BM_KeyPressTranslated(benchmark::State& state) {
  setup();
  MSG msg;
  for (auto _ : state) {
    zorva::headless::key_down('A');
    zorva::headless::key_up('A');
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
}
BENCHMARK(BM_KeyPressTranslated);

}  // namespace
