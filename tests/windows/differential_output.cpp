#include "differential_output.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "internal/library_state.h"

namespace windiff {

bool write_surface_ppm(const char* path) {
  using namespace zorva;
  std::FILE* file = std::fopen(path, "wb");
  if (file == nullptr) return false;
  std::vector<unsigned char> rgb;
  rgb.reserve(static_cast<std::size_t>(kSurfaceWidth) * kSurfaceHeight * 3);
  for (int y = 0; y < kSurfaceHeight; ++y) {
    for (int x = 0; x < kSurfaceWidth; ++x) {
      const COLORREF color = GetPixel(g_state.offscreen_dc, x, y);
      rgb.push_back(GetRValue(color));
      rgb.push_back(GetGValue(color));
      rgb.push_back(GetBValue(color));
    }
  }
  std::fprintf(file, "P6\n%d %d\n255\n", kSurfaceWidth, kSurfaceHeight);
  const bool written = std::fwrite(rgb.data(), 1, rgb.size(), file) == rgb.size();
  return std::fclose(file) == 0 && written;
}

void fix_origin() {
  zorva::g_state.origin_x = zorva::kSurfaceWidth / 2;
  zorva::g_state.origin_y = zorva::kSurfaceHeight / 2;
}

std::FILE* open_output(const char* path) {
  std::FILE* file = std::fopen(path, "w");
  if (file == nullptr) {
    std::fprintf(stderr, "cannot write %s\n", path);
    std::exit(2);
  }
  return file;
}

void write_geometry(std::FILE* out) {
  using namespace zorva;
  RECT client{};
  GetClientRect(g_state.draw_window, &client);
  std::fprintf(out, "# drawing window: client %ld %ld %ld %ld, origin %d %d\n", static_cast<long>(client.left),
               static_cast<long>(client.top), static_cast<long>(client.right),
               static_cast<long>(client.bottom), g_state.origin_x, g_state.origin_y);
  RECT text{};
  GetClientRect(g_state.text_window, &text);
  std::fprintf(out, "# text window: client %ld %ld %ld %ld, screen %d x %d\n", static_cast<long>(text.left),
               static_cast<long>(text.top), static_cast<long>(text.right), static_cast<long>(text.bottom),
               GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

void write_log_ring(std::FILE* out) {
  using namespace zorva;
  int slot = g_state.log_first;
  for (int count = 0; slot >= 0 && count < kLogRingSize && !(count > 0 && slot == g_state.log_next);
       ++count) {
    HGLOBAL block = g_state.log_lines[slot];
    if (const char* line = static_cast<const char*>(GlobalLock(block))) {
      const std::size_t length = std::strcspn(line, "\n");
      std::fprintf(out, "log: %.*s\n", static_cast<int>(length), line);
      GlobalUnlock(block);
    }
    slot = slot == kLogRingSize - 1 ? 0 : slot + 1;
  }
}

}  // namespace windiff
