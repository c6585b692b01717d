// The frame a style gives a window, and AdjustWindowRect(Ex), which adds it to a client
// rectangle.
#include "platform/windows/window_frame.h"

#include <algorithm>
#include <cstdint>

namespace zorva::platform {

FrameInsets frame_insets(DWORD style, DWORD ex_style) {
  const bool thick = (style & WS_THICKFRAME) != 0;
  const bool dialog_frame = (style & WS_DLGFRAME) != 0 || (ex_style & WS_EX_DLGMODALFRAME) != 0;
  // The outer edge of a sizing or dialog frame, the sizing frame's extra line, and the
  // thin line of a border or dialog frame.
  int side = (thick || dialog_frame) ? metrics::kEdge : 0;
  if (thick) side += metrics::kBorder;
  if ((style & WS_BORDER) != 0 || dialog_frame) side += metrics::kBorder;
  if ((ex_style & WS_EX_CLIENTEDGE) != 0) side += metrics::kEdge;
  const int caption = (style & WS_CAPTION) == WS_CAPTION ? metrics::kCaption : 0;
  return FrameInsets{side, side + caption, side, side};
}

DWORD effective_style(DWORD style) {
  if ((style & (WS_CHILD | WS_POPUP)) == 0) style |= WS_CAPTION | WS_CLIPSIBLINGS;
  return style;
}

}  // namespace zorva::platform

using namespace zorva::platform;

extern "C" {

BOOL WINAPI AdjustWindowRectEx(LPRECT lpRect, DWORD dwStyle, BOOL bMenu, DWORD dwExStyle) {
  if (lpRect == nullptr) return FALSE;
  const FrameInsets insets = frame_insets(dwStyle, dwExStyle);
  const int menu = bMenu ? metrics::kMenu : 0;
  // Kept within LONG: a rectangle at the ends of the range grows no further.
  const auto grow = [](LONG value, std::int64_t by) {
    return static_cast<LONG>(std::clamp<std::int64_t>(value + by, INT32_MIN, INT32_MAX));
  };
  lpRect->left = grow(lpRect->left, -insets.left);
  lpRect->top = grow(lpRect->top, -(insets.top + menu));
  lpRect->right = grow(lpRect->right, insets.right);
  lpRect->bottom = grow(lpRect->bottom, insets.bottom);
  return TRUE;
}

BOOL WINAPI AdjustWindowRect(LPRECT lpRect, DWORD dwStyle, BOOL bMenu) {
  return AdjustWindowRectEx(lpRect, dwStyle, bMenu, 0);
}

}  // extern "C"
