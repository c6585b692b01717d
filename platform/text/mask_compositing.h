// How a glyph mask's ink goes onto a target: each pixel's coverage is the share of ink over
// what lies under it (the destination in TRANSPARENT mode, the background colour already
// filled in OPAQUE mode), mixed in linear light rather than on the stored levels.
#pragma once

#include <cstdint>

#include "platform/raster/raster_target.h"
#include "platform/text/glyph_source.h"
#include "platform/text/mix_cache.h"

namespace zorva::platform::text {

// The gamma of the stored colour levels. Mixing in linear light makes dark ink on a light
// ground thinner and lighter at a stroke's edges, and light ink on a dark ground fuller, as
// Windows' smoothed text looks; 2.2 comes closest to it (measured on its pictures).
inline constexpr double kTextGamma = 2.2;

// One channel level (0 to 255) of `ink` over `under` at a coverage of 0 to 255: 0 gives
// `under`, 255 gives `ink`, and equal levels stay as they are.
std::uint8_t mix_level(std::uint8_t under, std::uint8_t ink, std::uint8_t coverage);

// The pixel (0x00RRGGBB) of `ink` over `under` at a coverage of 0 to 255.
std::uint32_t mix_pixel(std::uint32_t under, std::uint32_t ink, std::uint8_t coverage);

// A box of device pixels known to hold `pixel` throughout (the background just filled under
// opaque text): there every pixel of a mask is the pair's mix, looked up without reading the
// target. Right and bottom exclusive.
struct GroundBox {
  std::int64_t left = 0, top = 0, right = 0, bottom = 0;
  std::uint32_t pixel = 0;
};

// Puts the mask's ink on the target with the mask's top-left at device (x, y), clipped to
// the target's box. The mixes are kept in `mixes` for the next masks of the same ink; inside
// `ground`, where given, the target is taken to hold its pixel.
void composite_mask(const raster::RasterTarget& target, const GlyphMask& mask, std::int64_t x, std::int64_t y,
                    std::uint32_t ink, MixCache& mixes, const GroundBox* ground = nullptr);
// The same with mixes kept for this mask only.
void composite_mask(const raster::RasterTarget& target, const GlyphMask& mask, std::int64_t x, std::int64_t y,
                    std::uint32_t ink);

}  // namespace zorva::platform::text
