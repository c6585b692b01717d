/* A program that crashes at its first click, right after logging a line: zorva-run names the
 * signal, and the line is in the log all the same. */
#include <signal.h>

#include "zorva.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous_instance, LPSTR command_line,
                   int show_mode) {
  int x, y, kind;
  char key;

  ZORVA_start(instance, previous_instance, command_line, show_mode);
  ZORVA_set_logging(0);
  while ((kind = ZORVA_next_event(&x, &y, &key)) != ZORVA_QUIT) {
    if (kind == ZORVA_MOUSE) {
      ZORVA_log("crashing at (%d, %d)\n", x, y);
      raise(SIGSEGV);
    }
  }
  ZORVA_finish();
  return 0;
}
