// The window table and the geometry every module asks about: which top-level window holds a
// window's pixels, where its client area lies there, and which framebuffers changed.
#include <algorithm>
#include <cstdint>

#include "platform/menus/menu_hooks.h"
#include "platform/state/platform_state.h"
#include "platform/windows/window.h"
#include "platform/windows/window_internal.h"

namespace zorva::platform {

HandleTable<Window>& windows() { return platform_state().windows.table; }

WindowRecords& window_records() { return platform_state().windows; }

Window* find_window(HWND hwnd) { return windows().find(from_handle(hwnd)); }

Window* top_level_of(HWND hwnd) {
  Window* window = find_window(hwnd);
  // Parents always outlive their children, so this walk ends at a live top-level window.
  while (window && window->parent) window = find_window(window->parent);
  return window;
}

FrameInsets frame_of(const Window& window) {
  if (window.parent) return FrameInsets{};
  return frame_insets(window.style, window.ex_style);
}

RECT shown_rect(const Window& window) {
  const FrameInsets frame = frame_of(window);
  // Window coordinates stay within kMaxCoordinate and sides within kMaxWindowSide, so
  // none of this can overflow; a frame larger than the window leaves nothing shown.
  const LONG left = window.rect.left + frame.left;
  const LONG top = window.rect.top + frame.top;
  return RECT{left, top, std::max<LONG>(left, window.rect.right - frame.right),
              std::max<LONG>(top, window.rect.bottom - frame.bottom)};
}

int menu_bar_height(const Window& window) {
  if (window.parent || !window.menu) return 0;
  const RECT shown = shown_rect(window);
  return std::clamp<int>(menus::bar_height(window.menu), 0, shown.bottom - shown.top);
}

RECT client_rect_of(const Window& window) {
  if (!window.parent) {
    const RECT shown = shown_rect(window);
    return RECT{0, 0, shown.right - shown.left, shown.bottom - shown.top - menu_bar_height(window)};
  }
  const LONG width = std::max<LONG>(window.rect.right - window.rect.left, 0);
  const LONG height = std::max<LONG>(window.rect.bottom - window.rect.top, 0);
  return RECT{0, 0, width, height};
}

POINT client_origin_on_screen(HWND hwnd) {
  const Window* top = top_level_of(hwnd);
  ClientView view;
  if (!top || !client_view(hwnd, view)) return POINT{0, 0};
  const RECT shown = shown_rect(*top);
  return POINT{shown.left + view.client_x, shown.top + view.client_y};
}

bool client_view(HWND hwnd, ClientView& out) {
  // The chain from the window up to its top-level window, walked without recursion so any
  // depth of nesting is safe.
  std::vector<const Window*> chain;
  for (const Window* w = find_window(hwnd); w; w = find_window(w->parent)) chain.push_back(w);
  if (chain.empty()) return false;
  Window* top = find_window(chain.back()->handle);
  out.pixmap = &top->framebuffer;
  out.client_x = 0;
  out.client_y = menu_bar_height(*top);
  out.clip = RECT{0, out.client_y, top->framebuffer.width, top->framebuffer.height};
  // Offsets add up in 64 bits and stay far inside int range.
  const auto clamp = [](std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, -(std::int64_t{1} << 30), std::int64_t{1} << 30));
  };
  for (auto it = chain.rbegin() + 1; it != chain.rend(); ++it) {
    const Window& window = **it;
    out.client_x = clamp(std::int64_t{out.client_x} + window.rect.left);
    out.client_y = clamp(std::int64_t{out.client_y} + window.rect.top);
    const RECT client = client_rect_of(window);
    out.clip.left = std::max<LONG>(out.clip.left, out.client_x);
    out.clip.top = std::max<LONG>(out.clip.top, out.client_y);
    out.clip.right = std::min<LONG>(out.clip.right, clamp(std::int64_t{out.client_x} + client.right));
    out.clip.bottom = std::min<LONG>(out.clip.bottom, clamp(std::int64_t{out.client_y} + client.bottom));
    if (out.clip.right < out.clip.left) out.clip.right = out.clip.left;
    if (out.clip.bottom < out.clip.top) out.clip.bottom = out.clip.top;
  }
  return true;
}

void framebuffer_changed(HWND hwnd) {
  Window* top = top_level_of(hwnd);
  if (!top) return;
  auto& changed = window_records().changed;
  if (std::find(changed.begin(), changed.end(), top->handle) == changed.end()) changed.push_back(top->handle);
}

std::vector<HWND> window_tree(HWND root) {
  std::vector<HWND> out;
  if (!find_window(root)) return out;
  out.push_back(root);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const Window* window = find_window(out[i]);
    if (!window) continue;
    for (HWND child : window->children)
      if (find_window(child)) out.push_back(child);
  }
  // Breadth-first keeps every parent before its children, which is all callers need.
  return out;
}

bool is_within(HWND window, HWND ancestor) {
  for (const Window* w = find_window(window); w; w = find_window(w->parent))
    if (w->handle == ancestor) return true;
  return false;
}

bool is_shown(const Window& window) {
  for (const Window* w = &window; w; w = find_window(w->parent))
    if (!w->visible) return false;
  return true;
}

}  // namespace zorva::platform
