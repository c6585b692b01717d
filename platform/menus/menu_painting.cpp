// Drawing the menu bar into the window's top strip and the open popup over a presented frame.
#include <algorithm>

#include "platform/gdi/shown_bitmap.h"
#include "platform/menus/menu_hooks.h"
#include "platform/menus/menu_layout.h"
#include "platform/menus/menu_tracking.h"

namespace zorva::platform::menus {
namespace {

bool popup_open_on(const Window& window) {
  const MenuTracking& t = tracking();
  return t.window == window.handle && t.mode == MenuMode::PopupOpen;
}

// The classic tick: a 7-pixel-wide check mark, three pixels thick, centred at (cx, cy).
void draw_check(ScratchSurface& surface, int cx, int cy, std::uint32_t pixel) {
  static constexpr int kRise[7] = {2, 1, 0, 1, 2, 3, 4};  // height above the lowest row
  for (int i = 0; i < 7; ++i) {
    const int x = cx - 3 + i;
    const int y = cy + 1 - kRise[i];
    surface.fill(x, y, x + 1, y + 3, pixel);
  }
}

}  // namespace

int bar_height(HMENU bar) { return find_menu(bar) != nullptr ? kBarHeight : 0; }

void paint_bar(Window& window) {
  const Menu* bar = find_menu(window.menu);
  Pixmap& frame = window.framebuffer;
  if (bar == nullptr || frame.width <= 0 || frame.height <= 0) return;
  settle_shown_rows(window);  // the strip is drawn straight into the framebuffer
  const MenuTracking& t = tracking();
  const bool active = t.window == window.handle && t.mode != MenuMode::Idle;

  ScratchSurface strip(frame.width, kBarHeight, kFaceColor);
  const std::vector<Span> titles = layout_bar(*bar, strip);
  const int text_y = (kBarHeight - strip.line_height()) / 2;
  for (std::size_t i = 0; i < titles.size(); ++i) {
    const MenuItem& item = bar->items[i];
    const bool selected = active && t.title == static_cast<int>(i);
    if (selected) strip.fill(titles[i].begin, 1, titles[i].end, kBarHeight - 1, kHighlightColor);
    const std::uint32_t ink = selected ? kHighlightTextColor : item.grayed() ? kGrayTextColor : kTextColor;
    const int x = titles[i].begin + kTitlePadding;
    strip.text(x, text_y, item.label.text, ink);
    strip.underline(x, text_y, item.label.text, item.label.underline, ink);
  }
  strip.copy_to(frame, 0, 0, RECT{0, 0, frame.width, std::min(frame.height, kBarHeight)});
}

bool has_overlay(const Window& window) {
  if (!popup_open_on(window)) return false;
  const Menu* bar = find_menu(window.menu);
  const int title = tracking().title;
  return bar != nullptr && title >= 0 && static_cast<std::size_t>(title) < bar->items.size() &&
         find_menu(bar->items[static_cast<std::size_t>(title)].popup) != nullptr;
}

void paint_overlay(const Window& window, Pixmap& frame) {
  if (!has_overlay(window)) return;
  const Menu& bar = *find_menu(window.menu);
  const MenuTracking& t = tracking();
  const Menu& popup = *find_menu(bar.items[static_cast<std::size_t>(t.title)].popup);

  ScratchSurface measure(1, 1, kFaceColor);
  const std::vector<Span> titles = layout_bar(bar, measure);
  const PopupLayout layout =
      layout_popup(popup, titles[static_cast<std::size_t>(t.title)].begin, kBarHeight, frame.width, measure);
  const int left = layout.box.left;
  const int top = layout.box.top;
  ScratchSurface surface(layout.box.right - left, layout.box.bottom - top, kFaceColor);
  surface.edge(0, 0, surface.width(), surface.height(), false);

  for (std::size_t i = 0; i < popup.items.size(); ++i) {
    const MenuItem& item = popup.items[i];
    const int row_top = layout.items[i].begin - top;
    const int row_bottom = layout.items[i].end - top;
    const int inner_left = kPopupBorder;
    const int inner_right = surface.width() - kPopupBorder;
    if (item.separator()) {
      const int mid = (row_top + row_bottom) / 2;
      surface.fill(inner_left, mid - 1, inner_right, mid, kShadowColor);
      surface.fill(inner_left, mid, inner_right, mid + 1, kLightColor);
      continue;
    }
    const bool highlighted = t.item == static_cast<int>(i);
    if (highlighted) surface.fill(inner_left, row_top, inner_right, row_bottom, kHighlightColor);
    const int text_y = row_top + (row_bottom - row_top - surface.line_height()) / 2;
    const int label_x = layout.label_x - left;
    const int hint_right = layout.hint_right - left;
    const bool gray = item.grayed() || item.has_popup();
    const std::uint32_t ink = highlighted ? (gray ? kGrayTextColor : kHighlightTextColor)
                                          : (gray ? kGrayTextColor : kTextColor);
    // Greyed text keeps the classic etched look: a white copy one pixel down and right.
    if (gray && !highlighted) {
      surface.text(label_x + 1, text_y + 1, item.label.text, kLightColor);
      surface.text(hint_right - surface.text_width(item.label.hint) + 1, text_y + 1, item.label.hint, kLightColor);
    }
    if (item.checked()) draw_check(surface, inner_left + kCheckColumn / 2, (row_top + row_bottom) / 2, ink);
    surface.text(label_x, text_y, item.label.text, ink);
    surface.underline(label_x, text_y, item.label.text, item.label.underline, ink);
    if (!item.label.hint.empty())
      surface.text(hint_right - surface.text_width(item.label.hint), text_y, item.label.hint, ink);
  }
  surface.copy_to(frame, left, top, RECT{0, 0, frame.width, frame.height});
}

}  // namespace zorva::platform::menus
