// Windows: the record behind an HWND, its class, and what other modules need of it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/handle_table.h"
#include "platform/core/pixmap.h"
#include "platform/win32.h"
#include "platform/windows/window_frame.h"

namespace zorva::platform {

struct WindowClass {
  std::string name;
  UINT style = 0;
  WNDPROC proc = nullptr;
  HINSTANCE instance = nullptr;
  HBRUSH background = nullptr;
};

// Full-width rows of a top-level window's framebuffer that show another pixmap instead: a
// bitmap copied there whole is shown straight from the bitmap until either side is drawn on
// (platform/gdi/shown_bitmap.h), so presenting it copies it once.
struct ShownRows {
  const Pixmap* pixels = nullptr;  // none: the framebuffer holds every row
  std::uintptr_t bitmap = 0;       // the bitmap whose pixels these are; 0: `picture`
  int top = 0;                     // framebuffer rows [top, bottom) show `pixels`' rows
  int bottom = 0;                  // from source_top on, from column source_left on
  int source_left = 0;
  int source_top = 0;
  Pixmap picture;  // the window's own: what the bitmap held when it was next drawn on
  Pixmap spare;    // storage handed to that bitmap in exchange for its pixels
};

struct Window {
  HWND handle = nullptr;
  std::string class_name;
  WNDPROC proc = nullptr;
  DWORD style = 0;
  DWORD ex_style = 0;
  std::string text;          // title, or a control's text
  HWND parent = nullptr;     // child windows (WS_CHILD) only
  HWND owner = nullptr;      // owned top-level windows (dialogs)
  std::vector<HWND> children;  // in creation order
  int id = 0;                // child window identifier (control id)
  HINSTANCE instance = nullptr;
  HBRUSH background = nullptr;
  RECT rect{0, 0, 0, 0};     // top-level: screen position and outer size, frame included;
                             // child: in the parent's client area
  HMENU menu = nullptr;      // menu bar (top-level windows)
  bool visible = false;
  bool enabled = true;
  bool invalid = false;      // needs WM_PAINT
  bool destroying = false;
  LONG_PTR user_data = 0;    // for built-in window procedures (dialogs, controls)
  Pixmap framebuffer;        // top-level windows: what the OS window shows, the menu strip
                             // and the client area (the outer size less the frame)
  ShownRows shown;              // top-level windows: rows shown from elsewhere
  std::uint32_t os_window = 0;  // the driver's id for top-level windows, 0 if none
};

HandleTable<Window>& windows();
Window* find_window(HWND hwnd);
const WindowClass* find_window_class(const std::string& name);

// The top-level window that holds this window's pixels (itself for a top-level window).
Window* top_level_of(HWND hwnd);

// Height of the menu strip at the top of a top-level window's framebuffer (0 without a menu).
int menu_bar_height(const Window& window);

// The frame round a top-level window's framebuffer (none round a child window's).
FrameInsets frame_of(const Window& window);
// The screen rectangle a top-level window's framebuffer covers: its outer rectangle less
// its frame. Drivers place their OS windows there.
RECT shown_rect(const Window& window);
// The screen position of a window's client area's top-left corner.
POINT client_origin_on_screen(HWND hwnd);

// Where a window's client area lies in its top-level framebuffer, and the box it may draw in
// (framebuffer coordinates, right and bottom exclusive, clipped to every ancestor).
struct ClientView {
  Pixmap* pixmap = nullptr;
  int client_x = 0;
  int client_y = 0;
  RECT clip{0, 0, 0, 0};
};
bool client_view(HWND hwnd, ClientView& out);

// Marks a top-level window's framebuffer as changed so the driver presents it.
void framebuffer_changed(HWND hwnd);

// Sends a message straight to a window's procedure (no queue).
LRESULT send_message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace zorva::platform
