/* A C program whose entry is main, not WinMain: it starts the package with four zeros, as a
 * beginner used to main does. Both windows must show (show mode 0 would hide them), and the
 * animation must tick. Exits 0 when the drawing window has the keyboard after the start and
 * three ticks came. */
#include <stdio.h>
#include <string.h>

#include "zorva.h"
#include "platform/win32.h"

int main(void) {
  int x = 0, y = 0, ticks = 0, kind;
  char key = 0, title[32] = {0};
  HWND front;

  ZORVA_start(0, 0, 0, 0);
  front = GetFocus();
  GetWindowTextA(front, title, (int)sizeof title);
  if (!IsWindowVisible(front) || strcmp(title, "ZORVA Graphics") != 0) {
    printf("main_program: the drawing window is not shown\n");
    return 1;
  }
  ZORVA_set_animation(ANIMATION_RUN);
  while ((kind = ZORVA_next_event(&x, &y, &key)) != ZORVA_QUIT) {
    if (kind == ZORVA_PERIODIC && ++ticks == 3) ZORVA_set_animation(ANIMATION_QUIT);
  }
  ZORVA_finish();
  printf("main_program: %d ticks, then quit\n", ticks);
  return ticks == 3 ? 0 : 1;
}
