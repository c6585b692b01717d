// Creating and destroying windows, with the messages Windows sends on the way.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <utility>

#include "platform/driver/driver.h"
#include "platform/gdi/gdi_lookup.h"
#include "platform/gdi/shown_bitmap.h"
#include "platform/menus/menu_hooks.h"
#include "platform/messages/input.h"
#include "platform/messages/message_queue.h"
#include "platform/messages/timers.h"
#include "platform/windows/window.h"
#include "platform/windows/window_internal.h"

namespace zorva::platform {
namespace {

// The layout of Windows' CREATESTRUCTA, whose address WM_CREATE carries in lParam; its first
// field is the lpParam given to CreateWindowExA.
struct CreateStruct {
  LPVOID lpCreateParams;
  HINSTANCE hInstance;
  HMENU hMenu;
  HWND hwndParent;
  int cy;
  int cx;
  int y;
  int x;
  LONG style;
  LPCSTR lpszName;
  LPCSTR lpszClass;
  DWORD dwExStyle;
};

constexpr int kDefaultX = 0;
constexpr int kDefaultY = 0;
constexpr int kDefaultWidth = 640;
constexpr int kDefaultHeight = 480;

int clamp_position(int v, int fallback) {
  if (v == CW_USEDEFAULT) return fallback;
  return std::clamp(v, -kMaxCoordinate, kMaxCoordinate);
}
int clamp_size(int v, int fallback) {
  if (v == CW_USEDEFAULT) return fallback;
  return std::clamp(v, 0, kMaxWindowSide);
}

std::uint32_t background_pixel(HBRUSH brush) {
  if (const Brush* b = find_gdi<Brush>(brush); b && !b->hollow) return pixel_from_colorref(b->color);
  return 0xFFFFFF;
}

void unlink_from_parent(Window& window) {
  if (Window* parent = find_window(window.parent)) {
    auto& siblings = parent->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), window.handle), siblings.end());
  }
}

}  // namespace

void erase_background(HWND hwnd) {
  Window* window = find_window(hwnd);
  ClientView view;
  if (!window || !client_view(hwnd, view) || !view.pixmap) return;
  if (!find_gdi<Brush>(window->background)) return;
  settle_shown_rows_of(hwnd);  // written straight below
  const std::uint32_t pixel = background_pixel(window->background);
  const LONG right = std::min<LONG>(view.clip.right, view.pixmap->width);
  const LONG bottom = std::min<LONG>(view.clip.bottom, view.pixmap->height);
  for (LONG y = std::max<LONG>(view.clip.top, 0); y < bottom; ++y) {
    std::uint32_t* row = view.pixmap->row(y);
    for (LONG x = std::max<LONG>(view.clip.left, 0); x < right; ++x) row[x] = pixel;
  }
  framebuffer_changed(hwnd);
}

}  // namespace zorva::platform

using namespace zorva::platform;

extern "C" {

HWND WINAPI CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle,
                            int X, int Y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu,
                            HINSTANCE hInstance, LPVOID lpParam) {
  if (!lpClassName || reinterpret_cast<std::uintptr_t>(lpClassName) <= 0xFFFF) return nullptr;
  const WindowClass* window_class = find_window_class(lpClassName);
  if (!window_class) return nullptr;
  const bool child = (dwStyle & WS_CHILD) != 0;
  Window* parent = find_window(hWndParent);
  if (hWndParent && !parent) return nullptr;
  if (child && !parent) return nullptr;  // a child window needs a parent
  if (parent && parent->destroying) return nullptr;

  auto window = std::make_unique<Window>();
  window->class_name = window_class->name;
  window->proc = window_class->proc;
  window->style = effective_style(dwStyle) & ~static_cast<DWORD>(WS_VISIBLE);
  window->ex_style = dwExStyle;
  window->text = lpWindowName ? lpWindowName : "";
  window->instance = hInstance;
  window->background = window_class->background;
  window->enabled = (dwStyle & WS_DISABLED) == 0;
  const int x = clamp_position(X, kDefaultX);
  const int y = clamp_position(Y, child ? 0 : kDefaultY);
  const int width = clamp_size(nWidth, kDefaultWidth);
  const int height = clamp_size(nHeight, kDefaultHeight);
  window->rect = RECT{x, y, x + width, y + height};
  if (child) {
    window->parent = hWndParent;
    window->id = static_cast<int>(reinterpret_cast<std::uintptr_t>(hMenu));
  } else {
    // A top-level window with a parent is owned by that parent's top-level window.
    if (parent) window->owner = top_level_of(hWndParent)->handle;
    window->menu = hMenu;
    // The frame is the window manager's to draw: the framebuffer holds what lies inside it.
    const RECT shown = shown_rect(*window);
    window->framebuffer =
        Pixmap(shown.right - shown.left, shown.bottom - shown.top, background_pixel(window_class->background));
  }

  const HWND hwnd = to_handle<HWND>(windows().add(std::move(window)));
  if (!hwnd) return nullptr;
  Window* created = find_window(hwnd);
  created->handle = hwnd;
  if (child) parent->children.push_back(hwnd);

  CreateStruct create{lpParam, hInstance, hMenu, hWndParent, height, width, y, x,
                      static_cast<LONG>(dwStyle), lpWindowName, lpClassName, dwExStyle};
  if (send_message(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
    DestroyWindow(hwnd);
    return nullptr;
  }
  if (!find_window(hwnd)) return nullptr;  // the window destroyed itself while being created
  send_size(hwnd);
  if (dwStyle & WS_VISIBLE) ShowWindow(hwnd, SW_SHOW);
  return find_window(hwnd) ? hwnd : nullptr;
}

BOOL WINAPI DestroyWindow(HWND hWnd) {
  Window* window = find_window(hWnd);
  if (!window || window->destroying) return FALSE;
  const HWND owner = window->owner;

  // Owned windows (dialogs) go first, then the window with its children.
  std::vector<HWND> owned;
  windows().for_each([&](std::uint32_t, Window& w) {
    if (w.owner == hWnd) owned.push_back(w.handle);
  });
  for (HWND o : owned) DestroyWindow(o);

  std::vector<HWND> tree = window_tree(hWnd);
  for (HWND h : tree)
    if (Window* w = find_window(h)) w->destroying = true;

  auto& records = window_records();
  if (records.focus && is_within(records.focus, hWnd)) {
    const HWND old_focus = records.focus;
    records.focus = nullptr;
    send_message(old_focus, WM_KILLFOCUS, 0, 0);
  }
  if (Window* top = find_window(hWnd); top && !top->parent) {
    menus::close_popups(*top);
    // A window takes its menu bar with it, as on Windows.
    if (top->menu) DestroyMenu(std::exchange(top->menu, nullptr));
    if (top->os_window) driver().close_window(*top);
    top->os_window = 0;
    top->visible = false;
  }

  // WM_DESTROY parent first, then children; the records go children first.
  for (HWND h : tree) send_message(h, WM_DESTROY, 0, 0);
  for (auto it = tree.rbegin(); it != tree.rend(); ++it) send_message(*it, WM_NCDESTROY, 0, 0);
  for (auto it = tree.rbegin(); it != tree.rend(); ++it) {
    Window* w = find_window(*it);
    if (!w) continue;
    unlink_from_parent(*w);
    kill_timers_of(*it);
    purge_messages_for(*it);
    forget_pointer_window(*it);
    auto& erase = records.erase_pending;
    erase.erase(std::remove(erase.begin(), erase.end(), *it), erase.end());
    auto& changed = records.changed;
    changed.erase(std::remove(changed.begin(), changed.end(), *it), changed.end());
    if (records.active == *it) records.active = nullptr;
    if (records.focus == *it) records.focus = nullptr;
    if (Window* window = find_window(*it)) forget_shown_rows(*window);
    windows().remove(from_handle(*it));
  }
  // Closing an owned window (a dialog) gives the keyboard back to its owner.
  if (!records.focus && owner && find_window(owner)) {
    records.active = owner;
    SetFocus(owner);
  }
  return TRUE;
}

}  // extern "C"
