#include "platform/dialogs/control_paint.h"

#include "platform/gdi/shown_bitmap.h"
#include "platform/state/platform_state.h"
#include "platform/windows/window.h"

namespace zorva::platform::dialogs {

ScratchSurface surface_for(HWND hwnd, std::uint32_t fill) {
  RECT client{0, 0, 0, 0};
  GetClientRect(hwnd, &client);
  return ScratchSurface(client.right - client.left, client.bottom - client.top, fill);
}

void show_surface(HWND hwnd, const ScratchSurface& surface) {
  ClientView view;
  if (!client_view(hwnd, view) || view.pixmap == nullptr) return;
  settle_shown_rows_of(hwnd);
  surface.copy_to(*view.pixmap, view.client_x, view.client_y, view.clip);
  framebuffer_changed(hwnd);
}

const CharWidths& control_char_widths() {
  std::optional<CharWidths>& widths = platform_state().dialogs.control_char_widths;
  if (!widths) {
    CharWidths table{};
    ScratchSurface measure(1, 1, kFaceColor);
    for (int c = 1; c < 256; ++c) {
      const char ch = static_cast<char>(static_cast<unsigned char>(c));
      table[static_cast<std::size_t>(c)] = measure.text_width(std::string_view(&ch, 1));
    }
    widths = table;
  }
  return *widths;
}

}  // namespace zorva::platform::dialogs
