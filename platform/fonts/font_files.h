// Which font file a request is drawn with, found through fontconfig. Faces are asked for by
// name first ("DejaVu Sans", "DejaVu Sans Mono"), so metrics do not change with whatever
// fontconfig's generic choice happens to be on a machine, and only then generically
// (sans-serif, monospace). Lookups are remembered: a match costs far more than a font.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "platform/text/font_request.h"

namespace zorva::platform::fonts {

struct FontFile {
  std::string path;
  int index = 0;  // the face within the file
};

class FontFiles {
 public:
  // The file for a request: the face it names, else the fixed-pitch or proportional face
  // the set-up installs, else fontconfig's generic choice; nullptr when there is no font.
  const FontFile* for_request(const FontRequest& request);

 private:
  // The file of exactly this family, if installed.
  const FontFile* exact(const std::string& family) { return lookup(family, true); }
  // Whatever fontconfig picks for a generic family name.
  const FontFile* generic(const std::string& family) { return lookup(family, false); }
  const FontFile* lookup(const std::string& family, bool exact_only);

  // An empty path means fontconfig had nothing.
  std::map<std::pair<std::string, bool>, FontFile> files_;
};

}  // namespace zorva::platform::fonts
