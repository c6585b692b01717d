// Font lookup and caching. Faces are asked for by name first ("DejaVu Sans", "DejaVu Sans
// Mono"), so metrics do not change with whatever fontconfig's generic choice happens to be on
// a machine, and only then generically (sans-serif, monospace).
#include "platform/text/font_catalog.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <tuple>

namespace zorva::platform::text {
namespace {

constexpr const char* kSansFace = "DejaVu Sans";
constexpr const char* kMonoFace = "DejaVu Sans Mono";
constexpr int kDefaultSansEm = 14;  // a 16-pixel cell, as the classic system font
constexpr int kDefaultMonoEm = 12;  // about 7x14, near the classic 8x13 fixed cell
constexpr int kMaxEm = 2048;        // larger requests are drawn at this size

std::string lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

struct FontFile {
  std::string path;
  int index = 0;
};

// Font files by family; an empty path means fontconfig had nothing.
class FileCatalog {
 public:
  // The file of exactly this family, if installed.
  const FontFile* exact(const std::string& family) { return lookup(family, true); }
  // Whatever fontconfig picks for a generic family name.
  const FontFile* generic(const std::string& family) { return lookup(family, false); }

 private:
  const FontFile* lookup(const std::string& family, bool exact_only) {
    const auto key = std::make_pair(lower(family), exact_only);
    auto found = files_.find(key);
    if (found == files_.end()) found = files_.emplace(key, match(family, exact_only)).first;
    return found->second.path.empty() ? nullptr : &found->second;
  }

  static FontFile match(const std::string& family, bool exact_only) {
    FontFile file;
    if (!FcInit()) return file;
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* best = FcFontMatch(nullptr, pattern, &result);
    if (best) {
      FcChar8* path = nullptr;
      FcChar8* found_family = nullptr;
      int index = 0;
      const bool has_path = FcPatternGetString(best, FC_FILE, 0, &path) == FcResultMatch;
      const bool has_family = FcPatternGetString(best, FC_FAMILY, 0, &found_family) == FcResultMatch;
      FcPatternGetInteger(best, FC_INDEX, 0, &index);
      const bool family_ok =
          !exact_only || (has_family && lower(reinterpret_cast<const char*>(found_family)) == lower(family));
      if (has_path && family_ok) {
        file.path = reinterpret_cast<const char*>(path);
        file.index = index;
      }
      FcPatternDestroy(best);
    }
    FcPatternDestroy(pattern);
    return file;
  }

  std::map<std::pair<std::string, bool>, FontFile> files_;
};

struct TtfCloser {
  void operator()(TTF_Font* f) const { TTF_CloseFont(f); }
};

// Open faces by (file, size, style), and cell-height requests resolved to em sizes.
class FaceCache {
 public:
  const ResolvedFont* open(const FontFile& file, int em, int style, bool monospace) {
    const auto key = std::make_tuple(file.path, file.index, em, style);
    auto found = faces_.find(key);
    if (found != faces_.end()) return found->second.face ? &found->second.font : nullptr;
    Entry& entry = faces_[key];
    entry.face.reset(TTF_OpenFontIndex(file.path.c_str(), em, file.index));
    if (!entry.face) return nullptr;
    TTF_Font* f = entry.face.get();
    TTF_SetFontStyle(f, style);
    ResolvedFont& r = entry.font;
    r.face = f;
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
      const ResolvedFont* r = open(file, em, style, monospace);
      if (!r) break;
      const int height = r->ascent + r->descent;
      if (height > cell && em > 1) {
        --em;
      } else if (height < cell && em < kMaxEm) {
        const ResolvedFont* bigger = open(file, em + 1, style, monospace);
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
    std::unique_ptr<TTF_Font, TtfCloser> face;
    ResolvedFont font;
  };
  std::map<std::tuple<std::string, int, int, int>, Entry> faces_;
  std::map<std::tuple<std::string, int, int, int>, int> cells_;
};

struct FontRoom {
  FileCatalog files;
  FaceCache faces;
  bool ttf_ready = false;
};

FontRoom& room() {
  static FontRoom instance;
  return instance;
}

const FontFile* file_for(const FontRequest& request) {
  FileCatalog& files = room().files;
  if (!request.monospace && !request.face.empty()) {
    if (const FontFile* f = files.exact(request.face)) return f;
  }
  if (request.monospace) {
    if (const FontFile* f = files.exact(kMonoFace)) return f;
    if (const FontFile* f = files.generic("monospace")) return f;
  }
  if (const FontFile* f = files.exact(kSansFace)) return f;
  return files.generic("sans-serif");
}

}  // namespace

const ResolvedFont* resolve_font(const FontRequest& request) {
  FontRoom& r = room();
  if (!r.ttf_ready) {
    // TTF_Init needs FreeType only, no display.
    if (TTF_WasInit() == 0 && TTF_Init() != 0) return nullptr;
    r.ttf_ready = true;
  }
  const FontFile* file = file_for(request);
  if (!file) return nullptr;
  int style = TTF_STYLE_NORMAL;
  if (request.weight >= 600) style |= TTF_STYLE_BOLD;
  if (request.italic) style |= TTF_STYLE_ITALIC;
  int em;
  if (request.height < 0) {
    em = request.height < -kMaxEm ? kMaxEm : -request.height;
  } else if (request.height > 0) {
    em = r.faces.em_for_cell(*file, std::min(request.height, kMaxEm), style, request.monospace);
  } else {
    em = request.monospace ? kDefaultMonoEm : kDefaultSansEm;
  }
  return r.faces.open(*file, em, style, request.monospace);
}

}  // namespace zorva::platform::text
