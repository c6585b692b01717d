/* A program that draws and then never asks for an event: the page's watchdog must say why
 * the page stopped responding. */
#include "zorva.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous_instance, LPSTR command_line,
                   int show_mode) {
  volatile unsigned long turns = 0;
  ZORVA_start(instance, previous_instance, command_line, show_mode);
  ZORVA_clear();
  ZORVA_draw_circle(RED, 0, 0, 40);
  for (;;) ++turns; /* no ZORVA_next_event: the page never gets its thread back */
  return 0;
}
