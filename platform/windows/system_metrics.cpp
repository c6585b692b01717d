// Screen metrics and the stock icon and cursor.
#include "platform/driver/driver.h"
#include "platform/core/handle_table.h"
#include "platform/menus/menu_layout.h"
#include "platform/win32.h"

using namespace zorva::platform;

namespace {

template <typename H>
H stock_handle(HandleKind kind) {
  return to_handle<H>((static_cast<std::uint32_t>(kind) << 28) | 1u);
}

}  // namespace

extern "C" {

int WINAPI GetSystemMetrics(int nIndex) {
  switch (nIndex) {
    case SM_CXSCREEN:
      return driver().screen_width();
    case SM_CYSCREEN:
      return driver().screen_height();
    case SM_CYMENU:
      return menus::kBarHeight;
    case SM_CYCAPTION:
      return 0;  // the window manager draws the caption outside our pixels
    default:
      return 0;
  }
}

// There is one application icon and one arrow cursor; any request gets them.
HICON WINAPI LoadIconA(HINSTANCE, LPCSTR) { return stock_handle<HICON>(HandleKind::Icon); }
HCURSOR WINAPI LoadCursorA(HINSTANCE, LPCSTR) { return stock_handle<HCURSOR>(HandleKind::Cursor); }

}  // extern "C"
