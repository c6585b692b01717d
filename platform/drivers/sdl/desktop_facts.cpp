// The desktop's facts for the scale factor. Xft.dpi is the resource desktops set for a dense
// screen (192 for twice the size); it lives in the X server's RESOURCE_MANAGER property,
// which Xlib hands over as text when a connection opens. Xlib is the one SDL has loaded
// (SDL loads it at run time, so the platform does not link it).
#include "platform/drivers/sdl/desktop_facts.h"

#include <SDL.h>
#include <X11/Xlib.h>
#include <X11/Xresource.h>
#include <dlfcn.h>

#include <cstdlib>

namespace zorva::platform {
namespace {

template <typename Function>
Function* x_function(void* xlib, const char* name) {
  return reinterpret_cast<Function*>(dlsym(xlib, name));
}

double x_resource_dpi() {
  void* xlib = dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
  if (!xlib) return 0;
  auto open_display = x_function<decltype(XOpenDisplay)>(xlib, "XOpenDisplay");
  auto close_display = x_function<decltype(XCloseDisplay)>(xlib, "XCloseDisplay");
  auto resource_text = x_function<decltype(XResourceManagerString)>(xlib, "XResourceManagerString");
  auto initialize = x_function<decltype(XrmInitialize)>(xlib, "XrmInitialize");
  auto parse = x_function<decltype(XrmGetStringDatabase)>(xlib, "XrmGetStringDatabase");
  auto look_up = x_function<decltype(XrmGetResource)>(xlib, "XrmGetResource");
  auto destroy = x_function<decltype(XrmDestroyDatabase)>(xlib, "XrmDestroyDatabase");
  double dpi = 0;
  if (open_display && close_display && resource_text && initialize && parse && look_up && destroy) {
    if (Display* display = open_display(nullptr)) {
      if (const char* resources = resource_text(display)) {
        initialize();
        if (XrmDatabase database = parse(resources)) {
          char* type = nullptr;
          XrmValue value{};
          if (look_up(database, "Xft.dpi", "Xft.Dpi", &type, &value) && value.addr) {
            char* end = nullptr;
            const double parsed = std::strtod(value.addr, &end);
            if (end != value.addr) dpi = parsed;
          }
          destroy(database);
        }
      }
      close_display(display);
    }
  }
  dlclose(xlib);
  return dpi;
}

}  // namespace

DesktopFacts sdl_desktop_facts(bool x11) {
  DesktopFacts facts;
  SDL_Rect usable{};
  if (SDL_GetDisplayUsableBounds(0, &usable) == 0) {
    facts.usable_width = usable.w;
    facts.usable_height = usable.h;
  }
  // On Wayland the compositor already enlarges a window that does not ask for dense pixels
  // (as SDL's windows here do not), so the hints there would enlarge it twice.
  if (x11) {
    facts.xft_dpi = x_resource_dpi();
    if (const char* gdk = std::getenv("GDK_SCALE")) facts.gdk_scale = gdk;
  }
  return facts;
}

}  // namespace zorva::platform
