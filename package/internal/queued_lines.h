// Descriptions of drawing calls waiting to be drawn in the text window. A burst of drawing
// calls can describe hundreds of lines between two message turns, and all but the last
// screenful scroll out of view before anyone sees them; keeping only the newest copies and a
// count lets the text window draw the lot with one scroll.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace zorva {

class QueuedLines {
 public:
  // More lines than any text window shows (a 4000-pixel-high window of 16-pixel lines).
  static constexpr std::size_t kKept = 256;

  // The longest line kept whole; a longer one keeps its first kLineMax characters.
  static constexpr std::size_t kLineMax = 1023;

  // Queues a copy of `length` characters of `text`.
  void push(const char* text, std::size_t length);
  bool empty() const { return total_ == 0; }
  // Every line queued since the last clear, the ones no longer kept included.
  std::uint64_t total() const { return total_; }
  // How many of the newest lines are kept, and the i-th of them, oldest first.
  std::size_t kept() const { return total_ < kKept ? static_cast<std::size_t>(total_) : kKept; }
  std::string_view kept_line(std::size_t i) const;
  void clear() { total_ = 0; }

 private:
  // kKept slots of kLineMax characters, made at the first line, and the length in each: a
  // ring once it holds kKept lines. A copy is one move, never an allocation.
  std::vector<char> text_;
  std::vector<std::size_t> lengths_;
  std::size_t next_ = 0;  // slot the next line goes into
  std::uint64_t total_ = 0;
};

}  // namespace zorva
