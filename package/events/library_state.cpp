// The package's one global record.
#include "internal/library_state.h"

namespace zorva {

LibraryState g_state;

void reset_library_state() { g_state = LibraryState{}; }

}  // namespace zorva
