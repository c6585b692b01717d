// Ctrl+S: saving the drawing window's picture as a PNG file.
#pragma once

namespace zorva {

// The most pictures one working directory takes: ZORVA-001.png to ZORVA-9999.png.
inline constexpr int kMaxPictureNumber = 9999;

// Saves the drawing window's client area as the first free name of ZORVA-001.png,
// ZORVA-002.png, ... in the working directory, and says in the text window where, or why it
// could not be saved. A failure changes nothing else.
void save_picture();

}  // namespace zorva
