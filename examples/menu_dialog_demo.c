/*
 * menu_dialog_demo: a window with a menu bar and a modal question dialog, written straight
 * against the Windows operations the platform provides.
 *
 * Open the "Run" menu with a click, Alt+R or F10; "Ask a question..." (Ctrl+G) shows the
 * dialog, whose answer is then drawn in the window. Start it with "--ask" to open the
 * dialog at once.
 */
#include <string.h>

#include "platform/win32.h"

enum {
  CMD_ANIMATE = 1,
  CMD_HALT = 2,
  CMD_LOGGING = 4,
  CMD_QUIT = 8,
  CMD_INFO = 9,
  CMD_ASK = 10,
  CMD_ABOUT = 20,
  ID_OKAY = 101,
  ID_FIELD = 102,
  ID_PROMPT = 103,
  ASK_AT_START = WM_USER + 1
};

static HMENU run_menu;
static int logging_on = 1;
static char answer[256] = "(nothing asked yet)";

/* ---- the dialog template, written in its published in-memory layout ---- */
typedef struct {
  unsigned char bytes[512];
  size_t used;
} Template;

static void put_word(Template *t, WORD w) {
  if (t->used + 2 > sizeof t->bytes) return;
  memcpy(t->bytes + t->used, &w, 2);
  t->used += 2;
}
static void put_dword(Template *t, DWORD d) {
  put_word(t, (WORD)(d & 0xFFFF));
  put_word(t, (WORD)(d >> 16));
}
static void put_text(Template *t, const char *s) {
  while (*s) put_word(t, (unsigned char)*s++);
  put_word(t, 0);
}
static void put_item(Template *t, DWORD style, short x, short y, short cx, short cy, WORD id, WORD cls,
                     const char *text) {
  while (t->used % 4) t->bytes[t->used++] = 0;
  put_dword(t, style);
  put_dword(t, 0);
  put_word(t, (WORD)x);
  put_word(t, (WORD)y);
  put_word(t, (WORD)cx);
  put_word(t, (WORD)cy);
  put_word(t, id);
  put_word(t, 0xFFFF);
  put_word(t, cls);
  put_text(t, text);
  put_word(t, 0);
}

static INT_PTR CALLBACK ask_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  (void)lparam;
  if (message == WM_INITDIALOG) return 1;
  if (message == WM_COMMAND && (wparam == ID_OKAY || wparam == IDCANCEL)) {
    if (wparam == ID_OKAY) GetDlgItemTextA(dialog, ID_FIELD, answer, sizeof answer);
    EndDialog(dialog, wparam == ID_OKAY ? 1 : 0);
    return 1;
  }
  return 0;
}

static void ask(HWND window) {
  static union {
    Template t;
    DWORD align;
  } u;
  memset(&u, 0, sizeof u);
  Template *t = &u.t;
  put_dword(t, WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);
  put_dword(t, 0);
  put_word(t, 3);
  put_word(t, 50);
  put_word(t, 50);
  put_word(t, 185);
  put_word(t, 92);
  put_word(t, 0);
  put_word(t, 0);
  put_text(t, "Question");
  put_item(t, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL, 8, 30, 167, 37,
           ID_FIELD, 0x0081, "");
  put_item(t, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 67, 74, 50, 14, ID_OKAY, 0x0080, "Okay");
  put_item(t, WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT, 8, 3, 167, 24, ID_PROMPT, 0x0082,
           "What is your name? Type it below, then press Enter or click Okay (Escape cancels).");
  DialogBoxIndirectParamA(NULL, (LPCDLGTEMPLATEA)t->bytes, window, ask_proc, 0);
  InvalidateRect(window, NULL, TRUE);
}

static void build_menu(HWND window) {
  HMENU bar = CreateMenu();
  HMENU help = CreatePopupMenu();
  run_menu = CreatePopupMenu();
  AppendMenuA(run_menu, MF_STRING, CMD_ANIMATE, "&Animate\tCtrl+A");
  AppendMenuA(run_menu, MF_STRING, CMD_HALT, "&Halt animation\tCtrl+H");
  AppendMenuA(run_menu, MF_SEPARATOR, 0, NULL);
  AppendMenuA(run_menu, MF_STRING | MF_CHECKED, CMD_LOGGING, "&Logging\tCtrl+L");
  AppendMenuA(run_menu, MF_STRING, CMD_ASK, "Ask a &question...\tCtrl+G");
  AppendMenuA(run_menu, MF_SEPARATOR, 0, NULL);
  AppendMenuA(run_menu, MF_STRING, CMD_QUIT, "&Quit\tCtrl+Q");
  AppendMenuA(run_menu, MF_SEPARATOR, 0, NULL);
  AppendMenuA(run_menu, MF_STRING | MF_GRAYED, CMD_INFO, "Menu && dialog demo");
  AppendMenuA(help, MF_STRING, CMD_ABOUT, "&About");
  AppendMenuA(bar, MF_POPUP, (UINT_PTR)run_menu, "&Run");
  AppendMenuA(bar, MF_POPUP, (UINT_PTR)help, "&Help");
  SetMenu(window, bar);
  DrawMenuBar(window);
}

static void paint(HWND window) {
  PAINTSTRUCT ps;
  RECT client;
  HDC dc = BeginPaint(window, &ps);
  HBRUSH navy = CreateSolidBrush(RGB(20, 30, 70));
  HBRUSH gold = CreateSolidBrush(RGB(230, 180, 40));
  HGDIOBJ old_brush = SelectObject(dc, navy);
  GetClientRect(window, &client);
  Rectangle(dc, -1, -1, client.right + 1, client.bottom + 1);
  SelectObject(dc, gold);
  Ellipse(dc, 380, 250, 560, 430);
  SelectObject(dc, old_brush);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  TextOutA(dc, 20, 20, "Open the Run menu: click it, Alt+R or F10.", 43);
  TextOutA(dc, 20, 44, logging_on ? "Logging is on." : "Logging is off.", logging_on ? 14 : 15);
  TextOutA(dc, 20, 68, "Answer:", 7);
  TextOutA(dc, 90, 68, answer, (int)strlen(answer));
  EndPaint(window, &ps);
  DeleteObject(navy);
  DeleteObject(gold);
}

static LRESULT CALLBACK demo_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      build_menu(window);
      return 0;
    case WM_PAINT:
      paint(window);
      return 0;
    case ASK_AT_START:
      ask(window);
      return 0;
    case WM_COMMAND:
      switch (wparam) {
        case CMD_LOGGING:
          logging_on = !logging_on;
          CheckMenuItem(run_menu, CMD_LOGGING, logging_on ? MF_CHECKED : MF_UNCHECKED);
          InvalidateRect(window, NULL, TRUE);
          return 0;
        case CMD_ASK:
          ask(window);
          return 0;
        case CMD_QUIT:
          PostQuitMessage(0);
          return 0;
        case CMD_ABOUT:
          strcpy(answer, "(About: a menu and dialog demo)");
          InvalidateRect(window, NULL, TRUE);
          return 0;
        default:
          return 0;
      }
    case WM_KEYDOWN:
      if (wparam == 'G' && (lparam & (1 << 30)) == 0) ask(window);
      if (wparam == 'Q') PostQuitMessage(0);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wparam, lparam);
  }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command_line, int show) {
  WNDCLASSA window_class;
  HWND window;
  MSG msg;
  (void)previous;
  memset(&window_class, 0, sizeof window_class);
  window_class.lpfnWndProc = demo_proc;
  window_class.hInstance = instance;
  window_class.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
  window_class.lpszClassName = "MenuDialogDemo";
  RegisterClassA(&window_class);
  window = CreateWindowExA(0, "MenuDialogDemo", "Menu and dialog demo", WS_OVERLAPPEDWINDOW, 0, 0, 601, 540,
                           NULL, NULL, instance, NULL);
  if (!window) return 1;
  ShowWindow(window, show);
  UpdateWindow(window);
  if (command_line && strstr(command_line, "--ask")) PostMessageA(window, ASK_AT_START, 0, 0);
  while (1) {
    if (!PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
      WaitMessage();
      continue;
    }
    if (msg.message == WM_QUIT) break;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return (int)msg.wParam;
}
