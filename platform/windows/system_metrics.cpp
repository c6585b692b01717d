// The system metrics (the screen, the parts of a window's frame, the mouse) and the stock icon
// and cursor.
#include "platform/core/handle_table.h"
#include "platform/driver/driver.h"
#include "platform/win32.h"
#include "platform/windows/window_frame.h"

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
    case SM_CXBORDER:
    case SM_CYBORDER:
      return metrics::kBorder;
    case SM_CXEDGE:
    case SM_CYEDGE:
      return metrics::kEdge;
    case SM_CXFIXEDFRAME:
    case SM_CYFIXEDFRAME:
      return metrics::kFixedFrame;
    case SM_CXSIZEFRAME:
    case SM_CYSIZEFRAME:
      return metrics::kSizeFrame;
    case SM_CYCAPTION:
      return metrics::kCaption;
    case SM_CYMENU:
      return metrics::kMenu;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
      return metrics::kDoubleClickSize;
    default:
      return 0;
  }
}

UINT WINAPI GetCaretBlinkTime(void) { return metrics::kCaretBlinkMs; }
UINT WINAPI GetDoubleClickTime(void) { return metrics::kDoubleClickMs; }

// There is one application icon and one arrow cursor; any request gets them.
HICON WINAPI LoadIconA(HINSTANCE, LPCSTR) { return stock_handle<HICON>(HandleKind::Icon); }
HCURSOR WINAPI LoadCursorA(HINSTANCE, LPCSTR) { return stock_handle<HCURSOR>(HandleKind::Cursor); }

}  // extern "C"
