/* A program that ends by calling exit() at its first key, with status 3, instead of
 * returning from WinMain: the page must show that it ended. */
#include <stdlib.h>

#include "zorva.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous_instance, LPSTR command_line,
                   int show_mode) {
  int x, y;
  char key;
  ZORVA_start(instance, previous_instance, command_line, show_mode);
  ZORVA_clear();
  ZORVA_draw_circle(GREEN, 0, 0, 40);
  while (ZORVA_next_event(&x, &y, &key) != ZORVA_KBD) {
  }
  exit(3);
}
