// Drives the event call through a fixed sequence of posted keys, clicks and menu commands,
// animation requests and scripted events, and writes each returned event with the package's
// animation and script flags to "events.txt", followed by the recorded script and the log.
// Everything is posted before the call that should take it, so the sequence of returned
// events does not depend on how fast the program runs; only the ticks come from the timer.
#include <cstdio>
#include <cstring>
#include <string_view>

#include "differential_output.h"
#include "internal/library_state.h"
#include "internal/menu_ids.h"
#include "internal/script.h"

namespace {

using zorva::g_state;

std::FILE* g_out = nullptr;
HWND g_window = nullptr;

constexpr WPARAM kLeftButton = 0x0001;

void next(const char* what) {
  int x = -7, y = -7;
  char key = 1;
  const int kind = ZORVA_next_event(&x, &y, &key);
  std::fprintf(g_out,
               "%-34s -> kind %d x %d y %d key %d | animating %d step %d recording %d playing %d"
               " one %d logging %d quit %d count %d ctrl %d\n",
               what, kind, x, y, static_cast<unsigned char>(key), g_state.animating,
               g_state.single_step, g_state.recording, g_state.playing_back, g_state.play_one,
               g_state.logging_enabled, g_state.quit_requested, g_state.periodic_count,
               g_state.ctrl_down);
  std::fflush(g_out);
}

void post_command(WPARAM command) { PostMessageA(g_window, WM_COMMAND, command, 0); }

void post_char_to(HWND window, char c) {
  PostMessageA(window, WM_CHAR, static_cast<unsigned char>(c), 1);
}

void post_char(char c) { post_char_to(g_window, c); }

// A left-button press and release at a logical position, placed in the client area by the
// client rectangle's centre, so the same logical position comes back on every system.
void post_click(int x, int y) {
  RECT client{};
  GetClientRect(g_window, &client);
  const int client_x = client.left + (client.right - client.left) / 2 + x;
  const int client_y = client.top + (client.bottom - client.top) / 2 - y;
  PostMessageA(g_window, WM_LBUTTONDOWN, kLeftButton, MAKELPARAM(client_x, client_y));
  PostMessageA(g_window, WM_LBUTTONUP, 0, MAKELPARAM(client_x, client_y));
}

// Key-down and key-up messages as the keyboard would queue them (repeat count 1, scan code).
void post_key(WPARAM vk, int scan_code, bool down) {
  const LPARAM up_bits = down ? 0 : static_cast<LPARAM>(0xC0000000u);
  PostMessageA(g_window, down ? WM_KEYDOWN : WM_KEYUP, vk, 1 | (scan_code << 16) | up_bits);
}

// A key pressed and released over one window.
void post_key_to(HWND window, WPARAM vk, int scan_code) {
  PostMessageA(window, WM_KEYDOWN, vk, 1 | (scan_code << 16));
  PostMessageA(window, WM_KEYUP, vk, 1 | (scan_code << 16) | static_cast<LPARAM>(0xC0000000u));
}

// Ctrl held around a letter key.
void post_ctrl_chord(char letter, int scan_code) {
  post_key(VK_CONTROL, 0x1D, true);
  post_key(static_cast<WPARAM>(letter), scan_code, true);
  post_key(static_cast<WPARAM>(letter), scan_code, false);
  post_key(VK_CONTROL, 0x1D, false);
}

// Types a reply into the prompt dialog once its modal loop runs: a timer fires inside that
// loop, and the typing goes to the field that has the focus, then Return presses "Okay".
constexpr UINT_PTR kTypingTimerId = 77;

void CALLBACK type_reply(HWND window, UINT, UINT_PTR id, DWORD) {
  KillTimer(window, id);
  HWND field = GetFocus();
  for (const char c : std::string_view("Hi there!\b")) post_char_to(field, c);  // "\b" takes "!" back
  post_key_to(field, VK_RETURN, 0x1C);
}

void ask_in_prompt() {
  SetTimer(g_window, kTypingTimerId, 10, type_reply);
  char reply[256] = "unchanged";
  const int result = ZORVA_gets("Your name?", reply);
  std::fprintf(g_out, "prompt -> result %d reply \"%s\"\n", result, reply);
}

// Closes the script file by starting and stopping a recording with nothing in between.
void close_script_by_commands() {
  post_command(zorva::kCommandRecord);
  post_command(zorva::kCommandRecord);
}

void write_script_file() {
  std::FILE* script = std::fopen(zorva::kScriptFileName, "r");
  if (script == nullptr) {
    std::fprintf(g_out, "script: none\n");
    return;
  }
  char line[128];
  while (std::fgets(line, sizeof line, script) != nullptr) {
    line[std::strcspn(line, "\n")] = '\0';
    std::fprintf(g_out, "script: %s\n", line);
  }
  std::fclose(script);
}

// The animation's pace, written apart from the events since it is a time: the milliseconds
// between successive periodic events while nothing else happens.
void measure_pace() {
  std::FILE* pace = windiff::open_output("pace.txt");
  int x = 0, y = 0;
  char key = 0;
  ZORVA_set_animation(ANIMATION_RUN);
  ZORVA_next_event(&x, &y, &key);
  DWORD last = GetTickCount();
  for (int i = 0; i < 5; ++i) {
    const int kind = ZORVA_next_event(&x, &y, &key);
    const DWORD now = GetTickCount();
    std::fprintf(pace, " %d:%lu", kind, static_cast<unsigned long>(now - last));
    last = now;
  }
  std::fprintf(pace, "\n");
  std::fclose(pace);
  ZORVA_set_animation(ANIMATION_HALT);
}

void run_sequence() {
  ZORVA_set_animation(ANIMATION_RUN);
  next("animation running");
  next("animation running");
  post_char('x');
  next("typed x while a tick is armed");
  next("armed again after the key");
  post_click(10, -20);
  next("click at (10, -20)");
  next("tick after the click");

  post_ctrl_chord('H', 0x23);
  post_char('y');
  next("Ctrl+H then y");
  next("what Ctrl+H left queued");

  post_command(zorva::kCommandAdvanceFrame);
  next("Advance one frame");
  post_char('z');
  next("typed z while halted");
  post_command(zorva::kCommandLogging);
  post_char('l');
  next("Logging command then l");

  // Recording: a key, two ticks, a click; stopping it writes nothing more.
  post_command(zorva::kCommandRecord);
  post_char('a');
  next("recording: a");
  ZORVA_set_animation(ANIMATION_RUN);
  next("recording: tick");
  next("recording: tick");
  post_click(-120, 45);
  next("recording: click");
  ZORVA_set_animation(ANIMATION_HALT);
  post_command(zorva::kCommandRecord);
  post_char('b');
  next("recording stopped, then b");
  write_script_file();

  post_command(zorva::kCommandPlayback);
  next("playback 1");
  next("playback 2");
  next("playback 3");
  next("playback 4");
  post_char('c');
  next("playback at its end, c typed");

  close_script_by_commands();
  post_command(zorva::kCommandPlayOne);
  next("play one 1");
  for (const char* what : {"play one 2", "play one 3", "play one 4"}) {
    post_command(zorva::kCommandPlayOne);
    next(what);
  }
  post_command(zorva::kCommandPlayOne);
  post_char('d');
  next("play one at the end, d typed");

  // A script written by hand: a run, a blank line, a key above 127, clicks with odd numbers,
  // an empty run, a line nobody wrote, and one after it.
  close_script_by_commands();
  post_char('e');
  next("script closed, e typed");
  std::FILE* script = std::fopen(zorva::kScriptFileName, "w");
  if (script != nullptr) {
    std::fputs("ZORVA_PERIODIC(3);\n\nZORVA_KBD(-23);\nZORVA_MOUSE(-5, 17);\nZORVA_Mxxx(1-2, --5);\n"
               "ZORVA_PERIODIC(0);\nZORVA_KBD(65);\n       \nZORVA_KBD(66);\n",
               script);
    std::fclose(script);
  }
  post_command(zorva::kCommandPlayback);
  for (int i = 1; i <= 8; ++i) {
    char what[40];
    std::snprintf(what, sizeof what, "hand-written script %d", i);
    next(what);
  }
  post_char('f');
  next("unrecognised line, f typed");
  post_command(zorva::kCommandPlayback);
  next("playback resumed after it");
  post_char('g');
  next("end of the script, g typed");

  // A script as Windows stores it, carriage returns included, blank line and all.
  close_script_by_commands();
  post_char('h');
  next("script closed, h typed");
  script = std::fopen(zorva::kScriptFileName, "wb");
  if (script != nullptr) {
    std::fputs("ZORVA_KBD(97);\r\n\r\nZORVA_MOUSE(-3, 4);\r\nZORVA_PERIODIC(1);\r\n", script);
    std::fclose(script);
  }
  post_command(zorva::kCommandPlayback);
  next("Windows script 1");
  next("Windows script 2");
  next("Windows script 3");
  post_char('i');
  next("end of the Windows script, i typed");

  ZORVA_set_animation(ANIMATION_STEP);
  next("single step");
  post_char('s');
  next("after the single step, s");
  ZORVA_set_animation(ANIMATION_STEP);
  post_click(0, 0);
  next("single step replaced by a click");
  post_char('t');
  next("no tick owed, t");

  post_ctrl_chord('F', 0x21);
  next("Ctrl+F");
  post_char('n');
  next("after Ctrl+F, n");

  // Ctrl+S saves the picture (the log below says where) and makes no event.
  post_ctrl_chord('S', 0x1F);
  post_char('o');
  next("Ctrl+S then o");

  ask_in_prompt();
  post_char('p');
  next("after the prompt, p");

  // The quit message comes after everything posted, even what is posted after it.
  post_command(zorva::kCommandQuit);
  post_char('k');
  next("Quit command then k");
  next("the quit message");
  ZORVA_set_animation(ANIMATION_QUIT);
  post_click(7, 8);
  next("quit requested, click at (7, 8)");
  post_char('m');
  next("quit requested, m");

  // Closing the window destroys it, which stops the timer and posts the quit message.
  PostMessageA(g_window, WM_CLOSE, 0, 0);
  next("window closed");
  std::fprintf(g_out, "window still there: %d\n", IsWindow(g_window) ? 1 : 0);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous_instance, LPSTR command_line,
                   int show_mode) {
  std::remove(zorva::kScriptFileName);
  std::remove("ZORVA-001.png");
  g_out = windiff::open_output("events.txt");
  ZORVA_start(instance, previous_instance, command_line, show_mode);
  ZORVA_set_logging(0);
  g_window = g_state.draw_window;
  measure_pace();
  run_sequence();
  windiff::write_log_ring(g_out);
  std::fclose(g_out);
  ZORVA_finish();
  return 0;
}
