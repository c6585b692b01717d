// Feeds arbitrary bytes to the dialog template reader. A template that reads cleanly within
// its bytes must read the same way when its size is not given (as the modal call receives
// it), and is then run as a real modal dialog on the headless backend: its windows and
// controls are made, shown, painted, given the keys of the input's tail, and ended again.
// Any crash, sanitizer report, disagreement between the two readers, or window, GDI object
// or movable block left behind is a finding.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/dialogs/dialog_template.h"
#include "platform/testing/headless.h"
#include "platform/win32.h"

namespace {

using zorva::platform::dialogs::DialogItemTemplate;
using zorva::platform::dialogs::DialogTemplate;

constexpr WPARAM kEndCommand = 0xFEED;
constexpr INT_PTR kEndResult = 7;

bool same_item(const DialogItemTemplate& a, const DialogItemTemplate& b) {
  return a.style == b.style && a.ex_style == b.ex_style && a.x == b.x && a.y == b.y && a.cx == b.cx &&
         a.cy == b.cy && a.id == b.id && a.class_name == b.class_name && a.text == b.text &&
         a.creation_data == b.creation_data;
}

bool same_template(const DialogTemplate& a, const DialogTemplate& b) {
  return a.style == b.style && a.ex_style == b.ex_style && a.x == b.x && a.y == b.y && a.cx == b.cx &&
         a.cy == b.cy && a.has_menu == b.has_menu && a.class_name == b.class_name && a.caption == b.caption &&
         a.point_size == b.point_size && a.face == b.face &&
         std::equal(a.items.begin(), a.items.end(), b.items.begin(), b.items.end(), same_item);
}

// Within the limits the unsized reader keeps (items, string and creation-data lengths).
bool within_unsized_limits(const DialogTemplate& t) {
  if (t.items.size() > 255 || t.caption.size() > 8192 || t.face.size() > 8192 || t.class_name.size() > 8192)
    return false;
  return std::all_of(t.items.begin(), t.items.end(), [](const DialogItemTemplate& item) {
    return item.class_name.size() <= 8192 && item.text.size() <= 8192 && item.creation_data.size() <= 8192;
  });
}

// Types the keys at the front of the modal loop, then asks the procedure to end the dialog.
// The template's own styles decide where the keys go; the end command always arrives.
struct ModalScript {
  HWND dialog = nullptr;
  const std::uint8_t* keys = nullptr;
  std::size_t key_count = 0;
  bool ended = false;
};

INT_PTR CALLBACK end_on_command(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    reinterpret_cast<ModalScript*>(lparam)->dialog = dialog;
    return TRUE;
  }
  if (message == WM_COMMAND && wparam == kEndCommand) {
    EndDialog(dialog, kEndResult);
    return TRUE;
  }
  return FALSE;
}

bool feed_modal_loop(ModalScript& script) {
  if (script.ended) return false;
  for (std::size_t i = 0; i < script.key_count; ++i) {
    const int vk = script.keys[i] % 0xE0 + 1;
    zorva::headless::key_down(vk, script.keys[i]);
    zorva::headless::key_up(vk);
  }
  script.ended = true;
  PostMessageA(script.dialog, WM_COMMAND, kEndCommand, 0);
  return true;
}

void run_modal(const std::vector<std::uint8_t>& bytes, const std::uint8_t* keys, std::size_t key_count) {
  static HWND owner = [] {
    WNDCLASSA window_class{};
    window_class.lpfnWndProc = DefWindowProcA;
    window_class.lpszClassName = "FuzzOwner";
    RegisterClassA(&window_class);
    const HWND window = CreateWindowExA(0, "FuzzOwner", "owner", WS_CAPTION | WS_SYSMENU, 0, 0, 300, 200,
                                        nullptr, nullptr, nullptr, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    return window;
  }();
  ModalScript script{nullptr, keys, key_count, false};
  zorva::headless::on_idle([&script] { return feed_modal_loop(script); });
  const std::size_t windows = zorva::headless::live_windows();
  const std::size_t objects = zorva::headless::live_gdi_objects();
  const std::size_t blocks = zorva::headless::live_memory_blocks();
  const INT_PTR result = DialogBoxIndirectParamA(nullptr, reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()), owner,
                                                 end_on_command, reinterpret_cast<LPARAM>(&script));
  zorva::headless::on_idle(nullptr);
  if (result != -1 && result != kEndResult && result != 0) __builtin_trap();
  // A quit typed into the dialog is handed back to the program's own loop: take it.
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  if (zorva::headless::live_windows() != windows) __builtin_trap();
  if (zorva::headless::live_gdi_objects() != objects) __builtin_trap();
  if (zorva::headless::live_memory_blocks() != blocks) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool ready = [] {
    zorva::headless::use();
    return true;
  }();
  (void)ready;
  // The first byte says how many bytes at the end are keys for the running dialog.
  if (size == 0) return 0;
  const std::size_t key_count = std::min<std::size_t>(data[0] & 0x1F, size - 1);
  const std::size_t template_size = size - 1 - key_count;
  // A copy of exactly the template's bytes, aligned as a template must be.
  std::vector<std::uint8_t> bytes(data + 1, data + 1 + template_size);

  const auto sized = zorva::platform::dialogs::parse_dialog_template(bytes.data(), bytes.size());
  if (!sized) return 0;
  // The sized reader stayed inside the bytes, so the unsized one may read the same way.
  const auto unsized = zorva::platform::dialogs::parse_dialog_template_unsized(bytes.data());
  if (unsized && !same_template(*sized, *unsized)) __builtin_trap();
  if (!unsized && within_unsized_limits(*sized)) __builtin_trap();
  if (unsized) run_modal(bytes, data + 1 + template_size, key_count);
  return 0;
}
