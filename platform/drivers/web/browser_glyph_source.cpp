// The browser's glyph source: faces measured and glyphs drawn by page.js, in batches so that a
// run costs one call into the page (and one read-back of pixels) however many of its glyphs
// are new.
#include "platform/drivers/web/browser_glyph_source.h"

#include <emscripten.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "platform/drivers/web/font_css.h"

// The font box of a CSS font ([ascent, descent] into `box`) and, unless `advances` is null,
// the unrounded advances of the printable Latin-1 characters (32 to 126 and 160 to 255; the
// others are left as they are: measuring a control character makes the browser search every
// font for it, which takes long).
EM_JS(void, zorva_page_measure_font, (const char* css, double* box, double* advances), {
  Module.zorvaPage.measureFont(UTF8ToString(css), HEAPF64.subarray(box >> 3, (box >> 3) + 2),
                               advances ? HEAPF64.subarray(advances >> 3, (advances >> 3) + 256) : null);
});
// The unrounded advance of one character.
EM_JS(double, zorva_page_measure_char, (const char* css, int code), {
  return Module.zorvaPage.measureChar(UTF8ToString(css), code);
});
// For each pair of characters (first << 8 | second), its width less its two characters' widths.
EM_JS(void, zorva_page_measure_pairs, (const char* css, const std::uint16_t* pairs, int count, double* kerning), {
  Module.zorvaPage.measurePairs(UTF8ToString(css), HEAPU16.subarray(pairs >> 1, (pairs >> 1) + count),
                                HEAPF64.subarray(kerning >> 3, (kerning >> 3) + count));
});
// Draws each character in a slot of its own, side by side, with its pen at (pen_x, baseline)
// of the slot, and writes the coverage of the whole row of slots into `mask`.
EM_JS(void, zorva_page_draw_glyphs,
      (const char* css, const std::uint8_t* codes, int count, int slot_width, int slot_height, int pen_x,
       int baseline, std::uint8_t* mask), {
  Module.zorvaPage.drawGlyphs(UTF8ToString(css), HEAPU8.subarray(codes, codes + count), slot_width, slot_height,
                              pen_x, baseline, HEAPU8.subarray(mask, mask + count * slot_width * slot_height));
});

namespace zorva::platform::web {
namespace {

constexpr int kDefaultSansEm = 14;  // a 16-pixel cell, as the classic system font
constexpr int kDefaultMonoEm = 12;  // about 7x14, near the classic 8x13 fixed cell
constexpr int kMaxEm = 2048;        // larger requests are drawn at this size
constexpr int kDesignSize = 2048;   // where a face's proportions are measured

// One read-back of glyphs stays within these (a few megabytes, a canvas any browser allows).
constexpr long long kBatchPixels = 1LL << 22;
constexpr int kBatchWidth = 8192;
// A run whose mask would be larger than this is not rendered: at the largest sizes only a
// few of its glyphs could be on any screen.
constexpr long long kRunMaskPixels = 1LL << 26;

// A NUL byte stands for a space.
unsigned char shown(char byte) {
  const auto b = static_cast<unsigned char>(byte);
  return b == 0 ? ' ' : b;
}

// A width the page measured, in whole pixels; anything not a sensible number counts as 0.
int whole_pixels(double measured) {
  constexpr double kLimit = 1e5;
  if (!(measured > -kLimit && measured < kLimit)) return 0;
  return static_cast<int>(std::lround(measured));
}

// A control character (none is printable): measured only when a text has one.
bool control_character(int c) { return c < 32 || (c >= 127 && c < 160); }

struct BrowserFace final : text::FontFace {
  std::string css;
  // Measured or drawn on first use (advances of the printable characters at once).
  mutable std::array<int, 256> advances{};  // -1: not measured yet
  mutable std::map<std::uint16_t, int> kerning;  // by (first << 8 | second)
  mutable std::array<std::unique_ptr<text::GlyphMask>, 256> glyphs;  // left, top: from the pen at the cell's top
};

class BrowserGlyphSource final : public text::GlyphSource {
 public:
  const text::FontFace* resolve(const FontRequest& request) override {
    const int em = em_for(request);
    const std::string css = css_font(request, em);
    auto found = faces_.find(css);
    if (found != faces_.end()) return found->second.get();
    auto face = std::make_unique<BrowserFace>();
    measure(*face, css, em, request.monospace);
    return faces_.emplace(css, std::move(face)).first->second.get();
  }

  std::int64_t advance(const text::FontFace& font, std::string_view run) override {
    const auto& face = static_cast<const BrowserFace&>(font);
    measure_kerning(face, run);
    std::int64_t total = 0;
    for (std::size_t i = 0; i < run.size(); ++i) {
      total += advance_of(face, shown(run[i]));
      if (i > 0) total += face.kerning.at(pair_of(run[i - 1], run[i]));
    }
    return total;
  }

  const text::GlyphMask* render(const text::FontFace& font, std::string_view run) override {
    const auto& face = static_cast<const BrowserFace&>(font);
    measure_kerning(face, run);
    draw_missing_glyphs(face, run);
    // The box of all the run's ink, from the pen's start at the cell's top.
    std::int64_t left = INT64_MAX, top = INT64_MAX, right = INT64_MIN, bottom = INT64_MIN;
    std::vector<std::int64_t>& pens = pens_;
    pens.resize(run.size());
    std::int64_t pen = 0;
    for (std::size_t i = 0; i < run.size(); ++i) {
      if (i > 0) pen += face.kerning.at(pair_of(run[i - 1], run[i]));
      pens[i] = pen;
      const text::GlyphMask& glyph = *face.glyphs[shown(run[i])];
      if (glyph.width > 0) {
        left = std::min(left, pen + glyph.left);
        right = std::max(right, pen + glyph.left + glyph.width);
        top = std::min<std::int64_t>(top, glyph.top);
        bottom = std::max<std::int64_t>(bottom, glyph.top + glyph.height);
      }
      pen += advance_of(face, shown(run[i]));
    }
    text::GlyphMask& mask = mask_;
    mask.width = mask.height = mask.left = mask.top = 0;
    mask.coverage.clear();
    if (left >= right) return &mask;  // no ink (spaces)
    if (right - left > kRunMaskPixels / (bottom - top)) return nullptr;
    mask.left = static_cast<int>(left);
    mask.top = static_cast<int>(top);
    mask.width = static_cast<int>(right - left);
    mask.height = static_cast<int>(bottom - top);
    mask.coverage.assign(static_cast<std::size_t>(mask.width) * static_cast<std::size_t>(mask.height), 0);
    for (std::size_t i = 0; i < run.size(); ++i) {
      const text::GlyphMask& glyph = *face.glyphs[shown(run[i])];
      const std::int64_t x0 = pens[i] + glyph.left - left;
      const std::int64_t y0 = glyph.top - top;
      for (int y = 0; y < glyph.height; ++y) {
        const std::uint8_t* from = glyph.coverage.data() + static_cast<std::size_t>(y) * glyph.width;
        std::uint8_t* to = mask.coverage.data() + static_cast<std::size_t>(y0 + y) * mask.width + x0;
        // Where neighbours overlap, the stronger coverage shows.
        for (int x = 0; x < glyph.width; ++x) to[x] = std::max(to[x], from[x]);
      }
    }
    return &mask;
  }

 private:
  struct Proportions {
    double ascent = 0;  // per pixel of em
    double descent = 0;
  };

  static int advance_of(const BrowserFace& face, unsigned char c) {
    int& advance = face.advances[c];
    if (advance < 0) advance = std::max(0, whole_pixels(zorva_page_measure_char(face.css.c_str(), c)));
    return advance;
  }

  static std::uint16_t pair_of(char first, char second) {
    return static_cast<std::uint16_t>((shown(first) << 8) | shown(second));
  }

  // GDI rounds the scaled ascender and descender each on its own.
  static int cell_of(const Proportions& p, int em) {
    return static_cast<int>(std::lround(p.ascent * em) + std::lround(p.descent * em));
  }

  const Proportions& proportions(const FontRequest& request) {
    const std::string css = css_font(request, kDesignSize);
    auto found = proportions_.find(css);
    if (found != proportions_.end()) return found->second;
    double box[2] = {0, 0};
    zorva_page_measure_font(css.c_str(), box, nullptr);
    const auto per_em = [](double measured) { return whole_pixels(measured) / static_cast<double>(kDesignSize); };
    return proportions_.emplace(css, Proportions{per_em(box[0]), per_em(box[1])}).first->second;
  }

  int em_for(const FontRequest& request) {
    if (request.height < 0) return request.height < -kMaxEm ? kMaxEm : -request.height;
    if (request.height == 0) return request.monospace ? kDefaultMonoEm : kDefaultSansEm;
    // A cell height: the em size whose cell is closest to it without exceeding it.
    const int cell = std::min(request.height, kMaxEm);
    const Proportions& p = proportions(request);
    int em = std::clamp(static_cast<int>(std::lround(cell / 1.17)), 1, kMaxEm);
    for (int tries = 0; tries < 4; ++tries) {
      const int height = cell_of(p, em);
      if (height > cell && em > 1) {
        --em;
      } else if (height < cell && em < kMaxEm && cell_of(p, em + 1) <= cell) {
        ++em;
      } else {
        break;
      }
    }
    return em;
  }

  static void measure(BrowserFace& face, const std::string& css, int em, bool monospace) {
    double box[2] = {0, 0};
    std::array<double, 256> advances{};
    zorva_page_measure_font(css.c_str(), box, advances.data());
    face.css = css;
    face.em_height = em;
    face.ascent = std::max(0, whole_pixels(box[0]));
    face.descent = std::max(0, whole_pixels(box[1]));
    face.line_skip = std::max(face.ascent + face.descent, whole_pixels(std::ceil(box[0] + box[1] - 1e-6)));
    for (int c = 0; c < 256; ++c) {
      face.advances[c] = control_character(c) ? -1 : std::max(0, whole_pixels(advances[c]));
      face.max_width = std::max(face.max_width, face.advances[c]);
    }
    face.average_width = face.advances['x'];
    face.monospace = monospace || face.advances['i'] == face.advances['W'];
  }

  // Measures the run's pairs that the face has not measured yet, all in one call.
  void measure_kerning(const BrowserFace& face, std::string_view run) {
    pairs_.clear();
    for (std::size_t i = 1; i < run.size(); ++i) {
      const std::uint16_t pair = pair_of(run[i - 1], run[i]);
      if (!face.kerning.count(pair) && std::find(pairs_.begin(), pairs_.end(), pair) == pairs_.end())
        pairs_.push_back(pair);
    }
    if (pairs_.empty()) return;
    std::vector<double> widths(pairs_.size());
    zorva_page_measure_pairs(face.css.c_str(), pairs_.data(), static_cast<int>(pairs_.size()), widths.data());
    for (std::size_t i = 0; i < pairs_.size(); ++i)
      face.kerning.emplace(pairs_[i], whole_pixels(widths[i]));
  }

  // Draws the run's glyphs that the face has not drawn yet, as few read-backs as will do.
  void draw_missing_glyphs(const BrowserFace& face, std::string_view run) {
    std::vector<std::uint8_t> missing;
    for (const char byte : run) {
      const unsigned char c = shown(byte);
      if (!face.glyphs[c] && std::find(missing.begin(), missing.end(), c) == missing.end()) missing.push_back(c);
    }
    // Room for a glyph to reach past its advance and its cell by a generous margin.
    const int margin = face.em_height / 2 + 2;
    const int slot_height = face.ascent + face.descent + 2 * margin;
    std::size_t first = 0;
    while (first < missing.size()) {
      // As many glyphs as fit in one batch, and always at least one.
      std::size_t end = first;
      int slot_width = 0;
      while (end < missing.size()) {
        const int width = std::max(slot_width, advance_of(face, missing[end]) + 2 * margin);
        const long long count = static_cast<long long>(end - first + 1);
        if (end > first && (count * width > kBatchWidth || count * width * slot_height > kBatchPixels)) break;
        slot_width = width;
        ++end;
      }
      draw_batch(face, missing.data() + first, static_cast<int>(end - first), slot_width, slot_height, margin);
      first = end;
    }
  }

  void draw_batch(const BrowserFace& face, const std::uint8_t* codes, int count, int slot_width, int slot_height,
                  int margin) {
    const std::size_t row = static_cast<std::size_t>(slot_width) * static_cast<std::size_t>(count);
    drawn_.assign(row * static_cast<std::size_t>(slot_height), 0);
    zorva_page_draw_glyphs(face.css.c_str(), codes, count, slot_width, slot_height, margin, margin + face.ascent,
                           drawn_.data());
    for (int i = 0; i < count; ++i) {
      auto glyph = std::make_unique<text::GlyphMask>();
      // Kept cropped to the pixels it covers.
      const int x_start = i * slot_width;
      int left = slot_width, right = 0, top = slot_height, bottom = 0;
      for (int y = 0; y < slot_height; ++y)
        for (int x = 0; x < slot_width; ++x)
          if (drawn_[static_cast<std::size_t>(y) * row + x_start + x] != 0) {
            left = std::min(left, x);
            right = std::max(right, x + 1);
            top = std::min(top, y);
            bottom = std::max(bottom, y + 1);
          }
      if (left < right) {
        glyph->left = left - margin;
        glyph->top = top - margin;
        glyph->width = right - left;
        glyph->height = bottom - top;
        glyph->coverage.resize(static_cast<std::size_t>(glyph->width) * static_cast<std::size_t>(glyph->height));
        for (int y = 0; y < glyph->height; ++y)
          std::copy_n(drawn_.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(y + top) * row) +
                          x_start + left,
                      glyph->width, glyph->coverage.begin() + static_cast<std::ptrdiff_t>(y) * glyph->width);
      }
      face.glyphs[codes[i]] = std::move(glyph);
    }
  }

  std::map<std::string, std::unique_ptr<BrowserFace>> faces_;
  std::map<std::string, Proportions> proportions_;
  std::vector<std::uint16_t> pairs_;  // reused by measure_kerning
  std::vector<std::uint8_t> drawn_;   // reused by draw_batch
  std::vector<std::int64_t> pens_;    // reused by render
  text::GlyphMask mask_;              // the last run rendered
};

}  // namespace

std::unique_ptr<text::GlyphSource> make_browser_glyph_source() { return std::make_unique<BrowserGlyphSource>(); }

}  // namespace zorva::platform::web
