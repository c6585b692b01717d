// Movable memory blocks behind GlobalAlloc and their handle table.
#pragma once

#include <cstddef>

namespace zorva::platform {

std::size_t live_memory_block_count();
void reset_memory_for_tests();

}  // namespace zorva::platform
