// Glyph masks blended onto a target in linear light, through tables built once.
#include "platform/text/mask_compositing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace zorva::platform::text {
namespace {

// Linear light is held in 16 bits; going back to levels looks up its top 14 bits, fine
// enough that a level's round trip is exact but for the five darkest (off by two at most).
constexpr int kEncodeBits = 14;
constexpr int kEncodeSize = 1 << kEncodeBits;

struct GammaTables {
  std::array<std::uint16_t, 256> to_linear{};
  std::array<std::uint8_t, kEncodeSize> to_level{};
};

const GammaTables& gamma_tables() {
  static const GammaTables tables = [] {
    GammaTables t;
    for (int level = 0; level < 256; ++level)
      t.to_linear[static_cast<std::size_t>(level)] =
          static_cast<std::uint16_t>(std::lround(65535.0 * std::pow(level / 255.0, kTextGamma)));
    for (int i = 0; i < kEncodeSize; ++i)
      t.to_level[static_cast<std::size_t>(i)] =
          static_cast<std::uint8_t>(std::lround(255.0 * std::pow(static_cast<double>(i) / (kEncodeSize - 1), 1.0 / kTextGamma)));
    return t;
  }();
  return tables;
}

unsigned mix_channel(const GammaTables& t, unsigned under, unsigned ink, unsigned coverage) {
  if (under == ink) return ink;
  const unsigned linear = (t.to_linear[ink] * coverage + t.to_linear[under] * (255u - coverage) + 127u) / 255u;
  return t.to_level[linear >> (16 - kEncodeBits)];
}

std::uint32_t mix_channels(const GammaTables& t, std::uint32_t under, std::uint32_t ink, unsigned coverage) {
  std::uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8)
    out |= static_cast<std::uint32_t>(mix_channel(t, (under >> shift) & 0xFFu, (ink >> shift) & 0xFFu, coverage)) << shift;
  return out;
}

}  // namespace

std::uint8_t mix_level(std::uint8_t under, std::uint8_t ink, std::uint8_t coverage) {
  if (coverage == 0) return under;
  if (coverage == 255) return ink;
  return static_cast<std::uint8_t>(mix_channel(gamma_tables(), unsigned{under}, unsigned{ink}, unsigned{coverage}));
}

std::uint32_t mix_pixel(std::uint32_t under, std::uint32_t ink, std::uint8_t coverage) {
  if (coverage == 0) return under;
  if (coverage == 255) return ink;
  return mix_channels(gamma_tables(), under, ink, coverage);
}

namespace {

// Whether the eight coverages from `source` are all 0: most of a text's mask is blank, and
// it is passed over a word at a time.
bool blank_word(const std::uint8_t* source) {
  std::uint64_t eight;
  std::memcpy(&eight, source, sizeof eight);
  return eight == 0;
}

// One pixel of ink at coverage `level` over whatever the target holds. `kept` is a pair
// still in use, not to be replaced.
inline void mix_onto_target(const GammaTables& tables, MixCache& mixes, MixCache::Pair*& pair,
                            const MixCache::Pair* kept, unsigned level, std::uint32_t& pixel, std::uint32_t ink) {
  if (level == 0) return;
  if (level == 255) {
    pixel = ink;
    return;
  }
  // Nearly every inked pixel lies on the ground of the one before: its pair answers without
  // a search.
  if (pair == nullptr || pair->under != pixel) pair = &mixes.pair(pixel, ink, kept);
  if (!pair->is_known(level)) {
    pair->pixels[level] = mix_channels(tables, pixel, ink, level);
    pair->set_known(level);
  }
  pixel = pair->pixels[level];
}

// Columns [first, end) of one mask row over whatever the target holds.
void mix_row_onto_target(const GammaTables& tables, MixCache& mixes, MixCache::Pair*& pair,
                         const MixCache::Pair* kept, const std::uint8_t* source, std::uint32_t* row,
                         std::int64_t first, std::int64_t end, std::uint32_t ink) {
  std::int64_t c = first;
  for (; end - c >= 8; c += 8) {
    if (blank_word(source + c)) continue;
    for (int k = 0; k < 8; ++k) mix_onto_target(tables, mixes, pair, kept, source[c + k], row[c + k], ink);
  }
  for (; c < end; ++c) mix_onto_target(tables, mixes, pair, kept, source[c], row[c], ink);
}

// Columns [first, end) of one mask row where the target holds the pair's ground: every
// coverage, 0 included, is the pair's pixel, so a blank word needs no writing.
void mix_row_onto_ground(const MixCache::Pair& pair, const std::uint8_t* source, std::uint32_t* row,
                         std::int64_t first, std::int64_t end) {
  const std::uint32_t* mixed = pair.pixels.data();
  std::int64_t c = first;
  for (; end - c >= 8; c += 8) {
    if (blank_word(source + c)) continue;
    for (int k = 0; k < 8; ++k) row[c + k] = mixed[source[c + k]];
  }
  for (; c < end; ++c) row[c] = mixed[source[c]];
}

// The pair with every coverage mixed.
const MixCache::Pair& complete_pair(const GammaTables& tables, MixCache& mixes, std::uint32_t under,
                                    std::uint32_t ink) {
  MixCache::Pair& pair = mixes.pair(under, ink);
  if (pair.complete) return pair;
  for (unsigned level = 1; level < 255; ++level) {
    if (pair.is_known(level)) continue;
    pair.pixels[level] = mix_channels(tables, under, ink, level);
    pair.set_known(level);
  }
  pair.complete = true;
  return pair;
}

}  // namespace

void composite_mask(const raster::RasterTarget& target, const GlyphMask& mask, std::int64_t x, std::int64_t y,
                    std::uint32_t ink, MixCache& mixes, const GroundBox* ground) {
  const std::int64_t row_first = std::max<std::int64_t>(0, target.top - y);
  const std::int64_t row_end = std::min<std::int64_t>(mask.height, target.bottom - y);
  const std::int64_t col_first = std::max<std::int64_t>(0, target.left - x);
  const std::int64_t col_end = std::min<std::int64_t>(mask.width, target.right - x);
  if (row_first >= row_end || col_first >= col_end) return;
  const GammaTables& tables = gamma_tables();
  // The ground box in mask rows and columns, within the clipped mask (empty when none).
  std::int64_t ground_row_first = 0, ground_row_end = 0, ground_col_first = 0, ground_col_end = 0;
  const MixCache::Pair* ground_pair = nullptr;
  if (ground != nullptr) {
    ground_row_first = std::clamp(ground->top - y, row_first, row_end);
    ground_row_end = std::clamp(ground->bottom - y, ground_row_first, row_end);
    ground_col_first = std::clamp(ground->left - x, col_first, col_end);
    ground_col_end = std::clamp(ground->right - x, ground_col_first, col_end);
    if (ground_row_first < ground_row_end && ground_col_first < ground_col_end)
      ground_pair = &complete_pair(tables, mixes, ground->pixel, ink);
  }
  const std::uint8_t* coverage = mask.coverage.data();
  const std::int64_t mask_width = mask.width;
  const std::int64_t column_offset = target.origin_x + x;
  MixCache::Pair* pair = nullptr;
  for (std::int64_t r = row_first; r < row_end; ++r) {
    const std::uint8_t* source = coverage + r * mask_width;
    std::uint32_t* row = target.pixmap->row(static_cast<int>(y + r + target.origin_y)) + column_offset;
    if (ground_pair != nullptr && r >= ground_row_first && r < ground_row_end) {
      mix_row_onto_target(tables, mixes, pair, ground_pair, source, row, col_first, ground_col_first, ink);
      mix_row_onto_ground(*ground_pair, source, row, ground_col_first, ground_col_end);
      mix_row_onto_target(tables, mixes, pair, ground_pair, source, row, ground_col_end, col_end, ink);
    } else {
      mix_row_onto_target(tables, mixes, pair, ground_pair, source, row, col_first, col_end, ink);
    }
  }
}

void composite_mask(const raster::RasterTarget& target, const GlyphMask& mask, std::int64_t x, std::int64_t y,
                    std::uint32_t ink) {
  MixCache mixes;
  composite_mask(target, mask, x, y, ink, mixes);
}

}  // namespace zorva::platform::text
