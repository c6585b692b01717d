// Movable memory blocks behind GlobalAlloc, addressed by 32-bit handles.
#pragma once

#include <cstddef>
#include <memory>

#include "platform/core/handle_store.h"
#include "platform/core/handle_table.h"
#include "platform/win32.h"

namespace zorva::platform {

// A block's record stays in its slot when the block is freed, with its storage when that is
// small: the next small block there (a log line, say) then allocates nothing.
struct MemoryBlock {
  std::unique_ptr<unsigned char[]> storage;
  SIZE_T capacity = 0;              // bytes of storage
  unsigned char* bytes = nullptr;   // the block's bytes; nullptr for a moveable block of size 0
  SIZE_T size = 0;
  bool moveable = false;
  unsigned lock_count = 0;
};

std::size_t live_memory_block_count();

}  // namespace zorva::platform
