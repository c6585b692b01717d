// Moving a block of pixels between (or within) pixmaps, row by row. The block must already
// be clipped to both pixmaps.
#pragma once

#include <cstdint>
#include <cstring>

#include "platform/core/pixmap.h"

namespace zorva::platform {

// Copies the width x height block at (from_x, from_y) of `from` to (to_x, to_y) of `to`.
// Within one pixmap the blocks may overlap: a block moved down is copied bottom row first,
// so no row is overwritten before it is read.
inline void move_block(Pixmap& to, std::int64_t to_x, std::int64_t to_y, const Pixmap& from, std::int64_t from_x,
                       std::int64_t from_y, std::int64_t width, std::int64_t height) {
  if (width <= 0 || height <= 0) return;
  const std::size_t bytes = static_cast<std::size_t>(width) * sizeof(std::uint32_t);
  const bool bottom_first = &to == &from && to_y > from_y;
  for (std::int64_t i = 0; i < height; ++i) {
    const std::int64_t r = bottom_first ? height - 1 - i : i;
    std::memmove(to.row(static_cast<int>(to_y + r)) + to_x, from.row(static_cast<int>(from_y + r)) + from_x, bytes);
  }
}

}  // namespace zorva::platform
