// The "Button" control (push buttons): a raised face with centred text, a thicker frame for
// the default button, pressed by a click inside it or by Space while it has the focus.
#include "platform/core/ascii.h"
#include "platform/dialogs/control_paint.h"
#include "platform/dialogs/controls.h"
#include "platform/dialogs/dialog_state.h"
#include "platform/ui/menu_label.h"
#include "platform/windows/window.h"

namespace zorva::platform::dialogs {
namespace {

// Window::user_data bits of a button.
constexpr LONG_PTR kMouseDown = 1;  // the left button went down inside and is still held
constexpr LONG_PTR kSpaceDown = 2;  // Space went down while focused

bool class_is(HWND hwnd, const char* name) {
  const Window* window = find_window(hwnd);
  return window != nullptr && ascii_equal_ignoring_case(window->class_name, name);
}

void set_flag(HWND hwnd, LONG_PTR flag, bool on) {
  Window* window = find_window(hwnd);
  if (window == nullptr) return;
  const LONG_PTR before = window->user_data;
  window->user_data = on ? (before | flag) : (before & ~flag);
  if (window->user_data != before) InvalidateRect(hwnd, nullptr, FALSE);
}

bool has_flag(HWND hwnd, LONG_PTR flag) {
  const Window* window = find_window(hwnd);
  return window != nullptr && (window->user_data & flag) != 0;
}

void paint_button(HWND hwnd) {
  const Window* window = find_window(hwnd);
  if (window == nullptr) return;
  ScratchSurface surface = surface_for(hwnd, kFaceColor);
  const int w = surface.width();
  const int h = surface.height();
  const bool pressed = (window->user_data & (kMouseDown | kSpaceDown)) != 0;
  const bool focused = GetFocus() == hwnd;
  const bool is_default = (window->style & 0x0F) == BS_DEFPUSHBUTTON;
  int inset = 0;
  if (is_default || focused) {
    surface.outline(0, 0, w, h, kTextColor);  // the default button's extra black frame
    inset = 1;
  }
  if (pressed) {
    surface.outline(inset, inset, w - inset, h - inset, kShadowColor);
  } else {
    surface.edge(inset, inset, w - inset, h - inset, false);
  }
  const menus::MenuLabel label = menus::parse_menu_label(window->text);
  const int text_w = surface.text_width(label.text);
  const int shift = pressed ? 1 : 0;
  const int x = (w - text_w) / 2 + shift;
  const int y = (h - surface.line_height()) / 2 + shift;
  const std::uint32_t ink = window->enabled ? kTextColor : kGrayTextColor;
  surface.text(x, y, label.text, ink);
  surface.underline(x, y, label.text, label.underline, ink);
  if (focused) {
    // Dotted focus rectangle inside the edge.
    const int l = inset + 3, t = inset + 3, r = w - inset - 3, b = h - inset - 3;
    for (int i = l; i < r; i += 2) {
      surface.fill(i, t, i + 1, t + 1, kTextColor);
      surface.fill(i, b - 1, i + 1, b, kTextColor);
    }
    for (int j = t; j < b; j += 2) {
      surface.fill(l, j, l + 1, j + 1, kTextColor);
      surface.fill(r - 1, j, r, j + 1, kTextColor);
    }
  }
  show_surface(hwnd, surface);
}

}  // namespace

bool is_button(HWND hwnd) { return class_is(hwnd, "Button"); }
bool is_edit(HWND hwnd) { return class_is(hwnd, "Edit"); }

bool is_default_button(HWND hwnd) {
  const Window* window = find_window(hwnd);
  return is_button(hwnd) && (window->style & 0x0F) == BS_DEFPUSHBUTTON;
}

void click_button(HWND button) {
  const Window* window = find_window(button);
  if (window == nullptr || !window->enabled) return;
  const HWND parent = window->parent;
  const WPARAM command = MAKEWPARAM(static_cast<WORD>(window->id), BN_CLICKED);
  send_message(parent, WM_COMMAND, command, reinterpret_cast<LPARAM>(button));
}

LRESULT CALLBACK button_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      paint_window(hwnd, paint_button);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_GETDLGCODE:
      return DLGC_BUTTON | (is_default_button(hwnd) ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
      if (message == WM_SETFOCUS) remember_focus(hwnd);
      if (message == WM_KILLFOCUS) set_flag(hwnd, kMouseDown | kSpaceDown, false);
      InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus(hwnd);
      set_flag(hwnd, kMouseDown, true);
      return 0;
    case WM_LBUTTONUP:
      // A click is a press and a release both inside the button.
      if (has_flag(hwnd, kMouseDown)) {
        set_flag(hwnd, kMouseDown, false);
        click_button(hwnd);
      }
      return 0;
    case WM_KEYDOWN:
      if (wparam == VK_SPACE && (lparam & (1 << 30)) == 0) set_flag(hwnd, kSpaceDown, true);
      return 0;
    case WM_KEYUP:
      if (wparam == VK_SPACE && has_flag(hwnd, kSpaceDown)) {
        set_flag(hwnd, kSpaceDown, false);
        click_button(hwnd);
      }
      return 0;
    case WM_SETTEXT:
      return set_text_and_repaint(hwnd, message, wparam, lparam);
    default:
      return DefWindowProcA(hwnd, message, wparam, lparam);
  }
}

}  // namespace zorva::platform::dialogs
