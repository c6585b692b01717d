// How a glyph mask's ink goes onto a target: each pixel's coverage is the share of ink over
// what lies under it (the destination in TRANSPARENT mode, the background colour already
// filled in OPAQUE mode), mixed in linear light rather than on the stored levels.
#pragma once

#include <cstdint>

#include "platform/raster/raster_target.h"
#include "platform/text/glyph_source.h"

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

// Puts the mask's ink on the target with the mask's top-left at device (x, y), clipped to
// the target's box.
void composite_mask(const raster::RasterTarget& target, const GlyphMask& mask, std::int64_t x, std::int64_t y,
                    std::uint32_t ink);

}  // namespace zorva::platform::text
