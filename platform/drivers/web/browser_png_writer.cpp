// write_png in a web page: the browser encodes the picture, the file goes to the page's
// file system, and the page offers it as a download (it has nowhere else to keep it).
// zorva_png's writer in the web build; it lives with the web driver because it speaks to
// the same page.
#include <emscripten.h>

#include <vector>

#include "png/png_writer.h"
#include "png/size_check.h"

// Resolves to 0 once the file is written, 1 if the browser could not encode the pixels.
EM_ASYNC_JS(int, zorva_browser_write_png, (const char* path, const void* rgba, int width, int height), {
  try {
    const canvas = new OffscreenCanvas(width, height);
    const pixels = new Uint8ClampedArray(HEAPU8.subarray(rgba, rgba + width * height * 4));
    canvas.getContext('2d').putImageData(new ImageData(pixels, width, height), 0, 0);
    const blob = await canvas.convertToBlob({type: 'image/png'});
    const bytes = new Uint8Array(await blob.arrayBuffer());
    const name = UTF8ToString(path);
    FS.writeFile(name, bytes);
    if (Module.zorvaPage && Module.zorvaPage.fileSaved) Module.zorvaPage.fileSaved(name, bytes, 'image/png');
    return 0;
  } catch (e) {
    return 1;
  }
});

namespace zorva::png {

bool write_png(const std::string& path, int width, int height, const std::uint32_t* pixels,
               std::string& reason) {
  reason = size_problem(width, height);
  if (!reason.empty()) return false;
  if (pixels == nullptr) {
    reason = "no pixels were given";
    return false;
  }
  const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  std::vector<std::uint32_t> rgba(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint32_t p = pixels[i];
    rgba[i] = 0xFF000000u | ((p & 0xFFu) << 16) | (p & 0xFF00u) | ((p >> 16) & 0xFFu);
  }
  if (zorva_browser_write_png(path.c_str(), rgba.data(), width, height) != 0) {
    reason = "the browser could not write the picture";
    return false;
  }
  return true;
}

}  // namespace zorva::png
