// Reading an in-memory dialog template (DLGTEMPLATE followed by its DLGITEMTEMPLATEs) in the
// published binary layout, never past the bytes it may read.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace zorva::platform::dialogs {

struct DialogItemTemplate {
  DWORD style = 0;
  DWORD ex_style = 0;
  short x = 0, y = 0, cx = 0, cy = 0;  // dialog units
  int id = 0;
  std::string class_name;  // "Button", "Edit", "Static", ... or the name given
  std::string text;        // 16-bit characters narrowed to 8 bits; "" for a resource ordinal
  std::vector<unsigned char> creation_data;
};

struct DialogTemplate {
  DWORD style = 0;
  DWORD ex_style = 0;
  short x = 0, y = 0, cx = 0, cy = 0;  // dialog units
  bool has_menu = false;
  std::string class_name;  // "" for the default dialog class
  std::string caption;
  int point_size = 0;      // DS_SETFONT only
  std::string face;        // DS_SETFONT only
  std::vector<DialogItemTemplate> items;
};

// Reads a template of exactly `size` bytes; nullopt when it is malformed or does not fit.
std::optional<DialogTemplate> parse_dialog_template(const void* data, std::size_t size);

// Reads a template whose size is not known (as DialogBoxIndirectParamA receives it): bytes
// are read only as far as the template's own description leads, and absurd item counts,
// strings or creation data are refused before anything beyond them is touched.
std::optional<DialogTemplate> parse_dialog_template_unsized(const void* data);

// 16-bit characters become 8-bit ones: Latin-1 as they are, anything above as "?".
char narrow_char(WORD c);

}  // namespace zorva::platform::dialogs
