// Movable memory blocks behind GlobalAlloc, addressed by 32-bit handles.
#pragma once

#include <cstddef>
#include <memory>

#include "platform/core/handle_table.h"
#include "platform/win32.h"

namespace zorva::platform {

struct MemoryBlock {
  std::unique_ptr<unsigned char[]> bytes;
  SIZE_T size = 0;
  bool moveable = false;
  unsigned lock_count = 0;
};

std::size_t live_memory_block_count();

}  // namespace zorva::platform
