// What the window modules share among themselves and with the message queue: the window
// records with the focus, the windows whose pixels changed, painting state and the tree walks.
#pragma once

#include <vector>

#include "platform/windows/window.h"

namespace zorva::platform {

// Largest framebuffer side we allocate, and the range window coordinates are kept in.
inline constexpr int kMaxWindowSide = 4096;
inline constexpr int kMaxCoordinate = 32767;

// The platform's windows: the table behind HWNDs, the keyboard focus, and what waits to be
// presented or erased.
struct WindowRecords {
  HandleTable<Window> table{HandleKind::Window};
  HWND focus = nullptr;        // the window that receives keys
  HWND active = nullptr;       // the top-level window the focus lies in (or the last shown)
  std::vector<HWND> changed;   // top-level windows whose framebuffer must be presented
  std::vector<HWND> erase_pending;  // windows whose next BeginPaint erases the background
};
WindowRecords& window_records();

// The window and all of its descendants, parent before children.
std::vector<HWND> window_tree(HWND root);
// True if `window` is `ancestor` or lies inside it.
bool is_within(HWND window, HWND ancestor);
// Visible itself and every ancestor visible.
bool is_shown(const Window& window);

// Client size of a window (top-level: outer size less the menu strip).
RECT client_rect_of(const Window& window);
void send_size(HWND hwnd);

// Marks the window and its children as needing WM_PAINT (and erasing, if asked).
void invalidate_tree(HWND hwnd, bool erase);
// Fills the client area with the window's background brush colour.
void erase_background(HWND hwnd);

}  // namespace zorva::platform
