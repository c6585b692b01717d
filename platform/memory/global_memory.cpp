// GlobalAlloc and friends: blocks addressed by 32-bit handles, with a lock count.
#include "platform/memory/global_memory.h"

#include <cstring>
#include <new>

#include "platform/state/platform_state.h"

namespace zorva::platform {
namespace {

// Larger requests fail cleanly instead of exhausting memory.
constexpr SIZE_T kMaxBlockBytes = SIZE_T{256} << 20;
constexpr unsigned kMaxLockCount = 255;

HandleTable<MemoryBlock>& memory_blocks() { return platform_state().memory_blocks; }

MemoryBlock* find_block(HGLOBAL handle) { return memory_blocks().find(from_handle(handle)); }

}  // namespace

std::size_t live_memory_block_count() { return memory_blocks().live(); }

}  // namespace zorva::platform

using namespace zorva::platform;

extern "C" {

HGLOBAL WINAPI GlobalAlloc(UINT uFlags, SIZE_T dwBytes) {
  if (dwBytes > kMaxBlockBytes) return nullptr;
  auto block = std::make_unique<MemoryBlock>();
  block->moveable = (uFlags & GMEM_MOVEABLE) != 0;
  block->size = dwBytes;
  // A moveable block of size 0 has no storage (its lock gives NULL, as on Windows); a fixed
  // one still gets a unique address.
  if (dwBytes > 0 || !block->moveable) {
    const SIZE_T storage = dwBytes > 0 ? dwBytes : 1;
    block->bytes.reset(new (std::nothrow) unsigned char[storage]);
    if (!block->bytes) return nullptr;
    if (uFlags & GMEM_ZEROINIT) std::memset(block->bytes.get(), 0, storage);
  }
  return to_handle<HGLOBAL>(memory_blocks().add(std::move(block)));
}

LPVOID WINAPI GlobalLock(HGLOBAL hMem) {
  MemoryBlock* block = find_block(hMem);
  if (!block || !block->bytes) return nullptr;
  if (block->moveable) {
    if (block->lock_count >= kMaxLockCount) return nullptr;
    ++block->lock_count;
  }
  return block->bytes.get();
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
  return memory_blocks().remove(from_handle(hMem)) ? nullptr : hMem;
}

SIZE_T WINAPI GlobalSize(HGLOBAL hMem) {
  const MemoryBlock* block = find_block(hMem);
  return block ? block->size : 0;
}

}  // extern "C"
