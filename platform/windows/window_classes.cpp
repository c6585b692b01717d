// Window classes: the program's (RegisterClassA) and the platform's built-in ones.
#include "platform/windows/window_classes.h"

#include "platform/core/ascii.h"
#include "platform/state/platform_state.h"

namespace zorva::platform {
namespace {

WindowClassTable& classes() { return platform_state().window_classes; }

// Class names compare without regard to case, as on Windows.
std::string class_key(const char* name) { return ascii_lowercase(name); }

}  // namespace

const WindowClass* find_window_class(const std::string& name) {
  const std::string key = class_key(name.c_str());
  auto& table = classes();
  if (auto it = table.program.find(key); it != table.program.end()) return &it->second;
  if (auto it = table.builtin.find(key); it != table.builtin.end()) return &it->second;
  return nullptr;
}

void WindowClassTable::add_builtin(const char* name, WNDPROC proc, UINT style) {
  if (!name || !proc) return;
  WindowClass window_class;
  window_class.name = name;
  window_class.proc = proc;
  window_class.style = style;
  builtin.emplace(class_key(name), window_class);
}

}  // namespace zorva::platform

using namespace zorva::platform;

extern "C" ATOM WINAPI RegisterClassA(const WNDCLASSA* lpWndClass) {
  if (!lpWndClass || !lpWndClass->lpfnWndProc) return 0;
  // A class named by an atom (MAKEINTATOM) is not supported: names must be strings.
  const auto name_value = reinterpret_cast<std::uintptr_t>(lpWndClass->lpszClassName);
  if (name_value <= 0xFFFF || lpWndClass->lpszClassName[0] == '\0') return 0;
  auto& table = classes();
  const std::string key = class_key(lpWndClass->lpszClassName);
  if (table.program.count(key) || table.builtin.count(key)) return 0;
  if (table.next_atom == 0xFFFF) return 0;
  WindowClass window_class;
  window_class.name = lpWndClass->lpszClassName;
  window_class.style = lpWndClass->style;
  window_class.proc = lpWndClass->lpfnWndProc;
  window_class.instance = lpWndClass->hInstance;
  window_class.background = lpWndClass->hbrBackground;
  table.program.emplace(key, window_class);
  return table.next_atom++;
}
