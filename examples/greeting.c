/*
 * greeting: asks for your name in a small dialog and greets you in the drawing window.
 *
 * ZORVA_gets shows the "ZORVA_gets" dialog with a prompt, a text field and an "Okay"
 * button; it returns once the button (or Enter) is pressed, with the typed line in the
 * buffer. The buffer must hold 256 characters. Click the drawing window to be asked again;
 * Ctrl+Q or the close box quits.
 */
#include <string.h>

#include "zorva.h"

static void greet(void) {
  char name[256] = "";

  if (!ZORVA_gets("What is your name?", name)) {
    ZORVA_log("greeting: the dialog could not be opened.\n");
    return;
  }
  if (name[0] == '\0') strcpy(name, "stranger");

  ZORVA_clear();
  ZORVA_draw_rectangle(NAVY_BLUE, -250, 120, 250, -120, 0);
  ZORVA_draw_circle(GOLD, 0, 40, 50);
  ZORVA_draw_circle(NAVY_BLUE, -18, 55, 7);
  ZORVA_draw_circle(NAVY_BLUE, 18, 55, 7);
  ZORVA_draw_line(NAVY_BLUE, -20, 20, 20, 20, 4);
  ZORVA_draw_textf(WHITE, -200, -40, 24, "Hello, %s!", name);
  ZORVA_draw_text(ICE_BLUE, -200, -85, 12, "Click to be asked again.");
  ZORVA_flush();
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous_instance, LPSTR command_line,
                   int show_mode) {
  int x, y;
  char key;
  int kind;

  ZORVA_start(instance, previous_instance, command_line, show_mode);
  ZORVA_clear();
  ZORVA_flush();
  greet();
  while ((kind = ZORVA_next_event(&x, &y, &key)) != ZORVA_QUIT) {
    if (kind == ZORVA_MOUSE) greet();
  }
  ZORVA_finish();
  return 0;
}
