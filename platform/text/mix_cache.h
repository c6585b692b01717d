// The pixels of one ink over one ground at each coverage, kept for the last few pairs: a line
// of text mixes the same ink onto the same background at the same few coverages again and
// again, and each mix costs a round trip through linear light per channel.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace zorva::platform::text {

class MixCache {
 public:
  // The mixes of `ink` over `under`, by coverage: 0 gives `under`, 255 gives `ink`.
  struct Pair {
    std::uint32_t under = 0;
    std::uint32_t ink = 0;
    std::array<std::uint32_t, 256> pixels{};
    std::array<std::uint64_t, 4> known{};  // one bit per coverage whose pixel is mixed
    bool complete = false;                 // every coverage mixed

    bool is_known(unsigned coverage) const { return (known[coverage >> 6] >> (coverage & 63)) & 1u; }
    void set_known(unsigned coverage) { known[coverage >> 6] |= std::uint64_t{1} << (coverage & 63); }
  };

  // The pair's entry, made (with nothing mixed yet but the two ends) in place of the oldest
  // when new; never in place of `kept`, an entry still in use.
  Pair& pair(std::uint32_t under, std::uint32_t ink, const Pair* kept = nullptr);

 private:
  std::array<Pair, 8> pairs_{};
  std::size_t used_ = 0;       // entries made so far, up to the size
  std::size_t next_made_ = 0;  // the entry the next new pair replaces
};

}  // namespace zorva::platform::text
