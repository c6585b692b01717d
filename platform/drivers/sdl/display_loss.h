// Ending the program cleanly when the display server goes away under it.
#pragma once

namespace zorva::platform {

// The exit status of a program whose display was lost (the same as for a display that
// could not be opened at start: either way there is nothing to show the program on).
inline constexpr int kDisplayLostExitStatus = 1;

// After SDL has connected to an X server: when that connection breaks, the program prints
// one line naming the display, flushes its open files and ends with kDisplayLostExitStatus,
// instead of leaving Xlib to print its own note and run the exit handlers against a dead
// connection. Protocol errors (a request about a window destroyed a moment earlier) are
// ignored rather than fatal. Does nothing when no X library is loaded (another video driver).
void end_program_when_x_display_is_lost();

}  // namespace zorva::platform
