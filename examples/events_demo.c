/* events_demo: every click and key appears as a line in the text window.
 * Try the "&Run" menu: Animate (Ctrl+A) adds a line every second of ticks, Halt (Ctrl+H)
 * stops them, Quit (Ctrl+Q) ends the program. */
#include "zorva.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous_instance, LPSTR command_line,
                   int show_mode) {
  int x = 0, y = 0, ticks = 0;
  char key = 0;
  int kind;

  ZORVA_start(instance, previous_instance, command_line, show_mode);
  ZORVA_clear();
  ZORVA_log("events_demo: click in the drawing window or type; Ctrl+A animates, Ctrl+Q quits.\n");
  while ((kind = ZORVA_next_event(&x, &y, &key)) != ZORVA_QUIT) {
    switch (kind) {
      case ZORVA_MOUSE:
        ZORVA_log("click at (%d, %d)\n", x, y);
        break;
      case ZORVA_KBD:
        if ((unsigned char)key >= 32 && (unsigned char)key != 127) {
          ZORVA_log("key %d '%c'\n", (unsigned char)key, key);
        } else {
          ZORVA_log("key %d\n", (unsigned char)key);
        }
        break;
      case ZORVA_PERIODIC:
        if (++ticks % 10 == 0) ZORVA_log("%d ticks\n", ticks);
        break;
    }
  }
  ZORVA_log("quit after %d ticks\n", ticks);
  ZORVA_finish();
  return 0;
}
