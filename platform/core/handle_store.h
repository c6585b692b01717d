// A store of records addressed by 32-bit handles, for what is created and deleted many times
// a frame (GDI objects, DCs): slots in fixed blocks (a record never moves, so a DC may keep
// the address of an object it has selected), freed slots chained through the slots
// themselves, no allocation once the store has grown to its working size.
//
// A handle is the kind tag (top 4 bits), the slot's generation (12 bits) and the slot number
// (16 bits, 1-based), as HandleTable makes them: never 0, and refused once its object is gone
// (the slot's generation has moved on) or when it names another kind of handle. A slot keeps
// the handle of its live record, so checking a handle is one comparison. Slot 0 is never
// handed out, and blocks not yet made all read as one empty block, so a look-up needs no range
// test: whatever value it is given names some entry, which holds no live record it could
// match.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace zorva::platform {

//
// Freed slots wait in one of `Lists` chains (the caller says which): the GDI store keeps one
// per kind, so a new pen takes the slot of the last pen deleted, whose record may already hold
// what the new one needs. A store made `Remembering` (the DCs') keeps the last handle found;
// the others need not forget it on every removal.
template <typename Record, std::size_t Lists = 1, bool Remembering = false>
class HandleStore {
 public:
  explicit HandleStore(std::uint32_t kind_tag) : tag_(kind_tag << 28) {
    free_heads_.fill(kNone);
    blocks_.fill(empty_.get());
    add_block(0);
    entry(0).live_handle = kNeverLive;
  }

  // Takes a free slot from chain `list` (a new slot when it is empty): its record, as the
  // slot's last occupant left it (the caller fills it in), and its handle; nullptr when the
  // store is full.
  Record* add(std::uint32_t& handle, std::size_t list = 0) {
    if (Record* reused = add_from_free_list(handle, list)) [[likely]]
      return reused;
    const std::uint32_t slot = new_slot(list);
    return slot == kNone ? nullptr : take(slot, handle);
  }

  // add, but only from chain `list`: nullptr when it is empty. It makes no call, so a caller
  // that leaves the rest to a function of its own saves no registers on its usual path.
  Record* add_from_free_list(std::uint32_t& handle, std::size_t list = 0) {
    std::uint32_t& head = free_heads_[list];
    const std::uint32_t slot = head;
    if (slot == kNone) [[unlikely]]
      return nullptr;
    head = entry(slot).next_free;
    return take(slot, handle);
  }

  // The live record for a handle's value (as the API's pointer type carries it), or nullptr
  // for 0, stale or foreign values.
  Record* find(std::uintptr_t value) {
    const std::uint32_t slot = static_cast<std::uint32_t>(value & 0xFFFFu);
    const Entry& e = (*blocks_[slot / kBlockSize])[slot % kBlockSize];
    // Only an entry of a block the store owns can match: the empty block holds none.
    return e.live_handle == value ? const_cast<Record*>(&e.record) : nullptr;
  }

  // find, remembering the last handle found: for DCs, which call after call are the same one.
  Record* find_remembered(std::uintptr_t value) {
    static_assert(Remembering, "only a remembering store keeps the last handle found");
    if (value == remembered_handle_) return remembered_;  // 0 matches only while nothing is remembered
    Record* record = find(value);
    if (record) {
      remembered_handle_ = value;
      remembered_ = record;
    }
    return record;
  }

  // Frees the slot of a live handle into chain `list`; its generation moves on, so the handle
  // goes stale.
  void remove(std::uint32_t handle, std::size_t list = 0) {
    const std::uint32_t slot = handle & 0xFFFFu;
    if (Remembering && handle == remembered_handle_) {
      remembered_handle_ = 0;
      remembered_ = nullptr;
    }
    Entry& e = entry(slot);
    e.live_handle = 0;
    e.generation = (e.generation + 1) & 0xFFFu;
    e.next_free = free_heads_[list];
    free_heads_[list] = slot;
    --live_;
  }

  std::size_t live() const { return live_; }

  // Calls f(record) for every live record, in slot order.
  template <typename F>
  void for_each(F&& f) {
    for (std::uint32_t slot = 1; slot < used_; ++slot)
      if (entry(slot).live_handle != 0) f(entry(slot).record);
  }

 private:
  static constexpr std::uint32_t kLastSlot = 0xFFFF;
  static constexpr std::uint32_t kBlockSize = 256;
  static constexpr std::uint32_t kBlockCount = (kLastSlot + 1) / kBlockSize;
  static constexpr std::uint32_t kNone = 0xFFFFFFFFu;  // end of the free chain
  // What slot 0 holds for a handle: only values whose low 16 bits are 0 reach it, and this
  // is none of them.
  static constexpr std::uintptr_t kNeverLive = 1;

  struct EntryFields {
    std::uintptr_t live_handle = 0;  // the handle of the live record; 0 while the slot is free
    std::uint32_t generation = 0;
    std::uint32_t next_free = kNone;
    Record record;
  };
  // Entries a power of two apart, so finding one is a shift rather than a multiplication.
  struct alignas(std::bit_ceil(sizeof(EntryFields))) Entry : EntryFields {};
  using Block = std::array<Entry, kBlockSize>;

  // The entry of a slot handed out, in a block the store owns.
  Entry& entry(std::uint32_t slot) { return (*owned_[slot / kBlockSize])[slot % kBlockSize]; }

  void add_block(std::uint32_t index) {
    owned_[index] = std::make_unique<Block>();
    blocks_[index] = owned_[index].get();
  }

  Record* take(std::uint32_t slot, std::uint32_t& handle) {
    Entry& e = entry(slot);
    handle = tag_ | (e.generation << 16) | slot;
    e.live_handle = handle;
    ++live_;
    return &e.record;
  }

  // A slot never used before (a new block of them when needed); once all are used, a free
  // slot of another chain than `list`; kNone when the store is full. Kept out of add, which
  // then needs no registers saved on its usual path.
  [[gnu::noinline]] std::uint32_t new_slot(std::size_t list) {
    if (used_ <= kLastSlot) {
      if (used_ % kBlockSize == 0) add_block(used_ / kBlockSize);
      return used_++;
    }
    for (std::size_t other = 0; other < Lists; ++other) {
      const std::uint32_t slot = free_heads_[other];
      if (other == list || slot == kNone) continue;
      free_heads_[other] = entry(slot).next_free;
      return slot;
    }
    return kNone;
  }

  std::uint32_t tag_;
  // In place, not in a vector: a look-up then reads one pointer fewer.
  // What the blocks not yet made read as: entries that never match a handle. Made at run
  // time: as a constant its entries' non-zero fields would put a whole block in the program.
  std::unique_ptr<const Block> empty_ = std::make_unique<const Block>();
  std::array<const Block*, kBlockCount> blocks_;  // every block, the empty one where none is made
  std::array<std::unique_ptr<Block>, kBlockCount> owned_;
  std::uint32_t used_ = 1;  // slots ever taken, slot 0 included
  std::array<std::uint32_t, Lists> free_heads_;
  std::size_t live_ = 0;
  std::uintptr_t remembered_handle_ = 0;  // 0 exactly while remembered_ is null
  Record* remembered_ = nullptr;
};

}  // namespace zorva::platform
