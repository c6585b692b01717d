// The keyboard: which keys are down, the characters keys type on a US layout, and the scan
// codes Windows reports with key messages.
#include "platform/messages/keyboard.h"

#include <array>
#include <cstring>

#include "platform/state/platform_state.h"

namespace zorva::platform {
namespace {

std::array<bool, 256>& key_states() { return platform_state().keyboard.down; }

bool in_range(int vk) { return vk >= 0 && vk < 256; }

// Unshifted and shifted characters of the punctuation keys.
struct Punctuation {
  int vk;
  char plain;
  char shifted;
};
constexpr Punctuation kPunctuation[] = {
    {VK_OEM_1, ';', ':'},      {VK_OEM_PLUS, '=', '+'}, {VK_OEM_COMMA, ',', '<'},
    {VK_OEM_MINUS, '-', '_'},  {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'},
    {VK_OEM_3, '`', '~'},      {VK_OEM_4, '[', '{'},    {VK_OEM_5, '\\', '|'},
    {VK_OEM_6, ']', '}'},      {VK_OEM_7, '\'', '"'},
};
constexpr char kShiftedDigits[] = ")!@#$%^&*(";

struct ScanCode {
  int vk;
  int code;
  bool extended;
};
constexpr ScanCode kScanCodes[] = {
    {VK_ESCAPE, 0x01, false}, {VK_OEM_MINUS, 0x0C, false}, {VK_OEM_PLUS, 0x0D, false},
    {VK_BACK, 0x0E, false},   {VK_TAB, 0x0F, false},       {VK_OEM_4, 0x1A, false},
    {VK_OEM_6, 0x1B, false},  {VK_RETURN, 0x1C, false},    {VK_CONTROL, 0x1D, false},
    {VK_OEM_1, 0x27, false},  {VK_OEM_7, 0x28, false},     {VK_OEM_3, 0x29, false},
    {VK_SHIFT, 0x2A, false},  {VK_OEM_5, 0x2B, false},     {VK_OEM_COMMA, 0x33, false},
    {VK_OEM_PERIOD, 0x34, false}, {VK_OEM_2, 0x35, false}, {VK_MULTIPLY, 0x37, false},
    {VK_MENU, 0x38, false},   {VK_SPACE, 0x39, false},     {VK_CAPITAL, 0x3A, false},
    {VK_F11, 0x57, false},    {VK_F12, 0x58, false},       {VK_NUMPAD7, 0x47, false},
    {VK_NUMPAD8, 0x48, false}, {VK_NUMPAD9, 0x49, false},  {VK_SUBTRACT, 0x4A, false},
    {VK_NUMPAD4, 0x4B, false}, {VK_NUMPAD5, 0x4C, false},  {VK_NUMPAD6, 0x4D, false},
    {VK_ADD, 0x4E, false},    {VK_NUMPAD1, 0x4F, false},   {VK_NUMPAD2, 0x50, false},
    {VK_NUMPAD3, 0x51, false}, {VK_NUMPAD0, 0x52, false},  {VK_DECIMAL, 0x53, false},
    {VK_HOME, 0x47, true},    {VK_UP, 0x48, true},         {VK_PRIOR, 0x49, true},
    {VK_LEFT, 0x4B, true},    {VK_RIGHT, 0x4D, true},      {VK_END, 0x4F, true},
    {VK_DOWN, 0x50, true},    {VK_NEXT, 0x51, true},       {VK_INSERT, 0x52, true},
    {VK_DELETE, 0x53, true},  {VK_DIVIDE, 0x35, true},     {VK_PAUSE, 0x45, false},
};
constexpr char kLetterRows[] = "QWERTYUIOP";   // scan codes 0x10..0x19
constexpr char kLetterRow2[] = "ASDFGHJKL";    // 0x1E..0x26
constexpr char kLetterRow3[] = "ZXCVBNM";      // 0x2C..0x32

}  // namespace

bool key_is_down(int vk) { return in_range(vk) && key_states()[static_cast<std::size_t>(vk)]; }

void set_key_down(int vk, bool down) {
  if (in_range(vk)) key_states()[static_cast<std::size_t>(vk)] = down;
}

int character_for_key(int vk, bool shift, bool ctrl, bool alt) {
  if (alt && !ctrl) return 0;
  if (vk >= 'A' && vk <= 'Z') {
    if (ctrl) return vk - 'A' + 1;
    return shift ? vk : vk - 'A' + 'a';
  }
  switch (vk) {
    case VK_RETURN: return ctrl ? 10 : 13;
    case VK_BACK: return ctrl ? 127 : 8;
    case VK_ESCAPE: return 27;
    case VK_TAB: return ctrl ? 0 : 9;
    case VK_SPACE: return ' ';
    case VK_MULTIPLY: return '*';
    case VK_ADD: return '+';
    case VK_SUBTRACT: return '-';
    case VK_DECIMAL: return '.';
    case VK_DIVIDE: return '/';
    default: break;
  }
  if (ctrl) return 0;
  if (vk >= '0' && vk <= '9') return shift ? kShiftedDigits[vk - '0'] : vk;
  if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) return '0' + (vk - VK_NUMPAD0);
  for (const Punctuation& p : kPunctuation)
    if (p.vk == vk) return shift ? p.shifted : p.plain;
  return 0;
}

int character_for_key_now(int vk) {
  return character_for_key(vk, key_is_down(VK_SHIFT), key_is_down(VK_CONTROL), key_is_down(VK_MENU));
}

int scan_code_for_key(int vk) {
  if (vk >= '1' && vk <= '9') return 0x02 + (vk - '1');
  if (vk == '0') return 0x0B;
  if (vk >= VK_F1 && vk <= VK_F10) return 0x3B + (vk - VK_F1);
  if (vk >= 'A' && vk <= 'Z') {
    if (const char* p = std::strchr(kLetterRows, vk)) return 0x10 + static_cast<int>(p - kLetterRows);
    if (const char* p = std::strchr(kLetterRow2, vk)) return 0x1E + static_cast<int>(p - kLetterRow2);
    if (const char* p = std::strchr(kLetterRow3, vk)) return 0x2C + static_cast<int>(p - kLetterRow3);
  }
  for (const ScanCode& s : kScanCodes)
    if (s.vk == vk) return s.code;
  return 0;
}

bool is_extended_key(int vk) {
  for (const ScanCode& s : kScanCodes)
    if (s.vk == vk) return s.extended;
  return false;
}

bool key_for_character(unsigned char c, int& vk, bool& shift) {
  shift = false;
  if (c >= 'a' && c <= 'z') { vk = c - 'a' + 'A'; return true; }
  if (c >= 'A' && c <= 'Z') { vk = c; shift = true; return true; }
  if (c >= '0' && c <= '9') { vk = c; return true; }
  switch (c) {
    case ' ': vk = VK_SPACE; return true;
    case '\n': case '\r': vk = VK_RETURN; return true;
    case '\t': vk = VK_TAB; return true;
    case '\b': vk = VK_BACK; return true;
    case 27: vk = VK_ESCAPE; return true;
    default: break;
  }
  for (int d = 0; d < 10; ++d)
    if (kShiftedDigits[d] == c) { vk = '0' + d; shift = true; return true; }
  for (const Punctuation& p : kPunctuation) {
    if (p.plain == c) { vk = p.vk; return true; }
    if (p.shifted == c) { vk = p.vk; shift = true; return true; }
  }
  return false;
}

LPARAM key_lparam(int vk, bool up, bool repeat, bool alt) {
  DWORD value = 1;  // repeat count
  value |= static_cast<DWORD>(scan_code_for_key(vk) & 0xFF) << 16;
  if (is_extended_key(vk)) value |= 1u << 24;
  if (alt) value |= 1u << 29;
  if (up || repeat) value |= 1u << 30;
  if (up) value |= 1u << 31;
  return static_cast<LPARAM>(value);
}

}  // namespace zorva::platform
