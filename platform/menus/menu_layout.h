// Where the bar titles and popup items lie, in framebuffer coordinates.
#pragma once

#include <vector>

#include "platform/menus/menu.h"
#include "platform/ui/scratch_surface.h"
#include "platform/windows/window_frame.h"

namespace zorva::platform::menus {

inline constexpr int kBarHeight = metrics::kMenu;  // the strip is SM_CYMENU high
inline constexpr int kTitlePadding = 7;     // left and right of a bar title's text
inline constexpr int kPopupBorder = 3;      // raised edge plus one pixel of face
inline constexpr int kCheckColumn = 18;     // room for the check mark left of the labels
inline constexpr int kHintGap = 24;         // between the longest label and the hints
inline constexpr int kRightMargin = 16;
inline constexpr int kSeparatorHeight = 9;
inline constexpr int kMaxTextWidth = 2000;  // a longer label or hint is cut off

struct Span {
  int begin = 0;
  int end = 0;  // exclusive
};

// The bar's titles left to right, x ranges starting at the strip's left edge.
std::vector<Span> layout_bar(const Menu& bar, ScratchSurface& measure);

struct PopupLayout {
  RECT box{0, 0, 0, 0};     // the whole popup, frame included
  int label_x = 0;          // where labels start
  int hint_right = 0;       // where right-aligned hints end
  std::vector<Span> items;  // each item's rows
};

// The popup placed under a bar title at (x, y), moved left to stay inside a frame of the
// given width when it can.
PopupLayout layout_popup(const Menu& popup, int x, int y, int frame_width, ScratchSurface& measure);

// Hit tests: index of the title or item under the point, or -1.
int title_at(const std::vector<Span>& titles, int x);
int item_at(const PopupLayout& layout, int x, int y);

}  // namespace zorva::platform::menus
