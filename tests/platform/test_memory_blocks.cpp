// Movable memory: handles, lock counts, sizes and the live-block count.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "platform/testing/headless.h"
#include "platform/win32.h"

using namespace zorva;

namespace {

class MemoryBlocks : public ::testing::Test {
 protected:
  void SetUp() override { headless::reset(); }
};

TEST_F(MemoryBlocks, HandleFitsIn32BitsAndLockGivesTheBytes) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 12);
  ASSERT_NE(block, nullptr);
  EXPECT_LE(reinterpret_cast<std::uintptr_t>(block), 0xFFFFFFFFu);
  EXPECT_EQ(GlobalSize(block), SIZE_T{12});
  char* bytes = static_cast<char*>(GlobalLock(block));
  ASSERT_NE(bytes, nullptr);
  EXPECT_EQ(bytes[11], 0);
  std::memcpy(bytes, "hello, moon", 12);
  EXPECT_EQ(GlobalUnlock(block), FALSE);  // last unlock: 0 means success
  EXPECT_STREQ(static_cast<char*>(GlobalLock(block)), "hello, moon");
  GlobalUnlock(block);
  EXPECT_EQ(headless::live_memory_blocks(), 1u);
  EXPECT_EQ(GlobalFree(block), nullptr);
  EXPECT_EQ(headless::live_memory_blocks(), 0u);
}

// A freed block's slot and storage serve the next block: a new handle, the old one stale, and
// the new block as asked (zeroed, not locked, its own size), whether it fits the storage or not.
TEST_F(MemoryBlocks, AReusedSlotGivesAFreshBlock) {
  struct Case {
    SIZE_T first, second;
  };
  for (const Case& c : {Case{64, 16}, Case{16, 64}, Case{8192, 32}, Case{0, 8}}) {
    HGLOBAL old_block = GlobalAlloc(GMEM_MOVEABLE, c.first);
    if (void* bytes = GlobalLock(old_block)) std::memset(bytes, 0x5A, c.first);
    GlobalFree(old_block);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, c.second);
    ASSERT_NE(block, nullptr);
    EXPECT_NE(block, old_block);
    EXPECT_EQ(GlobalSize(old_block), SIZE_T{0});
    EXPECT_EQ(GlobalSize(block), c.second);
    const auto* bytes = static_cast<const unsigned char*>(GlobalLock(block));
    ASSERT_NE(bytes, nullptr);
    for (SIZE_T i = 0; i < c.second; ++i) ASSERT_EQ(bytes[i], 0) << c.first << " then " << c.second;
    EXPECT_EQ(GlobalUnlock(block), FALSE);  // locked once only
    EXPECT_EQ(GlobalFree(block), nullptr);
  }
}

TEST_F(MemoryBlocks, LockCountNests) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4);
  void* first = GlobalLock(block);
  EXPECT_EQ(GlobalLock(block), first);
  EXPECT_EQ(GlobalUnlock(block), TRUE);   // still locked once
  EXPECT_EQ(GlobalUnlock(block), FALSE);  // now unlocked
  EXPECT_EQ(GlobalUnlock(block), FALSE);  // not locked: nothing to do
  GlobalFree(block);
}

TEST_F(MemoryBlocks, ZeroSizeAndFixedBlocks) {
  HGLOBAL empty = GlobalAlloc(GMEM_MOVEABLE, 0);
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(GlobalSize(empty), SIZE_T{0});
  EXPECT_EQ(GlobalLock(empty), nullptr);  // a moveable block of size 0 has no bytes
  HGLOBAL fixed = GlobalAlloc(GMEM_FIXED, 0);
  EXPECT_NE(GlobalLock(fixed), nullptr);
  EXPECT_EQ(GlobalFree(empty), nullptr);
  EXPECT_EQ(GlobalFree(fixed), nullptr);
}

TEST_F(MemoryBlocks, BadHandlesAndHugeRequestsFailCleanly) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 8);
  GlobalFree(block);
  HGLOBAL bogus = reinterpret_cast<HGLOBAL>(static_cast<std::uintptr_t>(0xDEADBEEFu));
  for (HGLOBAL h : {HGLOBAL{nullptr}, block, bogus}) {
    EXPECT_EQ(GlobalLock(h), nullptr);
    EXPECT_EQ(GlobalUnlock(h), FALSE);
    EXPECT_EQ(GlobalSize(h), SIZE_T{0});
  }
  EXPECT_EQ(GlobalFree(nullptr), nullptr);
  EXPECT_EQ(GlobalFree(block), block);  // freeing twice fails and says so
  EXPECT_EQ(GlobalFree(bogus), bogus);
  EXPECT_EQ(GlobalAlloc(GMEM_MOVEABLE, SIZE_T(-1)), nullptr);
  EXPECT_EQ(headless::live_memory_blocks(), 0u);
}

TEST_F(MemoryBlocks, CountStaysFlatOverManyCycles) {
  for (int i = 0; i < 100000; ++i) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(i % 64 + 1));
    static_cast<char*>(GlobalLock(block))[0] = 'x';
    GlobalUnlock(block);
    ASSERT_EQ(GlobalFree(block), nullptr);
  }
  EXPECT_EQ(headless::live_memory_blocks(), 0u);
}

}  // namespace
