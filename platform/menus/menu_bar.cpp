// SetMenu, GetMenu, DrawMenuBar: attaching a bar to a top-level window and showing it.
#include "platform/menus/menu.h"
#include "platform/menus/menu_hooks.h"
#include "platform/menus/menu_tracking.h"

using namespace zorva::platform;
using namespace zorva::platform::menus;

extern "C" {

BOOL WINAPI SetMenu(HWND hWnd, HMENU hMenu) {
  Window* window = find_window(hWnd);
  if (window == nullptr || (window->style & WS_CHILD) != 0) return FALSE;
  if (hMenu != nullptr && find_menu(hMenu) == nullptr) return FALSE;
  close_popups(*window);
  window->menu = hMenu;
  // The strip takes its rows from the client area: the window learns its new size at once
  // (also from inside WM_CREATE) and its client pixels are drawn again.
  RECT client{0, 0, 0, 0};
  GetClientRect(hWnd, &client);
  send_message(hWnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right - client.left, client.bottom - client.top));
  if (Window* still_there = find_window(hWnd)) {
    paint_bar(*still_there);
    framebuffer_changed(hWnd);
    InvalidateRect(hWnd, nullptr, TRUE);
  }
  return TRUE;
}

HMENU WINAPI GetMenu(HWND hWnd) {
  const Window* window = find_window(hWnd);
  if (window == nullptr || (window->style & WS_CHILD) != 0) return nullptr;
  return window->menu;
}

BOOL WINAPI DrawMenuBar(HWND hWnd) {
  Window* window = find_window(hWnd);
  if (window == nullptr || (window->style & WS_CHILD) != 0) return FALSE;
  paint_bar(*window);
  framebuffer_changed(hWnd);
  return TRUE;
}

}  // extern "C"
