// The drawing window's procedure: turns clicks, characters and timer messages into the current
// event, carries out the "&Run" commands and Ctrl+S, and keeps the window showing the
// off-screen surface.
#include "internal/draw_window.h"
#include "internal/library_state.h"
#include "internal/menu_ids.h"
#include "internal/save_picture.h"
#include "internal/script.h"
#include "platform/win32.h"

namespace zorva {
namespace {

// The Ctrl+letter keys and the commands they give.
WPARAM command_for_key(WPARAM virtual_key) {
  switch (virtual_key) {
    case 'A': return kCommandAnimate;
    case 'H': return kCommandHalt;
    case 'F': return kCommandAdvanceFrame;
    case 'L': return kCommandLogging;
    case 'R': return kCommandRecord;
    case 'P': return kCommandPlayback;
    case 'O': return kCommandPlayOne;
    case 'Q': return kCommandQuit;
    default: return 0;
  }
}

// Ctrl+S saves the picture. It is no menu command, and a held key saves one picture only.
constexpr WPARAM kSavePictureKey = 'S';
constexpr LPARAM kKeyWasDown = LPARAM{1} << 30;

void handle_key_down(WPARAM virtual_key, LPARAM key_data) {
  if (virtual_key == VK_CONTROL) {
    g_state.ctrl_down = 1;
    return;
  }
  if (g_state.ctrl_down == 0) return;
  if (virtual_key == kSavePictureKey) {
    if ((key_data & kKeyWasDown) == 0) save_picture();
    return;
  }
  run_menu_command(command_for_key(virtual_key));
}

void toggle_recording() {
  LibraryState& s = g_state;
  if (!s.recording) {
    if (s.playing_back || s.play_one) {
      // Recording would empty the very file being played: refused, as a playback started
      // during a recording is, so nothing recorded is ever lost.
      ZORVA_log("Cannot open script file %s for writing\n", kScriptFileName);
      return;
    }
    s.recording = 1;  // the file opens with the first line written
    s.script_write_failed = false;  // a new recording writes whatever an earlier one met
    CheckMenuItem(s.run_menu, kCommandRecord, MF_CHECKED);
    return;
  }
  s.recording = 0;
  CheckMenuItem(s.run_menu, kCommandRecord, MF_UNCHECKED);
  script_write_counted_ticks();
  close_script_file();
}

void toggle_playback() {
  LibraryState& s = g_state;
  if (s.playing_back) {
    s.playing_back = 0;
    CheckMenuItem(s.run_menu, kCommandPlayback, MF_UNCHECKED);
    close_script_file();
    return;
  }
  s.animating = 0;
  s.single_step = 0;
  s.playing_back = 1;
  CheckMenuItem(s.run_menu, kCommandPlayback, MF_CHECKED);
}

void build_menu(HWND window) {
  HMENU bar = CreateMenu();
  HMENU run = CreatePopupMenu();
  g_state.run_menu = run;
  AppendMenuA(run, MF_STRING, kCommandAnimate, "&Animate\tCtrl+A");
  AppendMenuA(run, MF_STRING, kCommandHalt, "&Halt animation\tCtrl+H");
  AppendMenuA(run, MF_STRING, kCommandAdvanceFrame, "Advance one &frame\tCtrl+F");
  AppendMenuA(run, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(run, MF_STRING | MF_CHECKED, kCommandLogging, "&Logging\tCtrl+L");
  AppendMenuA(run, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(run, MF_STRING, kCommandRecord, "&Record Script\tCtrl+R");
  AppendMenuA(run, MF_STRING, kCommandPlayback, "&Playback Script\tCtrl+P");
  AppendMenuA(run, MF_STRING, kCommandPlayOne, "Play &One Script\tCtrl+O");
  AppendMenuA(run, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(run, MF_STRING, kCommandQuit, "&Quit\tCtrl+Q");
  AppendMenuA(run, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(run, MF_STRING | MF_GRAYED, kCommandInfoLine, "ZORVA graphics package");
  AppendMenuA(run, MF_STRING | MF_GRAYED, kCommandInfoLine, "Manual: docs/manual.md in the ZORVA sources");
  AppendMenuA(run, MF_STRING | MF_GRAYED, kCommandInfoLine, "Reports: the ZORVA issue tracker");
  AppendMenuA(run, MF_STRING | MF_GRAYED, kCommandInfoLine, "Version 0.1");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(run), "&Run");
  SetMenu(window, bar);
  DrawMenuBar(window);
}

}  // namespace

void update_origin(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  // Halve in 64 bits: the difference of two extreme coordinates does not fit in an int.
  const long long width = static_cast<long long>(client.right) - client.left;
  const long long height = static_cast<long long>(client.bottom) - client.top;
  g_state.origin_x = static_cast<int>(client.left + width / 2);
  g_state.origin_y = static_cast<int>(client.top + height / 2);
}

void run_menu_command(WPARAM command) {
  LibraryState& s = g_state;
  switch (command) {
    case kCommandAnimate:
      s.animating = 1;
      break;
    case kCommandHalt:
      s.animating = 0;  // a requested single step stays requested
      break;
    case kCommandAdvanceFrame:
      s.animating = 0;
      s.single_step = 1;
      break;
    case kCommandLogging:
      s.logging_enabled = s.logging_enabled ? 0 : 1;
      CheckMenuItem(s.run_menu, kCommandLogging, s.logging_enabled ? MF_CHECKED : MF_UNCHECKED);
      break;
    case kCommandRecord:
      toggle_recording();
      break;
    case kCommandPlayback:
      toggle_playback();
      break;
    case kCommandPlayOne:
      s.play_one = 1;
      s.animating = 0;
      s.single_step = 0;
      break;
    case kCommandQuit:
      PostQuitMessage(0);
      break;
    default:
      break;
  }
}

LRESULT CALLBACK draw_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  LibraryState& s = g_state;
  switch (message) {
    case WM_CREATE:
      build_menu(window);
      return 0;
    case WM_DESTROY:
      KillTimer(window, kTickTimerId);
      PostQuitMessage(0);
      return 0;
    case WM_SIZE:
      update_origin(window);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      BeginPaint(window, &paint);
      copy_surface_to_window();
      EndPaint(window, &paint);
      return 0;
    }
    case WM_KEYDOWN:
      handle_key_down(wparam, lparam);
      return 0;
    case WM_KEYUP:
      if (wparam == VK_CONTROL) s.ctrl_down = 0;
      return 0;
    case WM_CHAR:
      if (s.ctrl_down == 0) {
        s.event_kind = ZORVA_KBD;
        s.event_key = static_cast<char>(wparam & 0xFF);
      }
      return 0;
    case WM_COMMAND:
      run_menu_command(wparam);
      return 0;
    case WM_TIMER:
      s.tick_pending = 1;
      return 0;
    case WM_LBUTTONDOWN: {
      // The client position, each half taken as unsigned 16 bits.
      const int x = LOWORD(lparam);
      const int y = HIWORD(lparam);
      s.event_kind = ZORVA_MOUSE;
      s.event_x = x - s.origin_x;
      s.event_y = s.origin_y - y;
      return 0;
    }
    default:
      return DefWindowProcA(window, message, wparam, lparam);
  }
}

}  // namespace zorva
