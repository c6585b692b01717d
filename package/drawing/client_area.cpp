// Reading the shown pixels back through GDI, for saving the picture.
#include <algorithm>

#include "internal/client_area.h"
#include "internal/library_state.h"
#include "platform/win32.h"

namespace zorva {

bool read_client_area(png::RgbImage& picture) {
  const LibraryState& s = g_state;
  if (s.draw_window == nullptr || s.window_dc == nullptr) return false;
  RECT client{};
  GetClientRect(s.draw_window, &client);
  const long long client_width = static_cast<long long>(client.right) - client.left;
  const long long client_height = static_cast<long long>(client.bottom) - client.top;
  const int width = static_cast<int>(std::clamp<long long>(client_width, 0, kSurfaceWidth));
  const int height = static_cast<int>(std::clamp<long long>(client_height, 0, kSurfaceHeight));
  if (width == 0 || height == 0) return false;

  // GetDIBits wants a bitmap that no DC holds, and the surface is held by its own: copy the
  // shown part into a bitmap of its own first.
  HBITMAP copy = CreateCompatibleBitmap(s.window_dc, width, height);
  HDC copy_dc = CreateCompatibleDC(s.window_dc);
  HGDIOBJ previous = SelectObject(copy_dc, copy);
  BitBlt(copy_dc, 0, 0, width, height, s.offscreen_dc, 0, 0, SRCCOPY);
  SelectObject(copy_dc, previous);
  DeleteDC(copy_dc);

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  picture.width = width;
  picture.height = height;
  picture.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
  const int lines = GetDIBits(s.window_dc, copy, 0, static_cast<UINT>(height),
                              picture.pixels.data(), &info, DIB_RGB_COLORS);
  DeleteObject(copy);
  // A 32-bit DIB pixel is 0x00RRGGBB; its top byte is not defined.
  for (std::uint32_t& pixel : picture.pixels) pixel &= 0x00FFFFFFu;
  return lines == height;
}

}  // namespace zorva
