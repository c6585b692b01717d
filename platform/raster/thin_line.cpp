// Bresenham lines in closed form, so that a line can start its walk where it enters the
// visible box instead of at its (possibly far away) start.
#include "platform/raster/thin_line.h"

#include <algorithm>

#include "platform/raster/wide_math.h"

namespace zorva::platform::raster {

void draw_thin_line(const RasterTarget& target, std::int64_t x0, std::int64_t y0, std::int64_t x1,
                    std::int64_t y1, std::uint32_t pixel) {
  const std::int64_t dx = x1 - x0;
  const std::int64_t dy = y1 - y0;
  if ((dx == 0 && dy == 0) || target.empty()) return;

  if (dy == 0) {  // horizontal: start up to, not including, the end
    if (dx > 0) target.fill_span(y0, x0, x1, pixel);
    else target.fill_span(y0, x1 + 1, x0 + 1, pixel);
    return;
  }
  if (dx == 0) {  // vertical
    const std::int64_t top = dy > 0 ? y0 : y1 + 1;
    const std::int64_t bottom = dy > 0 ? y1 : y0 + 1;
    target.fill_box(x0, top, x0 + 1, bottom, pixel);
    return;
  }

  // Major axis m, minor axis n. Pixel i (0 <= i < M) lies at
  //   m = m0 + sm * i,  n = n0 + sn * floor((2N*i + M - bias) / (2M)).
  // bias 1 rounds exact halves towards the start, 0 away from it; octants 3, 5, 6 and 8
  // (clockwise from +x, y down) round away, so a line and its reverse agree.
  const bool x_major = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
  const std::int64_t m0 = x_major ? x0 : y0;
  const std::int64_t n0 = x_major ? y0 : x0;
  const std::int64_t dm = x_major ? dx : dy;
  const std::int64_t dn = x_major ? dy : dx;
  const std::int64_t sm = dm > 0 ? 1 : -1;
  const std::int64_t sn = dn > 0 ? 1 : -1;
  const Wide M = dm > 0 ? dm : -Wide{dm};
  const Wide N = dn > 0 ? dn : -Wide{dn};
  const Wide bias = (x_major ? dy < 0 : dx < 0) ? 0 : 1;

  // Both ends visible: every pixel lies between them, so walk from the start unclipped.
  if (target.contains(std::min(x0, x1), std::min(y0, y1), std::max(x0, x1) + 1, std::max(y0, y1) + 1)) {
    const std::int64_t steps = dm > 0 ? dm : -dm;
    const std::int64_t step = 2 * (dn > 0 ? dn : -dn);
    const std::int64_t wrap = 2 * steps;
    std::int64_t remainder = steps - static_cast<std::int64_t>(bias);  // pixel 0's minor offset is 0
    std::uint32_t* p = target.at(x0, y0);
    const std::ptrdiff_t stride = target.pixmap->width;
    const std::ptrdiff_t major_step = x_major ? sm : sm * stride;
    const std::ptrdiff_t minor_step = x_major ? sn * stride : sn;
    for (std::int64_t i = 0; i < steps; ++i) {
      *p = pixel;
      p += major_step;
      remainder += step;
      if (remainder >= wrap) {  // the minor axis moves at most once a step
        remainder -= wrap;
        p += minor_step;
      }
    }
    return;
  }

  const std::int64_t m_lo = x_major ? target.left : target.top;
  const std::int64_t m_hi = x_major ? target.right : target.bottom;  // exclusive
  const std::int64_t n_lo = x_major ? target.top : target.left;
  const std::int64_t n_hi = x_major ? target.bottom : target.right;  // exclusive

  // Steps i whose major coordinate is visible.
  Wide i_first = 0;
  Wide i_last = M - 1;
  if (sm > 0) {
    i_first = std::max(i_first, Wide{m_lo} - m0);
    i_last = std::min(i_last, Wide{m_hi} - 1 - m0);
  } else {
    i_first = std::max(i_first, Wide{m0} - (m_hi - 1));
    i_last = std::min(i_last, Wide{m0} - m_lo);
  }
  // Steps whose minor offset q lies in [q_lo, q_hi] (q only grows with i).
  const Wide q_lo = sn > 0 ? Wide{n_lo} - n0 : Wide{n0} - (n_hi - 1);
  const Wide q_hi = sn > 0 ? Wide{n_hi} - 1 - n0 : Wide{n0} - n_lo;
  i_first = std::max(i_first, ceil_div(2 * M * q_lo - M + bias, 2 * N));
  i_last = std::min(i_last, ceil_div(2 * M * (q_hi + 1) - M + bias, 2 * N) - 1);
  if (i_first > i_last) return;

  // Walk the visible steps with the remainder of the closed form.
  Wide numerator = 2 * N * i_first + M - bias;
  Wide q = floor_div(numerator, 2 * M);
  std::int64_t remainder = static_cast<std::int64_t>(numerator - q * 2 * M);
  const std::int64_t step = static_cast<std::int64_t>(2 * N);
  const std::int64_t wrap = static_cast<std::int64_t>(2 * M);
  std::int64_t m = m0 + sm * static_cast<std::int64_t>(i_first);
  std::int64_t n = n0 + sn * static_cast<std::int64_t>(q);
  for (Wide i = i_first; i <= i_last; ++i) {
    if (x_major) target.plot(m, n, pixel);
    else target.plot(n, m, pixel);
    m += sm;
    remainder += step;
    while (remainder >= wrap) {
      remainder -= wrap;
      n += sn;
    }
  }
}

}  // namespace zorva::platform::raster
