// The ring of queued text-window lines.
#include "internal/queued_lines.h"

#include <algorithm>
#include <cstring>

namespace zorva {

void QueuedLines::push(const char* text, std::size_t length) {
  if (text_.empty()) {
    text_.resize(kKept * kLineMax);
    lengths_.resize(kKept);
  }
  length = std::min(length, kLineMax);
  std::memcpy(&text_[next_ * kLineMax], text, length);
  lengths_[next_] = length;
  next_ = next_ + 1 == kKept ? 0 : next_ + 1;
  ++total_;
}

std::string_view QueuedLines::kept_line(std::size_t i) const {
  // The oldest kept line sits kept() slots behind the next free one.
  const std::size_t oldest = (next_ + kKept - kept()) % kKept;
  const std::size_t slot = (oldest + i) % kKept;
  return {&text_[slot * kLineMax], lengths_[slot]};
}

}  // namespace zorva
