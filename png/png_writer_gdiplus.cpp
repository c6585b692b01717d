// write_png on Windows, where there is no libpng: GDI+ (its flat interface) encodes the file.
#include <windows.h>
#include <gdiplus.h>

#include <string>
#include <vector>

#include "png/png_writer.h"
#include "png/size_check.h"

namespace zorva::png {
namespace {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

// The system's words for a Windows error code.
std::string system_message(DWORD code) {
  char text[256] = {};
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, code, 0, text, sizeof text, nullptr);
  std::string message(text, length);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                              message.back() == '.' || message.back() == ' ')) {
    message.pop_back();
  }
  return message.empty() ? "Windows error " + std::to_string(code) : message;
}

std::string status_message(GpStatus status) {
  if (status == Win32Error) return system_message(GetLastError());
  if (status == OutOfMemory) return "not enough memory";
  if (status == AccessDenied) return "Access is denied";
  return "GDI+ status " + std::to_string(static_cast<int>(status));
}

// The class identifier of the system's PNG encoder.
bool find_png_encoder(CLSID& encoder) {
  UINT count = 0;
  UINT bytes = 0;
  if (GdipGetImageEncodersSize(&count, &bytes) != Ok || bytes == 0) return false;
  std::vector<BYTE> buffer(bytes);
  auto* codecs = reinterpret_cast<ImageCodecInfo*>(buffer.data());
  if (GdipGetImageEncoders(count, bytes, codecs) != Ok) return false;
  for (UINT i = 0; i < count; ++i) {
    if (codecs[i].MimeType != nullptr && std::wstring(codecs[i].MimeType) == L"image/png") {
      encoder = codecs[i].Clsid;
      return true;
    }
  }
  return false;
}

std::wstring wide_path(const std::string& path) {
  const int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
  if (length <= 0) return L"";
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), length);
  wide.pop_back();  // the terminator
  return wide;
}

// Encodes with GDI+ running; empty on success, else why not.
std::string encode(const std::wstring& path, int width, int height, const std::uint32_t* pixels) {
  CLSID encoder{};
  if (!find_png_encoder(encoder)) return "this system has no PNG encoder";
  // A 32-bit RGB bitmap's pixel is 0x00RRGGBB in memory order, as ours are. GDI+ only reads
  // them here, so handing it the const pixels is safe.
  GpBitmap* bitmap = nullptr;
  GpStatus status = GdipCreateBitmapFromScan0(
      width, height, width * 4, PixelFormat32bppRGB,
      reinterpret_cast<BYTE*>(const_cast<std::uint32_t*>(pixels)), &bitmap);
  if (status != Ok) return status_message(status);
  SetLastError(ERROR_SUCCESS);
  status = GdipSaveImageToFile(bitmap, path.c_str(), &encoder, nullptr);
  std::string reason = status == Ok ? "" : status_message(status);
  GdipDisposeImage(bitmap);
  return reason;
}

}  // namespace

bool write_png(const std::string& path, int width, int height, const std::uint32_t* pixels,
               std::string& reason) {
  reason = size_problem(width, height);
  if (!reason.empty()) return false;
  if (pixels == nullptr) {
    reason = "no pixels were given";
    return false;
  }
  const std::wstring wide = wide_path(path);
  if (wide.empty()) {
    reason = "the file name cannot be used";
    return false;
  }
  GdiplusStartupInput input;
  ULONG_PTR token = 0;
  const GpStatus started = GdiplusStartup(&token, &input, nullptr);
  if (started != Ok) {
    reason = "GDI+ does not start: " + status_message(started);
    return false;
  }
  reason = encode(wide, width, height, pixels);
  GdiplusShutdown(token);
  return reason.empty();
}

}  // namespace zorva::png
