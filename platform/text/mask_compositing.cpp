// Glyph masks blended onto a target in linear light, through tables built once.
#include "platform/text/mask_compositing.h"

#include <algorithm>
#include <array>
#include <cmath>

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

void composite_mask(const raster::RasterTarget& target, const GlyphMask& mask, std::int64_t x, std::int64_t y,
                    std::uint32_t ink) {
  const std::int64_t row_first = std::max<std::int64_t>(0, target.top - y);
  const std::int64_t row_end = std::min<std::int64_t>(mask.height, target.bottom - y);
  const std::int64_t col_first = std::max<std::int64_t>(0, target.left - x);
  const std::int64_t col_end = std::min<std::int64_t>(mask.width, target.right - x);
  if (row_first >= row_end || col_first >= col_end) return;
  const GammaTables& tables = gamma_tables();
  const std::uint8_t* coverage = mask.coverage.data();
  const std::int64_t mask_width = mask.width;
  const std::int64_t column_offset = target.origin_x + x;
  for (std::int64_t r = row_first; r < row_end; ++r) {
    const std::uint8_t* source = coverage + r * mask_width;
    std::uint32_t* row = target.pixmap->row(static_cast<int>(y + r + target.origin_y));
    for (std::int64_t c = col_first; c < col_end; ++c) {
      const unsigned level = source[c];
      if (level == 0) continue;
      std::uint32_t& pixel = row[column_offset + c];
      pixel = level == 255 ? ink : mix_channels(tables, pixel, ink, level);
    }
  }
}

}  // namespace zorva::platform::text
