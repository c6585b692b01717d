// Font files through fontconfig.
#include "platform/fonts/font_files.h"

#include <fontconfig/fontconfig.h>

#include "platform/core/ascii.h"

namespace zorva::platform::fonts {
namespace {

constexpr const char* kSansFace = "DejaVu Sans";
constexpr const char* kMonoFace = "DejaVu Sans Mono";

FontFile match(const std::string& family, bool exact_only) {
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
        !exact_only || (has_family && ascii_equal_ignoring_case(reinterpret_cast<const char*>(found_family), family));
    if (has_path && family_ok) {
      file.path = reinterpret_cast<const char*>(path);
      file.index = index;
    }
    FcPatternDestroy(best);
  }
  FcPatternDestroy(pattern);
  return file;
}

}  // namespace

const FontFile* FontFiles::lookup(const std::string& family, bool exact_only) {
  const auto key = std::make_pair(ascii_lowercase(family), exact_only);
  auto found = files_.find(key);
  if (found == files_.end()) found = files_.emplace(key, match(family, exact_only)).first;
  return found->second.path.empty() ? nullptr : &found->second;
}

const FontFile* FontFiles::for_request(const FontRequest& request) {
  if (!request.monospace && !request.face.empty()) {
    if (const FontFile* f = exact(request.face)) return f;
  }
  if (request.monospace) {
    if (const FontFile* f = exact(kMonoFace)) return f;
    if (const FontFile* f = generic("monospace")) return f;
  }
  if (const FontFile* f = exact(kSansFace)) return f;
  return generic("sans-serif");
}

}  // namespace zorva::platform::fonts
