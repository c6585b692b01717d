// The platform's state at its start.
#include "platform/state/platform_state.h"

#include "platform/dialogs/dialog.h"

namespace zorva::platform {

PlatformState g_platform_state;

PlatformState::PlatformState() {
  gdi_objects.add_stock_objects();
  dialogs::register_dialog_classes(window_classes);
}

}  // namespace zorva::platform
