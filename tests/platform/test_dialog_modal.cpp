// Running the prompt-style dialog modally: focus, typing, Enter, Escape, the close box, the
// owner's timer during the loop, quitting, and refusing bad templates.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>

#include "platform/dialogs/dialog.h"
#include "platform/dialogs/dialog_units.h"
#include "platform/menus/menu_hooks.h"
#include "test_dialog_bytes.h"
#include "test_windows_support.h"

namespace {

using namespace zorva::testing_support;
namespace headless = zorva::headless;

constexpr WPARAM kEditChanged = MAKEWPARAM(102, EN_CHANGE);

// What the test dialog procedure saw.
struct DialogLog {
  HWND dialog = nullptr;
  WPARAM init_focus = 0;
  LPARAM init_param = 0;
  std::vector<WPARAM> commands;
  char reply[256] = {};
};
DialogLog& dialog_log() {
  static DialogLog log;
  return log;
}

// Behaves as the text prompt's procedure: the button copies the field and ends the dialog.
INT_PTR CALLBACK prompt_like_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  DialogLog& log = dialog_log();
  switch (message) {
    case WM_INITDIALOG:
      log.dialog = dialog;
      log.init_focus = wparam;
      log.init_param = lparam;
      return 1;
    case WM_COMMAND:
      log.commands.push_back(wparam);
      if (wparam != 101) return 0;
      GetDlgItemTextA(dialog, 102, log.reply, sizeof log.reply);
      EndDialog(dialog, 1);
      return 1;
    default:
      return 0;
  }
}

class DialogModal : public ::testing::Test {
 protected:
  void SetUp() override {
    fresh_platform();
    dialog_log() = DialogLog{};
    owner = make_window(601, 540);
    HMENU bar = CreateMenu();
    HMENU popup = CreatePopupMenu();
    AppendMenuA(popup, MF_STRING, 1, "&Go");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), "&Run");
    SetMenu(owner, bar);
    SetTimer(owner, 2, 100, nullptr);
    drain();
    recorder().clear();
  }
  void TearDown() override { headless::on_idle(nullptr); }

  // Runs the dialog; each idle turn of its modal loop performs the next step. Should the
  // steps run out with the dialog still open, it is ended with -99.
  INT_PTR run(std::vector<std::function<bool()>> steps, const TemplateBytes& t = prompt_template("Name?")) {
    auto next = std::make_shared<std::size_t>(0);
    headless::on_idle([steps, next] {
      if (*next < steps.size()) return steps[(*next)++]();
      ADD_FAILURE() << "the dialog outlived its steps";
      EndDialog(dialog_log().dialog, -99);
      return true;
    });
    bytes = t.bytes;  // kept 4-byte aligned in a vector of its own
    return DialogBoxIndirectParamA(nullptr, reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()), owner,
                                   prompt_like_proc, 1234);
  }
  static HWND item(int id) { return GetDlgItem(dialog_log().dialog, id); }
  static void press(int vk) {
    headless::key_down(vk);
    headless::key_up(vk);
  }
  int owner_timer_messages() const {
    int n = 0;
    for (const Received& r : recorder().messages) n += r.hwnd == owner && r.message == WM_TIMER;
    return n;
  }

  HWND owner = nullptr;
  std::vector<unsigned char> bytes;
};

TEST_F(DialogModal, TypingThenEnterEndsWithTheButtonsCommandWhileTheOwnersTimerRuns) {
  int timers_before_enter = 0;
  const INT_PTR result = run({
      [] {
        EXPECT_EQ(GetFocus(), item(102));  // the first tab stop, the field
        EXPECT_EQ(dialog_log().init_focus, reinterpret_cast<WPARAM>(item(102)));
        headless::type_text("Hello, world");
        return true;
      },
      [] { return false; },  // let virtual time run to the owner's timer, three times
      [] { return false; },
      [] { return false; },
      [&] {
        timers_before_enter = owner_timer_messages();
        press(VK_RETURN);
        return true;
      },
  });
  EXPECT_EQ(result, 1);
  EXPECT_STREQ(dialog_log().reply, "Hello, world");
  EXPECT_EQ(dialog_log().init_param, 1234);
  ASSERT_FALSE(dialog_log().commands.empty());
  EXPECT_EQ(dialog_log().commands.back(), 101u);
  EXPECT_EQ(std::count(dialog_log().commands.begin(), dialog_log().commands.end(), kEditChanged), 12);
  EXPECT_GE(timers_before_enter, 3);
  // Afterwards: the dialog is gone, the owner takes input again and has the keyboard.
  EXPECT_FALSE(IsWindow(dialog_log().dialog));
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(headless::live_windows(), 1u);
  EXPECT_EQ(GetFocus(), owner);
  EXPECT_EQ(recorder().count(WM_KEYDOWN) + recorder().count(WM_CHAR), 0);
}

TEST_F(DialogModal, ComingBackToTheDialogGivesTheFocusBackToTheControlThatHadIt) {
  HWND other = nullptr;
  const INT_PTR result = run({
      [] {
        headless::type_text("Ad");
        press(VK_TAB);  // to the button
        return true;
      },
      [&] {
        other = make_window(200, 100);  // another window of the program takes the keyboard
        headless::focus(other);
        EXPECT_EQ(GetFocus(), other);
        headless::focus(dialog_log().dialog);
        EXPECT_EQ(GetFocus(), item(101));
        press(VK_TAB);  // back to the field
        return true;
      },
      [&] {
        headless::focus(other);
        headless::focus(dialog_log().dialog);
        EXPECT_EQ(GetFocus(), item(102));
        headless::type_text("a");
        press(VK_RETURN);
        return true;
      },
  });
  EXPECT_EQ(result, 1);
  EXPECT_STREQ(dialog_log().reply, "Ada");
}

TEST_F(DialogModal, EscapeAndTheCloseBoxReachTheProcedureAsCancel) {
  const INT_PTR result = run({
      [] {
        press(VK_ESCAPE);
        return true;
      },
      [] {
        headless::close_request(dialog_log().dialog);
        return true;
      },
      [] {
        EXPECT_TRUE(IsWindow(dialog_log().dialog));  // the procedure ignored both
        headless::click(item(101), 5, 5);
        return true;
      },
  });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(dialog_log().commands, (std::vector<WPARAM>{IDCANCEL, IDCANCEL, 101}));
  EXPECT_STREQ(dialog_log().reply, "");
}

TEST_F(DialogModal, TabMovesBetweenTabStopsSpacePressesAndCtrlEnterBreaksTheLine) {
  const INT_PTR result = run({
      [] {
        headless::type_text("ab");
        headless::key_down(VK_CONTROL);
        press(VK_RETURN);
        headless::key_up(VK_CONTROL);
        headless::type_text("cd");
        return true;
      },
      [] {
        EXPECT_EQ(GetFocus(), item(102));
        press(VK_TAB);
        return true;
      },
      [] {
        EXPECT_EQ(GetFocus(), item(101));
        headless::key_down(VK_SHIFT);
        press(VK_TAB);
        headless::key_up(VK_SHIFT);
        return true;
      },
      [] {
        EXPECT_EQ(GetFocus(), item(102));
        press(VK_TAB);
        return true;
      },
      [] {
        press(VK_SPACE);  // the button has the focus now
        return true;
      },
  });
  EXPECT_EQ(result, 1);
  EXPECT_STREQ(dialog_log().reply, "ab\r\ncd");
}

TEST_F(DialogModal, TheOwnerGetsNoInputWhileTheDialogRuns) {
  run({
      [this] {
        EXPECT_FALSE(IsWindowEnabled(owner));
        headless::click(owner, 100, 100);
        headless::click_frame(owner, 10, 10);  // its menu bar
        return true;
      },
      [this] {
        EXPECT_FALSE(zorva::platform::menus::has_overlay(*zorva::platform::find_window(owner)));
        press(VK_RETURN);
        return true;
      },
  });
  EXPECT_EQ(recorder().count(WM_LBUTTONDOWN), 0);
  EXPECT_EQ(recorder().count(WM_COMMAND), 0);
}

TEST_F(DialogModal, QuitDuringTheDialogEndsItAndReachesTheProgramsLoop) {
  const INT_PTR result = run({[] {
    PostQuitMessage(7);
    return true;
  }});
  EXPECT_EQ(result, 0);
  EXPECT_EQ(headless::live_windows(), 1u);
  EXPECT_TRUE(IsWindowEnabled(owner));
  MSG msg;
  bool quit = false;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    if (msg.message == WM_QUIT) {
      quit = true;
      EXPECT_EQ(msg.wParam, 7u);
      break;
    }
  EXPECT_TRUE(quit);
}

TEST_F(DialogModal, GetDlgItemTextCopiesAtMostSizeMinusOneCharacters) {
  run({[] {
    const std::string long_text(300, 'x');
    EXPECT_TRUE(SetDlgItemTextA(dialog_log().dialog, 102, long_text.c_str()));
    char reply[256];
    std::memset(reply, '#', sizeof reply);
    EXPECT_EQ(GetDlgItemTextA(dialog_log().dialog, 102, reply, 256), 255u);
    EXPECT_EQ(std::string(reply), std::string(255, 'x'));
    char untouched[4] = {'#', '#', '#', '#'};
    EXPECT_EQ(GetDlgItemTextA(dialog_log().dialog, 102, untouched, 0), 0u);
    EXPECT_EQ(untouched[0], '#');
    EXPECT_EQ(GetDlgItemTextA(dialog_log().dialog, 555, untouched, 4), 0u);
    EXPECT_EQ(untouched[0], '\0');
    EXPECT_FALSE(SetDlgItemTextA(dialog_log().dialog, 555, "x"));
    EXPECT_EQ(GetDlgItemTextA(nullptr, 102, untouched, 4), 0u);
    press(VK_RETURN);
    return true;
  }});
  EXPECT_EQ(std::strlen(dialog_log().reply), 255u);
}

TEST_F(DialogModal, TheDialogSitsOverTheOwnersClientAreaAndIsDrawn) {
  run({[this] {
    const auto base = zorva::platform::dialogs::system_base_units();
    RECT owner_rect, dialog_rect;
    GetWindowRect(owner, &owner_rect);
    GetWindowRect(dialog_log().dialog, &dialog_rect);
    // The template places and sizes the client area; the frame and caption lie round it.
    const int strip = zorva::platform::menus::bar_height(GetMenu(owner));
    const int owner_client_x = owner_rect.left + GetSystemMetrics(SM_CXSIZEFRAME);
    const int owner_client_y = owner_rect.top + GetSystemMetrics(SM_CYSIZEFRAME) + GetSystemMetrics(SM_CYCAPTION) + strip;
    const int client_x = dialog_rect.left + GetSystemMetrics(SM_CXFIXEDFRAME);
    const int client_y = dialog_rect.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION);
    EXPECT_EQ(client_x, owner_client_x + 50 * base.x / 4);
    EXPECT_EQ(client_y, owner_client_y + 50 * base.y / 8);
    RECT client;
    GetClientRect(dialog_log().dialog, &client);
    EXPECT_EQ(client.right, 185 * base.x / 4);
    EXPECT_EQ(dialog_rect.right - dialog_rect.left, client.right + 2 * GetSystemMetrics(SM_CXFIXEDFRAME));

    const auto shown = headless::presented(dialog_log().dialog);
    EXPECT_EQ(shown.row(2)[2], 0xD4D0C8u);  // the dialog's face
    RECT field;
    GetWindowRect(item(102), &field);
    const int fx = field.left - client_x;
    const int fy = field.top - client_y;
    EXPECT_EQ(shown.row(fy + (field.bottom - field.top) / 2)[fx + (field.right - field.left) / 2], 0xFFFFFFu);
    EXPECT_EQ(shown.row(fy + 5)[fx + 4], 0x000000u);  // the caret of the empty, focused field
    RECT button;
    GetWindowRect(item(101), &button);
    EXPECT_EQ(shown.row(button.top - client_y)[button.left - client_x + 3], 0x000000u);
    press(VK_RETURN);
    return true;
  }});
}

TEST_F(DialogModal, EditingKeysAndAClickThatPlacesTheCaret) {
  const INT_PTR result = run({
      [] {
        headless::type_text("hello");
        press(VK_HOME);
        press(VK_DELETE);  // "ello"
        press(VK_END);
        press(VK_BACK);    // "ell"
        press(VK_LEFT);
        press(VK_DELETE);  // "el"
        headless::key_down(VK_CONTROL);
        press(VK_RETURN);
        headless::key_up(VK_CONTROL);
        headless::type_text("xy");  // "el\r\nxy", caret at the end
        press(VK_UP);
        headless::type_text("Z");   // on the first line, below which the caret was
        return true;
      },
      [] {
        press(VK_TAB);  // to the button
        return true;
      },
      [] {
        EXPECT_EQ(GetFocus(), item(101));
        headless::click(item(102), 5, 5);  // the field's first character
        return true;
      },
      [] {
        EXPECT_EQ(GetFocus(), item(102));
        headless::type_text("<");
        press(VK_RETURN);
        return true;
      },
  });
  EXPECT_EQ(result, 1);
  EXPECT_STREQ(dialog_log().reply, "<elZ\r\nxy");
}

// Ends the dialog from WM_INITDIALOG, before it is ever shown.
INT_PTR CALLBACK ends_at_once_proc(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message == WM_INITDIALOG) {
    dialog_log().dialog = dialog;
    EndDialog(dialog, 42);
  }
  return 0;
}

TEST_F(DialogModal, EndingAtOnceOrLosingTheOwnerEndsTheLoopCleanly) {
  bytes = prompt_template("x").bytes;
  const auto* layout = reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data());
  EXPECT_EQ(DialogBoxIndirectParamA(nullptr, layout, owner, ends_at_once_proc, 0), 42);
  EXPECT_EQ(headless::live_windows(), 1u);
  EXPECT_TRUE(IsWindowEnabled(owner));

  // The owner destroyed while the dialog runs (by a message of its own) takes the dialog with it.
  recorder().react = [](HWND hwnd, UINT message, WPARAM, LPARAM, LRESULT&) {
    if (message == WM_USER) DestroyWindow(hwnd);
    return false;
  };
  const INT_PTR result = run({[this] {
    PostMessageA(owner, WM_USER, 0, 0);
    return true;
  }});
  EXPECT_EQ(result, 0);
  EXPECT_EQ(headless::live_windows(), 0u);
}

TEST_F(DialogModal, BadTemplatesAndUnknownClassesReturnMinusOneAndLeaveNothingBehind) {
  TemplateBytes unknown_ordinal = prompt_template("x");
  unknown_ordinal.bytes[44 + 20] = 0x99;  // the field's class ordinal
  EXPECT_EQ(run({}, unknown_ordinal), -1);

  TemplateBytes unknown_name;
  unknown_name.header(0x90C80080u, 1, 0, 0, 50, 50, "x");
  unknown_name.align4();
  unknown_name.dword(0x50000000u);
  unknown_name.dword(0);
  for (int i = 0; i < 4; ++i) unknown_name.word(5);
  unknown_name.word(1);
  unknown_name.text("NoSuchClass");
  unknown_name.word(0);
  unknown_name.word(0);
  EXPECT_EQ(run({}, unknown_name), -1);

  EXPECT_EQ(DialogBoxIndirectParamA(nullptr, nullptr, owner, prompt_like_proc, 0), -1);
  EXPECT_EQ(dialog_log().dialog, nullptr);  // WM_INITDIALOG never came
  EXPECT_EQ(headless::live_windows(), 1u);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_FALSE(EndDialog(owner, 1));
}

}  // namespace
