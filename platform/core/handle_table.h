// A table of live platform objects addressed by 32-bit handles.
//
// A handle encodes a kind tag (top 4 bits), a generation (12 bits) and a slot number
// (16 bits, 1-based), so it always fits in 32 bits, is never 0, and a stale handle (its
// object deleted, the slot reused) or a handle of another kind is recognised and refused.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace zorva::platform {

enum class HandleKind : std::uint32_t {
  Window = 1,
  DeviceContext = 2,
  GdiObject = 3,
  Menu = 4,
  MemoryBlock = 5,
  Instance = 6,
  Icon = 7,
  Cursor = 8,
};

template <typename T>
class HandleTable {
 public:
  explicit HandleTable(HandleKind kind) : kind_(static_cast<std::uint32_t>(kind)) {}

  // Stores the object and returns its handle value, or 0 when the table is full.
  std::uint32_t add(std::unique_ptr<T> object) {
    std::uint32_t slot;
    if (!free_.empty()) {
      slot = free_.back();
      free_.pop_back();
    } else {
      if (slots_.size() >= kMaxSlots) return 0;
      slots_.push_back(Slot{});
      slot = static_cast<std::uint32_t>(slots_.size() - 1);
    }
    Slot& s = slots_[slot];
    s.object = std::move(object);
    ++live_;
    return encode(slot, s.generation);
  }

  // The live object for a handle value, or nullptr for 0, stale or foreign values.
  T* find(std::uint32_t handle) const {
    if ((handle >> 28) != kind_) return nullptr;
    const std::uint32_t slot = (handle & 0xFFFFu);
    if (slot == 0 || slot > slots_.size()) return nullptr;
    const Slot& s = slots_[slot - 1];
    if (((handle >> 16) & 0xFFFu) != s.generation || !s.object) return nullptr;
    return s.object.get();
  }

  // Removes and returns the object; nullptr if the handle is not live.
  std::unique_ptr<T> remove(std::uint32_t handle) {
    if (!find(handle)) return nullptr;
    const std::uint32_t slot = (handle & 0xFFFFu) - 1;
    Slot& s = slots_[slot];
    std::unique_ptr<T> out = std::move(s.object);
    s.generation = (s.generation + 1) & 0xFFFu;
    free_.push_back(slot);
    --live_;
    return out;
  }

  std::size_t live() const { return live_; }

  // Calls f(handle, object) for every live object, in slot order.
  template <typename F>
  void for_each(F&& f) const {
    for (std::uint32_t i = 0; i < slots_.size(); ++i)
      if (slots_[i].object) f(encode(i, slots_[i].generation), *slots_[i].object);
  }

  void clear() {
    slots_.clear();
    free_.clear();
    live_ = 0;
  }

 private:
  static constexpr std::size_t kMaxSlots = 0xFFFF;
  struct Slot {
    std::unique_ptr<T> object;
    std::uint32_t generation = 0;
  };
  std::uint32_t encode(std::uint32_t slot, std::uint32_t generation) const {
    return (kind_ << 28) | (generation << 16) | (slot + 1);
  }

  std::uint32_t kind_;
  std::vector<Slot> slots_;
  std::vector<std::uint32_t> free_;
  std::size_t live_ = 0;
};

// Conversions between handle values and the API's opaque pointer types.
template <typename H>
inline H to_handle(std::uint32_t value) {
  return reinterpret_cast<H>(static_cast<std::uintptr_t>(value));
}
template <typename H>
inline std::uint32_t from_handle(H handle) {
  const auto v = reinterpret_cast<std::uintptr_t>(handle);
  return v > 0xFFFFFFFFu ? 0u : static_cast<std::uint32_t>(v);
}

}  // namespace zorva::platform
