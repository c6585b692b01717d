// What the programs that run on both platforms write for comparison: the package's
// off-screen surface as a picture, and text lines, all into files in the working directory.
#pragma once

#include <cstdio>

namespace windiff {

// Writes the off-screen surface, read back pixel by pixel through GetPixel, as a binary PPM.
bool write_surface_ppm(const char* path);

// Opens a text output file; stops the program with a message when that is impossible.
std::FILE* open_output(const char* path);

// Puts the logical origin at the surface's centre, so that pictures do not depend on how big
// the system makes the window's frame and menu bar (which decide the natural origin).
void fix_origin();

// Comment lines ("# ...") with the client rectangles of the drawing window, with the
// package's logical origin, and of the text window, with the screen's size.
void write_geometry(std::FILE* out);

// The package's log ring, oldest line first, each line prefixed with "log: ".
void write_log_ring(std::FILE* out);

}  // namespace windiff
