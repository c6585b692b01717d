// The window classes: the program's (RegisterClassA) and the platform's built-in ones, found
// by name without regard to case, as on Windows.
#pragma once

#include <map>
#include <string>

#include "platform/windows/window.h"

namespace zorva::platform {

struct WindowClassTable {
  std::map<std::string, WindowClass> program;  // RegisterClassA
  std::map<std::string, WindowClass> builtin;  // dialogs and controls
  ATOM next_atom = 0xC000;                      // Windows numbers registered classes from here

  // Registers a built-in class; a name already there stays as it is.
  void add_builtin(const char* name, WNDPROC proc, UINT style = 0);
};

}  // namespace zorva::platform
