// Windows from creation to destruction: the messages on the way, sizes, children, clicks,
// painting and the failure values of bad handles.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "test_windows_support.h"

using namespace zorva;
using namespace zorva::testing_support;

namespace {

class Windows : public ::testing::Test {
 protected:
  void SetUp() override { fresh_platform(); }
};

TEST_F(Windows, CreationSendsCreateThenSizeAndShowingSendsSizeAgain) {
  HWND hwnd = CreateWindowExA(0, "TestWindow", "t", WS_OVERLAPPEDWINDOW, 0, 0, 601, 540, nullptr, nullptr,
                              nullptr, nullptr);
  ASSERT_NE(hwnd, nullptr);
  std::vector<UINT> kinds = recorder().kinds();
  ASSERT_GE(kinds.size(), 2u);
  EXPECT_EQ(kinds[0], UINT{WM_CREATE});
  EXPECT_EQ(kinds[1], UINT{WM_SIZE});
  // The client area: the outer size less the sizing frame (4) round it and the caption (19).
  EXPECT_EQ(recorder().messages[1].lparam, MAKELPARAM(593, 513));
  EXPECT_EQ(IsWindowVisible(hwnd), FALSE);

  recorder().clear();
  EXPECT_EQ(ShowWindow(hwnd, SW_SHOWNORMAL), FALSE);
  EXPECT_EQ(recorder().count(WM_SIZE), 1);
  EXPECT_EQ(ShowWindow(hwnd, SW_SHOWNORMAL), TRUE);
  EXPECT_EQ(ShowWindow(hwnd, SW_HIDE), TRUE);
  EXPECT_EQ(IsWindowVisible(hwnd), FALSE);
}

TEST_F(Windows, CreateParameterReachesTheProcedure) {
  int marker = 0;
  void* seen = nullptr;
  recorder().react = [&](HWND, UINT m, WPARAM, LPARAM l, LRESULT&) {
    if (m == WM_CREATE) seen = *reinterpret_cast<void**>(l);  // CREATESTRUCT's first field
    return false;
  };
  CreateWindowExA(0, "TestWindow", "t", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, &marker);
  EXPECT_EQ(seen, &marker);
}

TEST_F(Windows, CreateFailingInTheProcedureLeavesNoWindow) {
  recorder().react = [](HWND, UINT m, WPARAM, LPARAM, LRESULT& r) {
    r = -1;
    return m == WM_CREATE;
  };
  EXPECT_EQ(CreateWindowExA(0, "TestWindow", "t", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr), nullptr);
  EXPECT_EQ(headless::live_windows(), 0u);
}

TEST_F(Windows, ClassesAreRegisteredOnce) {
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = recording_proc;
  window_class.lpszClassName = "testwindow";  // names ignore case
  EXPECT_EQ(RegisterClassA(&window_class), ATOM{0});
  window_class.lpszClassName = "Another";
  EXPECT_NE(RegisterClassA(&window_class), ATOM{0});
  window_class.lpfnWndProc = nullptr;
  window_class.lpszClassName = "NoProcedure";
  EXPECT_EQ(RegisterClassA(&window_class), ATOM{0});
  EXPECT_EQ(RegisterClassA(nullptr), ATOM{0});
  EXPECT_EQ(CreateWindowExA(0, "Unknown", "t", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr), nullptr);
}

TEST_F(Windows, ClientAreaAndFramebufferOfATopLevelWindow) {
  HWND hwnd = make_window(601, 540);
  RECT client{};
  ASSERT_EQ(GetClientRect(hwnd, &client), TRUE);
  EXPECT_EQ(client.right, 593);
  EXPECT_EQ(client.bottom, 513);
  RECT outer{};
  ASSERT_EQ(GetWindowRect(hwnd, &outer), TRUE);
  EXPECT_EQ(outer.left, 10);
  EXPECT_EQ(outer.top, 20);
  EXPECT_EQ(outer.right, 611);
  // The framebuffer holds what lies inside the frame, which the window manager draws.
  const platform::Pixmap& frame = headless::framebuffer(hwnd);
  EXPECT_EQ(frame.width, 593);
  EXPECT_EQ(frame.height, 513);
  EXPECT_EQ(headless::client_pixel(hwnd, 300, 270), 0xFFFFFFu);  // white class background
  EXPECT_EQ(headless::client_pixel(hwnd, 593, 0), 0xFFFFFFFFu);
}

TEST_F(Windows, CloseButtonDestroysTheWindow) {
  HWND hwnd = make_window();
  drain();
  recorder().clear();
  headless::close_request(hwnd);
  drain();
  EXPECT_EQ(recorder().kinds(), (std::vector<UINT>{WM_CLOSE, WM_KILLFOCUS, WM_DESTROY, WM_NCDESTROY}));
  EXPECT_EQ(IsWindow(hwnd), FALSE);
  EXPECT_EQ(headless::live_windows(), 0u);
}

TEST_F(Windows, ProgramMayRefuseToCloseAndQuitInstead) {
  HWND hwnd = make_window();
  recorder().react = [](HWND, UINT m, WPARAM, LPARAM, LRESULT&) {
    if (m == WM_CLOSE) PostQuitMessage(0);
    return m == WM_CLOSE;
  };
  headless::close_request(hwnd);
  MSG msg;
  int quits = 0;
  while (next(msg)) {
    quits += msg.message == WM_QUIT;
    DispatchMessageA(&msg);
  }
  EXPECT_EQ(quits, 1);
  EXPECT_EQ(IsWindow(hwnd), TRUE);
}

TEST_F(Windows, DestroyingAParentDestroysItsChildrenAndOwnedWindows) {
  HWND hwnd = make_window();
  HWND child = make_child(hwnd, 0, 0, 10, 10);
  HWND grandchild = make_child(child, 0, 0, 5, 5);
  HWND owned = CreateWindowExA(0, "TestWindow", "dialog", WS_POPUP, 0, 0, 50, 50, hwnd, nullptr, nullptr, nullptr);
  EXPECT_EQ(GetParent(child), hwnd);
  EXPECT_EQ(GetParent(owned), hwnd);
  recorder().clear();
  EXPECT_EQ(DestroyWindow(hwnd), TRUE);
  std::vector<HWND> destroyed;
  for (const Received& r : recorder().messages)
    if (r.message == WM_DESTROY) destroyed.push_back(r.hwnd);
  EXPECT_EQ(destroyed, (std::vector<HWND>{owned, hwnd, child, grandchild}));
  EXPECT_EQ(headless::live_windows(), 0u);
  EXPECT_EQ(DestroyWindow(hwnd), FALSE);
}

TEST_F(Windows, DestroyWindowInsideDestroyIsRefused) {
  HWND hwnd = make_window();
  BOOL nested = TRUE;
  recorder().react = [&](HWND h, UINT m, WPARAM, LPARAM, LRESULT&) {
    if (m == WM_DESTROY) nested = DestroyWindow(h);
    return false;
  };
  EXPECT_EQ(DestroyWindow(hwnd), TRUE);
  EXPECT_EQ(nested, FALSE);
}

TEST_F(Windows, ClicksGoToTheDeepestEnabledChildInItsCoordinates) {
  HWND hwnd = make_window(200, 200);
  HWND child = make_child(hwnd, 50, 40, 100, 100);
  HWND inner = make_child(child, 10, 10, 20, 20, 2);
  drain();
  recorder().clear();
  headless::click(hwnd, 65, 55);  // inside `inner` at (5, 5)
  headless::click(hwnd, 55, 45);  // inside `child` only
  headless::click(hwnd, 5, 5);    // the top-level window itself
  EnableWindow(inner, FALSE);
  headless::click(hwnd, 65, 55);  // a disabled child: its parent gets the click
  drain();
  std::vector<Received> downs;
  for (const Received& r : recorder().messages)
    if (r.message == WM_LBUTTONDOWN) downs.push_back(r);
  ASSERT_EQ(downs.size(), 4u);
  EXPECT_EQ(downs[0].hwnd, inner);
  EXPECT_EQ(downs[0].lparam, MAKELPARAM(5, 5));
  EXPECT_EQ(downs[1].hwnd, child);
  EXPECT_EQ(downs[1].lparam, MAKELPARAM(5, 5));
  EXPECT_EQ(downs[2].hwnd, hwnd);
  EXPECT_EQ(downs[3].hwnd, child);
  EXPECT_EQ(downs[3].lparam, MAKELPARAM(15, 15));
  EXPECT_EQ(recorder().count(WM_LBUTTONUP), 4);
}

TEST_F(Windows, DisabledTopLevelWindowGetsNoInput) {
  HWND hwnd = make_window();
  drain();
  EXPECT_EQ(EnableWindow(hwnd, FALSE), FALSE);  // was enabled
  EXPECT_EQ(IsWindowEnabled(hwnd), FALSE);
  headless::click(hwnd, 5, 5);
  headless::close_request(hwnd);
  headless::key_down('A');
  EXPECT_EQ(headless::queued_messages(), 0u);
  EXPECT_EQ(EnableWindow(hwnd, TRUE), TRUE);  // was disabled
}

TEST_F(Windows, ChildPixelsLieInTheTopLevelFramebufferClippedToTheParent) {
  HWND hwnd = make_window(108, 123);  // a client area of 100 by 100
  HWND child = make_child(hwnd, 80, 80, 50, 50);
  HDC dc = GetDC(child);
  ASSERT_NE(dc, nullptr);
  SetPixel(dc, 5, 5, RGB(255, 0, 0));
  SetPixel(dc, 30, 30, RGB(255, 0, 0));  // beyond the parent: clipped away
  EXPECT_EQ(ReleaseDC(child, dc), 1);
  EXPECT_EQ(headless::framebuffer(hwnd).row(85)[85], 0xFF0000u);
  EXPECT_EQ(headless::client_pixel(child, 5, 5), 0xFF0000u);
  EXPECT_EQ(headless::client_pixel(child, 30, 30), 0xFFFFFFFFu);
  EXPECT_EQ(headless::live_dcs(), 0u);
}

TEST_F(Windows, BeginPaintValidatesAndErasesWithTheClassBrush) {
  HWND hwnd = make_window(48, 63);  // a client area of 40 by 40
  drain();
  HDC dc = GetDC(hwnd);
  SetPixel(dc, 3, 3, RGB(0, 0, 255));
  ReleaseDC(hwnd, dc);
  InvalidateRect(hwnd, nullptr, TRUE);
  PAINTSTRUCT ps;
  HDC paint_dc = BeginPaint(hwnd, &ps);
  ASSERT_NE(paint_dc, nullptr);
  EXPECT_EQ(ps.hdc, paint_dc);
  EXPECT_EQ(ps.fErase, FALSE);  // erased by DefWindowProcA
  EXPECT_EQ(ps.rcPaint.right, 40);
  EXPECT_EQ(headless::client_pixel(hwnd, 3, 3), 0xFFFFFFu);
  EXPECT_EQ(EndPaint(hwnd, &ps), TRUE);
  MSG msg;
  EXPECT_FALSE(next(msg));
  EXPECT_EQ(headless::live_dcs(), 0u);
}

TEST_F(Windows, TextIsSetAndReadThroughMessages) {
  HWND hwnd = make_window();
  EXPECT_EQ(SetWindowTextA(hwnd, "Run the game"), TRUE);
  char buffer[8];
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(GetWindowTextA(hwnd, buffer, sizeof buffer), 7);
  EXPECT_STREQ(buffer, "Run the");
  EXPECT_EQ(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0), 12);
  EXPECT_EQ(GetWindowTextA(hwnd, buffer, 0), 0);
  EXPECT_EQ(SetWindowTextA(hwnd, nullptr), TRUE);
  EXPECT_EQ(GetWindowTextA(hwnd, buffer, sizeof buffer), 0);
}

TEST_F(Windows, ExtremeGeometryIsClampedNotTrusted) {
  HWND huge = CreateWindowExA(0, "TestWindow", "t", 0, INT_MIN, INT_MAX, INT_MAX, INT_MAX, nullptr, nullptr,
                              nullptr, nullptr);
  ASSERT_NE(huge, nullptr);
  RECT r{};
  GetClientRect(huge, &r);
  EXPECT_LE(r.right, 4096);
  HWND negative = CreateWindowExA(0, "TestWindow", "t", 0, 0, 0, -5, INT_MIN + 1, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(negative, nullptr);
  GetClientRect(negative, &r);
  EXPECT_EQ(r.right, 0);
  EXPECT_EQ(r.bottom, 0);
  HWND child = make_child(huge, INT_MAX, INT_MIN, INT_MAX, INT_MAX);
  ASSERT_NE(child, nullptr);
  headless::click(child, INT_MAX, INT_MIN);
  EXPECT_EQ(headless::client_pixel(child, INT_MIN, INT_MAX), 0xFFFFFFFFu);
  EXPECT_EQ(GetWindowRect(child, &r), TRUE);
}

TEST_F(Windows, NullAndStaleHandlesGiveTheDocumentedFailureValues) {
  HWND stale = make_window();
  DestroyWindow(stale);
  HWND bogus = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0xDEADBEEFu));
  RECT r{};
  char text[4];
  PAINTSTRUCT ps{};
  for (HWND h : {HWND{nullptr}, stale, bogus}) {
    EXPECT_EQ(IsWindow(h), FALSE);
    EXPECT_EQ(IsWindowVisible(h), FALSE);
    EXPECT_EQ(ShowWindow(h, SW_SHOW), FALSE);
    EXPECT_EQ(DestroyWindow(h), FALSE);
    EXPECT_EQ(EnableWindow(h, TRUE), FALSE);
    EXPECT_EQ(IsWindowEnabled(h), FALSE);
    EXPECT_EQ(GetParent(h), nullptr);
    EXPECT_EQ(GetClientRect(h, &r), FALSE);
    EXPECT_EQ(GetWindowRect(h, &r), FALSE);
    EXPECT_EQ(SetWindowTextA(h, "x"), FALSE);
    EXPECT_EQ(GetWindowTextA(h, text, 4), 0);
    EXPECT_EQ(DefWindowProcA(h, WM_CLOSE, 0, 0), 0);
    EXPECT_EQ(BeginPaint(h, &ps), nullptr);
    EXPECT_EQ(UpdateWindow(h), FALSE);
    headless::click(h, 1, 1);
    headless::close_request(h);
  }
  EXPECT_EQ(InvalidateRect(stale, nullptr, TRUE), FALSE);
  EXPECT_EQ(GetDC(stale), nullptr);
  EXPECT_EQ(SetFocus(stale), nullptr);
  EXPECT_EQ(ReleaseDC(stale, nullptr), 0);
  EXPECT_EQ(EndPaint(stale, nullptr), FALSE);
  EXPECT_EQ(headless::client_pixel(stale, 0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(headless::framebuffer(stale).width, 0);
  EXPECT_EQ(headless::queued_messages(), 0u);
}

TEST_F(Windows, DeeplyNestedChildrenAreSafe) {
  HWND hwnd = make_window(100, 100);
  HWND innermost = hwnd;
  for (int i = 0; i < 500; ++i) innermost = make_child(innermost, 0, 0, 100, 100, i);
  ASSERT_NE(innermost, nullptr);
  drain();
  recorder().clear();
  headless::click(hwnd, 1, 1);
  drain();
  ASSERT_EQ(recorder().count(WM_LBUTTONDOWN), 1);
  EXPECT_EQ(recorder().messages[0].hwnd, innermost);
  EXPECT_EQ(headless::client_pixel(innermost, 1, 1), 0xFFFFFFu);
  EXPECT_EQ(DestroyWindow(hwnd), TRUE);
  EXPECT_EQ(headless::live_windows(), 0u);
}

TEST_F(Windows, ClosingAnOwnedWindowGivesTheKeyboardBackToItsOwner) {
  HWND owner = make_window();
  HWND dialog = CreateWindowExA(0, "TestWindow", "dialog", WS_POPUP, 0, 0, 50, 50, owner, nullptr, nullptr, nullptr);
  EnableWindow(owner, FALSE);
  ShowWindow(dialog, SW_SHOW);
  EXPECT_EQ(GetFocus(), dialog);
  headless::key_down('X');  // goes to the dialog; the disabled owner gets nothing
  MSG msg;
  ASSERT_TRUE(next(msg));
  EXPECT_EQ(msg.hwnd, dialog);
  EnableWindow(owner, TRUE);
  DestroyWindow(dialog);
  EXPECT_EQ(GetFocus(), owner);
}

TEST_F(Windows, StockResourcesAndScreenMetrics) {
  EXPECT_NE(LoadIconA(nullptr, IDI_APPLICATION), nullptr);
  EXPECT_NE(LoadCursorA(nullptr, IDC_ARROW), nullptr);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);  // the headless screen
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
  EXPECT_EQ(GetSystemMetrics(12345), 0);
}

TEST_F(Windows, ResetLeavesNothingBehind) {
  HWND hwnd = make_window();
  SetTimer(hwnd, 1, 100, nullptr);
  GlobalAlloc(GMEM_MOVEABLE, 10);
  PostMessageA(hwnd, WM_USER, 0, 0);
  headless::key_down(VK_SHIFT);
  headless::advance_ms(500);
  headless::reset();
  EXPECT_EQ(headless::live_windows(), 0u);
  EXPECT_EQ(headless::live_timers(), 0u);
  EXPECT_EQ(headless::live_memory_blocks(), 0u);
  EXPECT_EQ(headless::queued_messages(), 0u);
  EXPECT_EQ(headless::now_ms(), 0u);
  EXPECT_EQ(GetFocus(), nullptr);
  fresh_platform();
  HWND again = make_window();
  drain();
  recorder().clear();
  headless::type_text("a");  // Shift was released by the reset
  drain();
  ASSERT_EQ(recorder().count(WM_CHAR), 1);
  (void)again;
}

}  // namespace
