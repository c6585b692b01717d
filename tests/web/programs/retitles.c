/* A program that names the window with the keyboard after each key typed there ("Typed k"):
 * the page's caption must follow the window's text. */
#include <stdio.h>

#include "platform/win32.h"
#include "zorva.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous_instance, LPSTR command_line,
                   int show_mode) {
  int x, y;
  char key;
  char title[16];
  ZORVA_start(instance, previous_instance, command_line, show_mode);
  ZORVA_clear();
  while (ZORVA_next_event(&x, &y, &key) != ZORVA_QUIT) {
    if (key == 0) continue;
    snprintf(title, sizeof title, "Typed %c", key);
    SetWindowTextA(GetFocus(), title);
  }
  ZORVA_finish();
  return 0;
}
