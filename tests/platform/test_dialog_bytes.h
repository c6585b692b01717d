// Dialog templates written byte by byte in the published in-memory layout, for the tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zorva::testing_support {

struct TemplateBytes {
  std::vector<unsigned char> bytes;

  void word(std::uint16_t v) {
    bytes.push_back(static_cast<unsigned char>(v & 0xFF));
    bytes.push_back(static_cast<unsigned char>(v >> 8));
  }
  void dword(std::uint32_t v) {
    word(static_cast<std::uint16_t>(v & 0xFFFF));
    word(static_cast<std::uint16_t>(v >> 16));
  }
  void text(const std::string& s) {
    for (unsigned char c : s) word(c);
    word(0);
  }
  void align4() {
    while (bytes.size() % 4 != 0) bytes.push_back(0);
  }
  void header(std::uint32_t style, std::uint16_t count, short x, short y, short cx, short cy,
              const std::string& caption) {
    dword(style);
    dword(0);
    word(count);
    word(static_cast<std::uint16_t>(x));
    word(static_cast<std::uint16_t>(y));
    word(static_cast<std::uint16_t>(cx));
    word(static_cast<std::uint16_t>(cy));
    word(0);  // no menu
    word(0);  // default dialog class
    text(caption);
  }
  // An item whose class is given by ordinal, with its text and no creation data.
  void item(std::uint32_t style, short x, short y, short cx, short cy, std::uint16_t id, std::uint16_t ordinal,
            const std::string& title) {
    align4();
    dword(style);
    dword(0);
    word(static_cast<std::uint16_t>(x));
    word(static_cast<std::uint16_t>(y));
    word(static_cast<std::uint16_t>(cx));
    word(static_cast<std::uint16_t>(cy));
    word(id);
    word(0xFFFF);
    word(ordinal);
    text(title);
    word(0);
  }
};

// The text prompt's template: an Edit 102, the default button 101 "Okay" and a Static 103
// holding the prompt padded with blanks to 79 characters.
inline TemplateBytes prompt_template(const std::string& prompt) {
  TemplateBytes t;
  t.header(0x90C80080u, 3, 50, 50, 185, 92, "ZORVA_gets");
  t.item(0x50810044u, 8, 30, 167, 37, 102, 0x0081, "");
  t.item(0x50010001u, 67, 74, 50, 14, 101, 0x0080, "Okay");
  std::string shown = prompt.substr(0, 79);
  shown.resize(79, ' ');
  t.item(0x50020000u, 8, 3, 167, 24, 103, 0x0082, shown);
  return t;
}

}  // namespace zorva::testing_support
