// The program's start in a web page: calls its WinMain, then tells the page the program
// ended. Under Asyncify main "returns" to the runtime at its first wait already, so the
// runtime's own exit hook cannot say when the program really ends; a program that calls
// exit() itself is caught by the page (page.js).
#include <emscripten.h>

#include <cstdint>

#include "platform/core/handle_table.h"
#include "platform/win32.h"

EM_JS(void, zorva_page_program_ended, (int status), { Module.zorvaPage.programEnded(status); });

int main() {
  using namespace zorva::platform;
  char command_line[1] = {0};
  const HINSTANCE instance = to_handle<HINSTANCE>((static_cast<std::uint32_t>(HandleKind::Instance) << 28) | 1u);
  const int status = WinMain(instance, nullptr, command_line, SW_SHOWNORMAL);
  zorva_page_program_ended(status);
  return status;
}
