// Switching the description of drawing calls on and off, and showing the text window.
#include "internal/library_state.h"
#include "internal/menu_ids.h"
#include "platform/win32.h"

extern "C" int ZORVA_show_text_window(int show) {
  if (zorva::g_state.text_window == nullptr) return 0;  // not started: nothing to show
  return ShowWindow(zorva::g_state.text_window, show != 0 ? SW_SHOW : SW_HIDE);
}

extern "C" int ZORVA_set_logging(int on) {
  zorva::LibraryState& s = zorva::g_state;
  if (s.draw_window == nullptr) return 0;
  s.logging_enabled = on != 0 ? 1 : 0;
  CheckMenuItem(s.run_menu, zorva::kCommandLogging, s.logging_enabled ? MF_CHECKED : MF_UNCHECKED);
  if (s.logging_enabled) ZORVA_show_text_window(1);
  return 1;
}
