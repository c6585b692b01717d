// CSS font strings for font requests.
#include "platform/drivers/web/font_css.h"

#include <algorithm>
#include <cstdio>

namespace zorva::platform::web {
namespace {

// A face name goes into a CSS string only if it cannot end the string or escape from it.
bool plain_face_name(const std::string& face) {
  if (face.empty() || face.size() > 64) return false;
  return std::all_of(face.begin(), face.end(), [](unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ' || c == '-' ||
           c == '_';
  });
}

}  // namespace

std::string css_font(const FontRequest& request, int em) {
  std::string families;
  if (request.monospace) {
    families = "\"DejaVu Sans Mono\", monospace";
  } else {
    if (plain_face_name(request.face)) families = "\"" + request.face + "\", ";
    families += "\"DejaVu Sans\", sans-serif";
  }
  const int weight = request.weight <= 0 ? 400 : std::clamp(request.weight, 1, 1000);
  char size[48];
  std::snprintf(size, sizeof size, "%s%d %dpx ", request.italic ? "italic " : "", weight, em);
  return size + families;
}

}  // namespace zorva::platform::web
