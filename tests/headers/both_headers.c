/* A program that calls Windows operations itself includes platform/win32.h beside zorva.h,
 * in either order: the entry point's types are the same in both. Valid C and C++. */
#ifdef WIN32_HEADER_FIRST
#include "platform/win32.h"
#include "zorva.h"
#else
#include "zorva.h"
#include "platform/win32.h"
#endif

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous_instance, LPSTR command_line,
                   int show_mode) {
  HMODULE module = instance; /* a platform type made from the entry's type */
  RECT client = {0, 0, 0, 0};
  ZORVA_start(module, previous_instance, command_line, show_mode);
  GetClientRect(GetFocus(), &client);
  ZORVA_draw_rectangle(RED, 0, 0, (int)client.right / 4, (int)client.bottom / 4, 0);
  ZORVA_finish();
  return 0;
}
