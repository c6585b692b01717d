// OutputDebugStringA: on Windows a line for a debugger; here it goes to the log of a run
// under zorva-run, and nowhere otherwise.
#include "platform/runner/program_runner.h"
#include "platform/win32.h"

extern "C" void WINAPI OutputDebugStringA(LPCSTR lpOutputString) {
  if (lpOutputString == nullptr) return;
  if (auto* runner = zorva::platform::runner::program_runner()) runner->debug_output(lpOutputString);
}
