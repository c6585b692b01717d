// Faces opened with SDL2_ttf, their GDI measures, and runs of text rendered as 8-bit coverage.
#include "platform/fonts/ttf_glyph_source.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_ttf.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <cmath>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "platform/fonts/font_files.h"

namespace zorva::platform::fonts {
namespace {

constexpr int kDefaultSansEm = 14;  // a 16-pixel cell, as the classic system font
constexpr int kDefaultMonoEm = 12;  // about 7x14, near the classic 8x13 fixed cell
constexpr int kMaxEm = 2048;        // larger requests are drawn at this size

// A face open at one size, with the advances and kernings measured so far: text is measured
// piece by piece on every call, and asking SDL_ttf each time costs more than drawing.
struct TtfFace final : text::FontFace {
  static constexpr std::int32_t kUnknown = INT32_MIN;

  TTF_Font* ttf = nullptr;
  int render_ascent = 0;  // where SDL_ttf puts the baseline in what it renders
  mutable std::array<std::int32_t, 256> advances;  // by Latin-1 character; kUnknown until asked
  mutable std::vector<std::int32_t> kernings;      // by pair (first * 256 + second), made on first use

  TtfFace() { advances.fill(kUnknown); }

  std::int32_t advance_of(Uint32 c) const {
    std::int32_t& known = advances[c];
    if (known == kUnknown) {
      int minx, maxx, miny, maxy, glyph_advance = 0;
      known = TTF_GlyphMetrics32(ttf, c, &minx, &maxx, &miny, &maxy, &glyph_advance) == 0 ? glyph_advance : 0;
    }
    return known;
  }

  std::int32_t kerning_of(Uint32 first, Uint32 second) const {
    if (kernings.empty()) kernings.assign(256 * 256, kUnknown);
    std::int32_t& known = kernings[first * 256 + second];
    if (known == kUnknown) known = TTF_GetFontKerningSizeGlyphs32(ttf, first, second);
    return known;
  }
};

struct TtfCloser {
  void operator()(TTF_Font* f) const { TTF_CloseFont(f); }
};

// Open faces by (file, size, style), and cell-height requests resolved to em sizes.
class FaceCache {
 public:
  const TtfFace* open(const FontFile& file, int em, int style, bool monospace) {
    const auto key = std::make_tuple(file.path, file.index, em, style);
    auto found = faces_.find(key);
    if (found != faces_.end()) return found->second.ttf ? &found->second.face : nullptr;
    Entry& entry = faces_[key];
    entry.ttf.reset(TTF_OpenFontIndex(file.path.c_str(), em, file.index));
    if (!entry.ttf) return nullptr;
    TTF_Font* f = entry.ttf.get();
    TTF_SetFontStyle(f, style);
    TtfFace& r = entry.face;
    r.ttf = f;
    r.em_height = em;
    // GDI rounds the scaled ascender and descender each on its own; SDL_ttf rounds them up.
    const DesignMetrics& design = design_metrics(file);
    r.render_ascent = TTF_FontAscent(f);
    r.ascent = static_cast<int>(std::lround(design.ascent * em));
    r.descent = static_cast<int>(std::lround(design.descent * em));
    if (r.ascent + r.descent <= 0) {
      r.ascent = r.render_ascent;
      r.descent = -TTF_FontDescent(f);
    }
    r.line_skip = TTF_FontLineSkip(f);
    r.monospace = monospace || TTF_FontFaceIsFixedWidth(f) != 0;
    int minx, maxx, miny, maxy, advance = 0;
    if (TTF_GlyphMetrics32(f, 'x', &minx, &maxx, &miny, &maxy, &advance) == 0) r.average_width = advance;
    for (Uint32 c = 32; c < 256; ++c) {
      if (c >= 127 && c < 160) continue;
      if (TTF_GlyphMetrics32(f, c, &minx, &maxx, &miny, &maxy, &advance) == 0) r.max_width = std::max(r.max_width, advance);
    }
    return &r;
  }

  // The em size whose cell (ascent + descent) is closest to the asked cell height.
  int em_for_cell(const FontFile& file, int cell, int style, bool monospace) {
    const auto key = std::make_tuple(file.path, file.index, cell, style);
    if (auto found = cells_.find(key); found != cells_.end()) return found->second;
    int em = std::clamp(static_cast<int>(std::lround(cell / 1.17)), 1, kMaxEm);
    for (int tries = 0; tries < 4; ++tries) {
      const TtfFace* r = open(file, em, style, monospace);
      if (!r) break;
      const int height = r->ascent + r->descent;
      if (height > cell && em > 1) {
        --em;
      } else if (height < cell && em < kMaxEm) {
        const TtfFace* bigger = open(file, em + 1, style, monospace);
        if (!bigger || bigger->ascent + bigger->descent > cell) break;
        ++em;
      } else {
        break;
      }
    }
    cells_[key] = em;
    return em;
  }

 private:
  // A face's ascender and descender per pixel of em size.
  struct DesignMetrics {
    double ascent = 0;
    double descent = 0;
  };

  // Measured once per file at a large size, where rounding no longer matters.
  const DesignMetrics& design_metrics(const FontFile& file) {
    const auto key = std::make_pair(file.path, file.index);
    if (auto found = designs_.find(key); found != designs_.end()) return found->second;
    DesignMetrics& d = designs_[key];
    constexpr int kDesignSize = 2048;
    if (TTF_Font* big = TTF_OpenFontIndex(file.path.c_str(), kDesignSize, file.index)) {
      d.ascent = static_cast<double>(TTF_FontAscent(big)) / kDesignSize;
      d.descent = static_cast<double>(-TTF_FontDescent(big)) / kDesignSize;
      TTF_CloseFont(big);
    }
    return d;
  }

  std::map<std::pair<std::string, int>, DesignMetrics> designs_;

  struct Entry {
    std::unique_ptr<TTF_Font, TtfCloser> ttf;
    TtfFace face;
  };
  std::map<std::tuple<std::string, int, int, int>, Entry> faces_;
  std::map<std::tuple<std::string, int, int, int>, int> cells_;
};

// The bytes as UTF-8, each byte standing for the Latin-1 character of its value. A NUL byte
// would end the text for the renderer, so it is shown as a space.
std::string utf8_from_bytes(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (const char byte : bytes) {
    const auto b = static_cast<unsigned char>(byte);
    if (b == 0) {
      out.push_back(' ');
    } else if (b < 0x80) {
      out.push_back(static_cast<char>(b));
    } else {
      out.push_back(static_cast<char>(0xC0 | (b >> 6)));
      out.push_back(static_cast<char>(0x80 | (b & 0x3F)));
    }
  }
  return out;
}

class TtfGlyphSource final : public text::GlyphSource {
 public:
  // The last request is remembered: a program draws call after call in the same font.
  const text::FontFace* resolve(const FontRequest& request) override {
    if (last_face_ && same_request(request, last_request_)) return last_face_;
    const text::FontFace* face = open_for(request);
    if (face) {
      last_request_ = request;
      last_face_ = face;
    }
    return face;
  }

  const text::FontFace* open_for(const FontRequest& request) {
    if (!ttf_ready_) {
      // TTF_Init needs FreeType only, no display.
      if (TTF_WasInit() == 0 && TTF_Init() != 0) return nullptr;
      ttf_ready_ = true;
    }
    const FontFile* file = files_.for_request(request);
    if (!file) return nullptr;
    int style = TTF_STYLE_NORMAL;
    if (request.weight >= 600) style |= TTF_STYLE_BOLD;
    if (request.italic) style |= TTF_STYLE_ITALIC;
    int em;
    if (request.height < 0) {
      em = request.height < -kMaxEm ? kMaxEm : -request.height;
    } else if (request.height > 0) {
      em = faces_.em_for_cell(*file, std::min(request.height, kMaxEm), style, request.monospace);
    } else {
      em = request.monospace ? kDefaultMonoEm : kDefaultSansEm;
    }
    return faces_.open(*file, em, style, request.monospace);
  }

  std::int64_t advance(const text::FontFace& face, std::string_view run) override {
    const TtfFace& ttf_face = static_cast<const TtfFace&>(face);
    std::int64_t total = 0;
    Uint32 previous = 0;
    for (const char byte : run) {
      auto c = static_cast<Uint32>(static_cast<unsigned char>(byte));
      if (c == 0) c = ' ';
      total += ttf_face.advance_of(c);
      if (previous != 0) total += ttf_face.kerning_of(previous, c);
      previous = c;
    }
    return total;
  }

  // Runs drawn again (a score, a title, the lines of a still text window) come from the
  // runs rendered lately, without shaping them again or allocating.
  const text::GlyphMask* render(const text::FontFace& face, std::string_view run) override {
    for (RenderedRun& kept : rendered_)
      if (kept.face == &face && kept.run == run) return &kept.mask;
    RenderedRun& slot = rendered_[next_rendered_];
    slot.face = nullptr;
    if (!render_into(static_cast<const TtfFace&>(face), run, slot.mask)) return nullptr;
    if (slot.mask.coverage.size() > kKeptMaskBytes) {  // a huge mask is not kept beside others
      std::swap(slot.mask, large_mask_);
      slot.mask = text::GlyphMask{};
      return &large_mask_;
    }
    slot.face = &face;
    slot.run.assign(run);
    next_rendered_ = (next_rendered_ + 1) % rendered_.size();
    return &slot.mask;
  }

 private:
  static bool render_into(const TtfFace& ttf_face, std::string_view run, text::GlyphMask& mask) {
    const std::string utf8 = utf8_from_bytes(run);
    // Shaded rendering keeps the face's hinting and the glyphs' places; each palette index of
    // its 8-bit surface is the pixel's coverage, 0 to 255, from the background to the ink.
    SDL_Surface* glyphs =
        TTF_RenderUTF8_Shaded(ttf_face.ttf, utf8.c_str(), SDL_Color{255, 255, 255, 255}, SDL_Color{0, 0, 0, 255});
    if (!glyphs) return false;
    const bool locked = SDL_LockSurface(glyphs) == 0;
    if (locked) {
      // Sizes held in locals: the byte stores below could otherwise alias the surface's fields.
      const std::size_t width = static_cast<std::size_t>(glyphs->w);
      const std::size_t height = static_cast<std::size_t>(glyphs->h);
      const std::ptrdiff_t pitch = glyphs->pitch;
      const auto* pixels = static_cast<const std::uint8_t*>(glyphs->pixels);
      mask.width = glyphs->w;
      mask.height = glyphs->h;
      mask.left = 0;
      mask.top = ttf_face.ascent - ttf_face.render_ascent;
      mask.coverage.resize(width * height);
      std::uint8_t* out = mask.coverage.data();
      for (std::size_t r = 0; r < height; ++r) {
        const std::uint8_t* source = pixels + static_cast<std::ptrdiff_t>(r) * pitch;
        std::copy(source, source + width, out + r * width);
      }
      SDL_UnlockSurface(glyphs);
    }
    SDL_FreeSurface(glyphs);
    return locked;
  }

  static bool same_request(const FontRequest& a, const FontRequest& b) {
    return a.height == b.height && a.weight == b.weight && a.italic == b.italic && a.monospace == b.monospace &&
           a.face == b.face;
  }

  FontFiles files_;
  FaceCache faces_;
  FontRequest last_request_;
  const text::FontFace* last_face_ = nullptr;  // the face of last_request_
  // The runs rendered lately, the oldest replaced first (its buffers reused).
  struct RenderedRun {
    const text::FontFace* face = nullptr;  // nullptr: the slot holds nothing
    std::string run;
    text::GlyphMask mask;
  };
  static constexpr std::size_t kKeptMaskBytes = 256 * 1024;
  std::array<RenderedRun, 32> rendered_;
  std::size_t next_rendered_ = 0;
  text::GlyphMask large_mask_;  // the last run too large to keep; valid until the next render
  bool ttf_ready_ = false;
};

}  // namespace

std::unique_ptr<text::GlyphSource> make_ttf_glyph_source() { return std::make_unique<TtfGlyphSource>(); }

}  // namespace zorva::platform::fonts
