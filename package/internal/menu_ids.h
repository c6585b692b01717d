// Command identifiers of the drawing window's "&Run" menu (also given by Ctrl+letter keys).
#pragma once

namespace zorva {

inline constexpr unsigned kCommandAnimate = 1;
inline constexpr unsigned kCommandHalt = 2;
inline constexpr unsigned kCommandAdvanceFrame = 3;
inline constexpr unsigned kCommandLogging = 4;
inline constexpr unsigned kCommandRecord = 5;
inline constexpr unsigned kCommandPlayback = 6;
inline constexpr unsigned kCommandPlayOne = 7;
inline constexpr unsigned kCommandQuit = 8;
inline constexpr unsigned kCommandInfoLine = 9;  // the greyed title and contact lines

}  // namespace zorva
