// GlobalAlloc and friends: blocks addressed by 32-bit handles, with a lock count.
#include "platform/memory/global_memory.h"

#include <cstdint>
#include <cstring>
#include <new>

#include "platform/state/platform_state.h"

namespace zorva::platform {
namespace {

// Larger requests fail cleanly instead of exhausting memory.
constexpr SIZE_T kMaxBlockBytes = SIZE_T{256} << 20;
constexpr unsigned kMaxLockCount = 255;

// Freed storage up to this size stays with its slot for the next block.
constexpr SIZE_T kKeptStorageBytes = 4096;

HandleStore<MemoryBlock>& memory_blocks() { return platform_state().memory_blocks; }

MemoryBlock* find_block(HGLOBAL handle) { return memory_blocks().find(reinterpret_cast<std::uintptr_t>(handle)); }

}  // namespace

std::size_t live_memory_block_count() { return memory_blocks().live(); }

}  // namespace zorva::platform

using namespace zorva::platform;

extern "C" {

HGLOBAL WINAPI GlobalAlloc(UINT uFlags, SIZE_T dwBytes) {
  if (dwBytes > kMaxBlockBytes) return nullptr;
  const bool moveable = (uFlags & GMEM_MOVEABLE) != 0;
  // A moveable block of size 0 has no storage (its lock gives NULL, as on Windows); a fixed
  // one still gets a unique address.
  const SIZE_T needed = dwBytes > 0 || !moveable ? (dwBytes > 0 ? dwBytes : 1) : 0;
  std::uint32_t handle = 0;
  MemoryBlock* block = memory_blocks().add(handle);
  if (!block) return nullptr;
  if (needed > block->capacity) {
    block->storage.reset(new (std::nothrow) unsigned char[needed]);
    block->capacity = block->storage ? needed : 0;
    if (!block->storage) {
      memory_blocks().remove(handle);
      return nullptr;
    }
  }
  block->bytes = needed > 0 ? block->storage.get() : nullptr;
  block->size = dwBytes;
  block->moveable = moveable;
  block->lock_count = 0;
  if (needed > 0 && (uFlags & GMEM_ZEROINIT)) std::memset(block->bytes, 0, needed);
  return to_handle<HGLOBAL>(handle);
}

LPVOID WINAPI GlobalLock(HGLOBAL hMem) {
  MemoryBlock* block = find_block(hMem);
  if (!block || !block->bytes) return nullptr;
  if (block->moveable) {
    if (block->lock_count >= kMaxLockCount) return nullptr;
    ++block->lock_count;
  }
  return block->bytes;
}

// Nonzero while the block stays locked; 0 on the last unlock (success) and on failures.
BOOL WINAPI GlobalUnlock(HGLOBAL hMem) {
  MemoryBlock* block = find_block(hMem);
  if (!block || !block->moveable || block->lock_count == 0) return FALSE;
  --block->lock_count;
  return block->lock_count > 0 ? TRUE : FALSE;
}

// NULL on success; the handle itself when it names no live block.
HGLOBAL WINAPI GlobalFree(HGLOBAL hMem) {
  if (!hMem) return nullptr;
  MemoryBlock* block = find_block(hMem);
  if (!block) return hMem;
  if (block->capacity > kKeptStorageBytes) {
    block->storage.reset();
    block->capacity = 0;
  }
  block->bytes = nullptr;
  memory_blocks().remove(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(hMem)));
  return nullptr;
}

SIZE_T WINAPI GlobalSize(HGLOBAL hMem) {
  const MemoryBlock* block = find_block(hMem);
  return block ? block->size : 0;
}

}  // extern "C"
