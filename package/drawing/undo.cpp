// ZORVA_undo: withdrawn; it only says so.
#include "zorva.h"

extern "C" int ZORVA_undo(void) {
  ZORVA_log("ZORVA_undo is no longer supported.\n");
  return 1;
}
