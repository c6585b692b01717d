// Finding the kept pair of ink and ground, or making it in place of the oldest.
#include "platform/text/mix_cache.h"

namespace zorva::platform::text {

MixCache::Pair& MixCache::pair(std::uint32_t under, std::uint32_t ink, const Pair* kept) {
  for (std::size_t i = 0; i < used_; ++i)
    if (pairs_[i].under == under && pairs_[i].ink == ink) return pairs_[i];
  if (&pairs_[next_made_] == kept) next_made_ = (next_made_ + 1) % pairs_.size();
  Pair& made = pairs_[next_made_];
  next_made_ = (next_made_ + 1) % pairs_.size();
  if (used_ < pairs_.size()) ++used_;
  made.under = under;
  made.ink = ink;
  made.known.fill(0);
  made.complete = false;
  made.pixels[0] = under;
  made.pixels[255] = ink;
  made.set_known(0);
  made.set_known(255);
  return made;
}

}  // namespace zorva::platform::text
