// Text between the platform's 8-bit characters (Latin-1, as the "A" operations take them)
// and UTF-8, as desktops and browsers exchange it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zorva::platform {

// How many bytes a UTF-8 sequence with this first byte has (0: no first byte).
constexpr std::size_t utf8_sequence_length(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 0;
}

// Characters beyond Latin-1, and bytes that are no UTF-8, become '?'.
inline std::string latin1_from_utf8_text(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const std::size_t length = utf8_sequence_length(lead);
    bool whole = length > 0 && i + length <= utf8.size();
    for (std::size_t k = 1; whole && k < length; ++k) whole = (static_cast<unsigned char>(utf8[i + k]) & 0xC0) == 0x80;
    if (!whole) {
      out.push_back('?');
      ++i;
      continue;
    }
    unsigned code = length == 1 ? lead : lead & (0xFFu >> (length + 1));
    for (std::size_t k = 1; k < length; ++k) code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    out.push_back(code <= 0xFF ? static_cast<char>(static_cast<unsigned char>(code)) : '?');
    i += length;
  }
  return out;
}

inline std::string utf8_from_latin1(std::string_view latin1) {
  std::string out;
  out.reserve(latin1.size());
  for (const char c : latin1) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      out.push_back(c);
    } else {
      out.push_back(static_cast<char>(0xC0 | (byte >> 6)));
      out.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
    }
  }
  return out;
}

}  // namespace zorva::platform
