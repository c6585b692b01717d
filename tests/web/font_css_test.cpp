// The CSS font of a request: its size, weight and style, and a program's face name only
// where it cannot break out of the CSS string.
#include <gtest/gtest.h>

#include "platform/drivers/web/font_css.h"

namespace {

using zorva::platform::FontRequest;
using zorva::platform::web::css_font;

FontRequest request(const char* face, int weight = FW_NORMAL, bool italic = false, bool monospace = false) {
  FontRequest r;
  r.face = face;
  r.weight = weight;
  r.italic = italic;
  r.monospace = monospace;
  return r;
}

TEST(WebFontCss, RequestsBecomeCssFonts) {
  const std::string sans = "\"DejaVu Sans\", sans-serif";
  const struct {
    FontRequest request;
    int em;
    std::string css;
  } cases[] = {
      {request(""), 14, "400 14px " + sans},
      {request("Arial", FW_BOLD), 20, "700 20px \"Arial\", " + sans},
      {request("Liberation Serif", FW_NORMAL, true), 9, "italic 400 9px \"Liberation Serif\", " + sans},
      {request("Courier", FW_NORMAL, false, true), 12, "400 12px \"DejaVu Sans Mono\", monospace"},
      {request("", 0), 14, "400 14px " + sans},       // FW_DONTCARE
      {request("", 5000), 14, "1000 14px " + sans},   // beyond the heaviest weight
      // Names that could end the string or the declaration are left out.
      {request("x\", serif; color: red"), 14, "400 14px " + sans},
      {request("back\\slash"), 14, "400 14px " + sans},
      {request(std::string(65, 'a').c_str()), 14, "400 14px " + sans},
  };
  for (const auto& c : cases) EXPECT_EQ(css_font(c.request, c.em), c.css) << c.request.face;
}

}  // namespace
