// Command identifiers of the drawing window's "&Run" menu (also given by Ctrl+letter keys).
#pragma once

#include "platform/win32.h"
#include "zorva.h"

namespace zorva {

inline constexpr WPARAM kCommandAnimate = 1;
inline constexpr WPARAM kCommandHalt = 2;
inline constexpr WPARAM kCommandAdvanceFrame = 3;
inline constexpr WPARAM kCommandLogging = 4;
inline constexpr WPARAM kCommandRecord = 5;
inline constexpr WPARAM kCommandPlayback = 6;
inline constexpr WPARAM kCommandPlayOne = 7;
inline constexpr WPARAM kCommandQuit = 8;
inline constexpr WPARAM kCommandInfoLine = 9;  // the greyed title and contact lines

}  // namespace zorva
