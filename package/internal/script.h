// Recording events into the script file "ZORVA.SCR" and playing them back.
#pragma once

namespace zorva {

inline constexpr const char* kScriptFileName = "ZORVA.SCR";

// Writes the line of one event (a periodic event writes the counted run, periodic_count).
// Opens the file for writing first if it is closed, or open for reading.
void script_write_event(int kind, int x, int y, char key);

// Writes the run of periodic events counted so far, if there is one, and starts a new count.
void script_write_counted_ticks();

// Places the next scripted event in the current event and returns 1, or returns 0 and stops
// playback (end of file, an unrecognised line, or the file cannot be read).
int script_read_event();

// Ends continuous and one-event playback and removes the Playback Script check mark.
void stop_playback();

// Closes the script file if it is open.
void close_script_file();

}  // namespace zorva
