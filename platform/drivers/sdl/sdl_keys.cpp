// SDL key symbols to virtual-key codes and UTF-8 text to Latin-1 bytes.
#include "platform/drivers/sdl/sdl_keys.h"

#include "platform/win32.h"

namespace zorva::platform {
namespace {

struct KeyPair {
  SDL_Keycode sym;
  int vk;
};
constexpr KeyPair kKeys[] = {
    {SDLK_RETURN, VK_RETURN},      {SDLK_KP_ENTER, VK_RETURN},    {SDLK_ESCAPE, VK_ESCAPE},
    {SDLK_BACKSPACE, VK_BACK},     {SDLK_TAB, VK_TAB},            {SDLK_SPACE, VK_SPACE},
    {SDLK_LSHIFT, VK_SHIFT},       {SDLK_RSHIFT, VK_SHIFT},       {SDLK_LCTRL, VK_CONTROL},
    {SDLK_RCTRL, VK_CONTROL},      {SDLK_LALT, VK_MENU},          {SDLK_RALT, VK_MENU},
    {SDLK_PAUSE, VK_PAUSE},        {SDLK_CAPSLOCK, VK_CAPITAL},   {SDLK_PAGEUP, VK_PRIOR},
    {SDLK_PAGEDOWN, VK_NEXT},      {SDLK_END, VK_END},            {SDLK_HOME, VK_HOME},
    {SDLK_LEFT, VK_LEFT},          {SDLK_UP, VK_UP},              {SDLK_RIGHT, VK_RIGHT},
    {SDLK_DOWN, VK_DOWN},          {SDLK_INSERT, VK_INSERT},      {SDLK_DELETE, VK_DELETE},
    {SDLK_KP_MULTIPLY, VK_MULTIPLY}, {SDLK_KP_PLUS, VK_ADD},      {SDLK_KP_MINUS, VK_SUBTRACT},
    {SDLK_KP_PERIOD, VK_DECIMAL},  {SDLK_KP_DIVIDE, VK_DIVIDE},   {SDLK_SEMICOLON, VK_OEM_1},
    {SDLK_EQUALS, VK_OEM_PLUS},    {SDLK_COMMA, VK_OEM_COMMA},    {SDLK_MINUS, VK_OEM_MINUS},
    {SDLK_PERIOD, VK_OEM_PERIOD},  {SDLK_SLASH, VK_OEM_2},        {SDLK_BACKQUOTE, VK_OEM_3},
    {SDLK_LEFTBRACKET, VK_OEM_4},  {SDLK_BACKSLASH, VK_OEM_5},    {SDLK_RIGHTBRACKET, VK_OEM_6},
    {SDLK_QUOTE, VK_OEM_7},        {SDLK_KP_0, VK_NUMPAD0},       {SDLK_KP_1, VK_NUMPAD1},
    {SDLK_KP_2, VK_NUMPAD2},       {SDLK_KP_3, VK_NUMPAD3},       {SDLK_KP_4, VK_NUMPAD4},
    {SDLK_KP_5, VK_NUMPAD5},       {SDLK_KP_6, VK_NUMPAD6},       {SDLK_KP_7, VK_NUMPAD7},
    {SDLK_KP_8, VK_NUMPAD8},       {SDLK_KP_9, VK_NUMPAD9},
};

}  // namespace

int virtual_key_from_sdl(SDL_Keycode sym) {
  if (sym >= SDLK_a && sym <= SDLK_z) return 'A' + (sym - SDLK_a);
  if (sym >= SDLK_0 && sym <= SDLK_9) return '0' + (sym - SDLK_0);
  if (sym >= SDLK_F1 && sym <= SDLK_F12) return VK_F1 + (sym - SDLK_F1);
  for (const KeyPair& k : kKeys)
    if (k.sym == sym) return k.vk;
  return 0;
}

unsigned char latin1_from_utf8(const char* text) {
  const auto* s = reinterpret_cast<const unsigned char*>(text);
  if (!s || s[0] == 0) return 0;
  if (s[0] < 0x80) return s[1] == 0 ? s[0] : 0;
  // Two-byte sequences C2 80..C3 BF encode U+0080..U+00FF.
  if ((s[0] == 0xC2 || s[0] == 0xC3) && (s[1] & 0xC0) == 0x80 && s[2] == 0)
    return static_cast<unsigned char>(((s[0] & 0x1F) << 6) | (s[1] & 0x3F));
  return 0;
}

}  // namespace zorva::platform
