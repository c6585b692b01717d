// The frame round a top-level window's client area: border and caption, as the style asks
// for them, sized by the system metrics. CreateWindowExA's size is the outer size, frame
// included; the OS window shows only what lies inside the frame (menu strip and client area)
// and the window manager draws its own frame round that.
#pragma once

#include "platform/win32.h"

namespace zorva::platform {

// The system metrics of the frame's parts, in pixels (the desktop's defaults).
namespace metrics {
inline constexpr int kBorder = 1;       // SM_CXBORDER: a thin line
inline constexpr int kEdge = 2;         // SM_CXEDGE: a raised or sunken edge
inline constexpr int kFixedFrame = kEdge + kBorder;     // SM_CXFIXEDFRAME: a dialog frame
inline constexpr int kSizeFrame = kFixedFrame + kBorder;  // SM_CXSIZEFRAME: a sizing frame
inline constexpr int kCaption = 19;     // SM_CYCAPTION: the title bar with its line below
inline constexpr int kMenu = 19;        // SM_CYMENU: one row of a menu bar
inline constexpr UINT kCaretBlinkMs = 500;    // GetCaretBlinkTime
inline constexpr UINT kDoubleClickMs = 500;   // the longest time between a double click's presses
inline constexpr int kDoubleClickSize = 4;    // SM_CXDOUBLECLK: the box its second press must hit
}  // namespace metrics

// How far the frame reaches in from each side of the outer rectangle (no menu bar).
struct FrameInsets {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};
FrameInsets frame_insets(DWORD style, DWORD ex_style);

// The style a window really gets: a top-level window that is not a popup always has a
// caption.
DWORD effective_style(DWORD style);

}  // namespace zorva::platform
