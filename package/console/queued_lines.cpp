// The ring of queued text-window lines.
#include "internal/queued_lines.h"

namespace zorva {

void QueuedLines::push(const char* text, std::size_t length) {
  if (slots_.size() < kKept) slots_.resize(kKept);
  slots_[next_].assign(text, length);
  next_ = next_ + 1 == kKept ? 0 : next_ + 1;
  ++total_;
}

const std::string& QueuedLines::kept_line(std::size_t i) const {
  // The oldest kept line sits kept() slots behind the next free one.
  const std::size_t oldest = (next_ + kKept - kept()) % kKept;
  return slots_[(oldest + i) % kKept];
}

}  // namespace zorva
