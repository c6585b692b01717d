// A DC's resolved canvas as the rasteriser's target, with the platform's scratch buffers.
#pragma once

#include <cstdint>

#include "platform/gdi/device_context.h"
#include "platform/raster/raster_target.h"
#include "platform/state/platform_state.h"

namespace zorva::platform {

inline raster::RasterTarget target_of(const Canvas& canvas) {
  raster::RasterTarget t;
  t.pixmap = canvas.pixmap;
  t.origin_x = canvas.origin_x;
  t.origin_y = canvas.origin_y;
  t.left = std::int64_t{canvas.clip.left} - canvas.origin_x;
  t.top = std::int64_t{canvas.clip.top} - canvas.origin_y;
  t.right = std::int64_t{canvas.clip.right} - canvas.origin_x;
  t.bottom = std::int64_t{canvas.clip.bottom} - canvas.origin_y;
  t.scratch = &platform_state().raster_scratch;
  return t;
}

}  // namespace zorva::platform
