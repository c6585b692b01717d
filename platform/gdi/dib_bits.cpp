// GetDIBits: a bitmap's pixels handed back in the device-independent layout. Provided here:
// 32-bit BI_RGB pixels at the bitmap's own width and height, top-down or bottom-up, with
// scan lines counted in the order the buffer holds them. Other requests get 0.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/gdi/gdi_lookup.h"

using namespace zorva::platform;

extern "C" {

int WINAPI GetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT cLines, LPVOID lpvBits,
                     LPBITMAPINFO lpbmi, UINT usage) {
  if (find_dc(hdc) == nullptr || lpvBits == nullptr || lpbmi == nullptr) return 0;
  const Bitmap* bitmap = find_gdi<Bitmap>(hbm);
  if (bitmap == nullptr || usage != DIB_RGB_COLORS) return 0;
  const BITMAPINFOHEADER& header = lpbmi->bmiHeader;
  if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biBitCount != 32 ||
      header.biCompression != BI_RGB) {
    return 0;
  }
  const Pixmap& source = bitmap->pixels;
  const bool top_down = header.biHeight < 0;
  const std::int64_t height = top_down ? -std::int64_t{header.biHeight} : header.biHeight;
  if (header.biWidth != source.width || height != source.height || start >= height) return 0;

  // A 32-bit DIB pixel holds blue in its low byte, as a 0x00RRGGBB pixmap pixel does.
  const std::int64_t lines = std::min<std::int64_t>(cLines, height - start);
  const std::size_t row_bytes = static_cast<std::size_t>(source.width) * sizeof(std::uint32_t);
  auto* out = static_cast<unsigned char*>(lpvBits);
  for (std::int64_t i = 0; i < lines; ++i) {
    const std::int64_t scan = start + i;
    const int row = static_cast<int>(top_down ? scan : height - 1 - scan);
    std::memcpy(out + static_cast<std::size_t>(i) * row_bytes, source.row(row), row_bytes);
  }
  return static_cast<int>(lines);
}

}  // extern "C"
