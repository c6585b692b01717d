// Xlib calls its I/O error handler when the connection to the X server breaks, and the
// handler must not return. Ours says which display was lost and ends the process at once:
// the usual exit path would run destructors that talk to the dead connection again. Xlib's
// protocol error handler, whose default also ends the program, is replaced too, so that a
// request about a just-destroyed window is not fatal.
#include "platform/drivers/sdl/display_loss.h"

#include <X11/Xlib.h>
#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace zorva::platform {
namespace {

[[noreturn]] void end_after_display_loss(const char* display_name) {
  std::fprintf(stderr, "zorva: lost the connection to the display DISPLAY=\"%s\"; the program ends\n",
               display_name != nullptr ? display_name : "");
  std::fflush(nullptr);  // the script file's lines and any other buffered output
  _exit(kDisplayLostExitStatus);
}

int on_x_connection_lost(Display* display) {
  end_after_display_loss(display != nullptr ? DisplayString(display) : std::getenv("DISPLAY"));
}

// A request about a window that was destroyed a moment earlier (SDL sends its wake-up
// message to a window over a second connection, racing the window's destruction) fails
// harmlessly; Xlib's default handler would end the program for it.
int on_x_protocol_error(Display*, XErrorEvent* error) {
  if (error->error_code != BadWindow) {
    std::fprintf(stderr, "zorva: X protocol error %d (request %d) ignored\n", error->error_code,
                 error->request_code);
  }
  return 0;
}

}  // namespace

void end_program_when_x_display_is_lost() {
  // SDL loads the X library itself; take the handler setter from that very copy.
  void* xlib = dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
  if (xlib == nullptr) return;
  using SetHandler = XIOErrorHandler (*)(XIOErrorHandler);
  if (auto set_handler = reinterpret_cast<SetHandler>(dlsym(xlib, "XSetIOErrorHandler"))) {
    set_handler(on_x_connection_lost);
  }
  using SetErrorHandler = XErrorHandler (*)(XErrorHandler);
  if (auto set_error_handler = reinterpret_cast<SetErrorHandler>(dlsym(xlib, "XSetErrorHandler"))) {
    set_error_handler(on_x_protocol_error);
  }
  dlclose(xlib);  // only drops the reference taken here; SDL keeps the library loaded
}

}  // namespace zorva::platform
