#include "platform/dialogs/dialog_units.h"

#include "platform/win32.h"

namespace zorva::platform::dialogs {

BaseUnits system_base_units() {
  BaseUnits units;
  HDC dc = CreateCompatibleDC(nullptr);
  if (dc == nullptr) return units;
  HGDIOBJ previous = SelectObject(dc, GetStockObject(SYSTEM_FONT));
  TEXTMETRICA metrics{};
  if (GetTextMetricsA(dc, &metrics)) {
    if (metrics.tmAveCharWidth > 0 && metrics.tmAveCharWidth < 256) units.x = metrics.tmAveCharWidth;
    if (metrics.tmHeight > 0 && metrics.tmHeight < 256) units.y = metrics.tmHeight;
  }
  if (previous != nullptr) SelectObject(dc, previous);
  DeleteDC(dc);
  return units;
}

}  // namespace zorva::platform::dialogs
