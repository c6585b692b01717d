#include "platform/menus/menu_layout.h"

#include <algorithm>

namespace zorva::platform::menus {

std::vector<Span> layout_bar(const Menu& bar, ScratchSurface& measure) {
  std::vector<Span> titles;
  titles.reserve(bar.items.size());
  int x = 0;
  for (const MenuItem& item : bar.items) {
    const int width = std::min(measure.text_width(item.label.text), kMaxTextWidth) + 2 * kTitlePadding;
    titles.push_back(Span{x, x + width});
    x += width;
  }
  return titles;
}

PopupLayout layout_popup(const Menu& popup, int x, int y, int frame_width, ScratchSurface& measure) {
  PopupLayout layout;
  const int item_height = measure.line_height() + 6;
  int widest_label = 0;
  int widest_hint = 0;
  int row = y + kPopupBorder;
  for (const MenuItem& item : popup.items) {
    const int height = item.separator() ? kSeparatorHeight : item_height;
    layout.items.push_back(Span{row, row + height});
    row += height;
    if (item.separator()) continue;
    widest_label = std::max(widest_label, std::min(measure.text_width(item.label.text), kMaxTextWidth));
    widest_hint = std::max(widest_hint, std::min(measure.text_width(item.label.hint), kMaxTextWidth));
  }
  const int hint_room = widest_hint > 0 ? kHintGap + widest_hint : 0;
  const int width = kPopupBorder + kCheckColumn + widest_label + hint_room + kRightMargin + kPopupBorder;
  // Keep the popup inside the frame when it fits; a popup wider than the frame starts at 0.
  int left = x;
  if (left + width > frame_width) left = std::max(0, frame_width - width);
  layout.box = RECT{left, y, left + width, row + kPopupBorder};
  layout.label_x = left + kPopupBorder + kCheckColumn;
  layout.hint_right = left + width - kPopupBorder - kRightMargin;
  return layout;
}

int title_at(const std::vector<Span>& titles, int x) {
  for (std::size_t i = 0; i < titles.size(); ++i)
    if (x >= titles[i].begin && x < titles[i].end) return static_cast<int>(i);
  return -1;
}

int item_at(const PopupLayout& layout, int x, int y) {
  if (x < layout.box.left + kPopupBorder || x >= layout.box.right - kPopupBorder) return -1;
  for (std::size_t i = 0; i < layout.items.size(); ++i)
    if (y >= layout.items[i].begin && y < layout.items[i].end) return static_cast<int>(i);
  return -1;
}

}  // namespace zorva::platform::menus
