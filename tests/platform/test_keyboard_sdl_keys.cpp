// SDL key symbols and text as the platform sees them: virtual-key codes and Latin-1 bytes.
#include <gtest/gtest.h>

#include "platform/drivers/sdl/sdl_keys.h"
#include "platform/win32.h"

using zorva::platform::latin1_from_utf8;
using zorva::platform::virtual_key_from_sdl;

namespace {

TEST(SdlKeys, GameAndCommandKeysGetTheGenericCodes) {
  EXPECT_EQ(virtual_key_from_sdl(SDLK_a), 'A');
  EXPECT_EQ(virtual_key_from_sdl(SDLK_z), 'Z');
  EXPECT_EQ(virtual_key_from_sdl(SDLK_0), '0');
  EXPECT_EQ(virtual_key_from_sdl(SDLK_8), '8');
  EXPECT_EQ(virtual_key_from_sdl(SDLK_COMMA), 188);
  EXPECT_EQ(virtual_key_from_sdl(SDLK_PERIOD), 190);
  EXPECT_EQ(virtual_key_from_sdl(SDLK_SPACE), VK_SPACE);
  EXPECT_EQ(virtual_key_from_sdl(SDLK_KP_4), VK_NUMPAD4);
  EXPECT_EQ(virtual_key_from_sdl(SDLK_KP_ENTER), VK_RETURN);
  EXPECT_EQ(virtual_key_from_sdl(SDLK_F10), VK_F10);
  // Left and right modifiers are one key each, as Windows reports them to windows.
  EXPECT_EQ(virtual_key_from_sdl(SDLK_LSHIFT), VK_SHIFT);
  EXPECT_EQ(virtual_key_from_sdl(SDLK_RSHIFT), VK_SHIFT);
  EXPECT_EQ(virtual_key_from_sdl(SDLK_LCTRL), VK_CONTROL);
  EXPECT_EQ(virtual_key_from_sdl(SDLK_RCTRL), VK_CONTROL);
  EXPECT_EQ(virtual_key_from_sdl(SDLK_LALT), VK_MENU);
  EXPECT_EQ(virtual_key_from_sdl(SDLK_UNKNOWN), 0);
  EXPECT_EQ(virtual_key_from_sdl(0xE9), 0);  // a national letter has no code of its own
}

TEST(SdlKeys, TextBecomesOneAsciiOrLatin1ByteOrNothing) {
  EXPECT_EQ(latin1_from_utf8("a"), 'a');
  EXPECT_EQ(latin1_from_utf8("~"), '~');
  EXPECT_EQ(latin1_from_utf8("\xc3\xa9"), 0xE9);  // é
  EXPECT_EQ(latin1_from_utf8("\xc2\xa3"), 0xA3);  // £
  EXPECT_EQ(latin1_from_utf8("\xe2\x82\xac"), 0);  // € lies beyond Latin-1
  EXPECT_EQ(latin1_from_utf8("ab"), 0);            // more than one character
  EXPECT_EQ(latin1_from_utf8("\xc3"), 0);          // cut short
  EXPECT_EQ(latin1_from_utf8("\xc3\x28"), 0);      // not a continuation byte
  EXPECT_EQ(latin1_from_utf8(""), 0);
  EXPECT_EQ(latin1_from_utf8(nullptr), 0);
}

}  // namespace
