// The text state a DC carries: text colour, background colour and background mode.
#include "platform/gdi/gdi_lookup.h"

using namespace zorva::platform;

extern "C" {

COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color) {
  DeviceContext* dc = find_dc(hdc);
  if (!dc) return CLR_INVALID;
  const COLORREF previous = dc->text_color;
  dc->text_color = color & 0x00FFFFFFu;
  return previous;
}

COLORREF WINAPI GetTextColor(HDC hdc) {
  const DeviceContext* dc = find_dc(hdc);
  return dc ? dc->text_color : CLR_INVALID;
}

int WINAPI GetBkMode(HDC hdc) {
  const DeviceContext* dc = find_dc(hdc);
  return dc ? dc->bk_mode : 0;
}

int WINAPI SetBkMode(HDC hdc, int mode) {
  DeviceContext* dc = find_dc(hdc);
  if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  const int previous = dc->bk_mode;
  dc->bk_mode = mode;
  return previous;
}

COLORREF WINAPI GetBkColor(HDC hdc) {
  const DeviceContext* dc = find_dc(hdc);
  return dc ? dc->bk_color : CLR_INVALID;
}

COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color) {
  DeviceContext* dc = find_dc(hdc);
  if (!dc) return CLR_INVALID;
  const COLORREF previous = dc->bk_color;
  dc->bk_color = color & 0x00FFFFFFu;
  return previous;
}

}  // extern "C"
