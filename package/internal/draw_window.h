// The drawing window's message procedure, its commands, and showing the surface in it.
#pragma once

#include "platform/win32.h"
#include "zorva.h"

namespace zorva {

LRESULT CALLBACK draw_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Carries out a "&Run" menu command (also given by its Ctrl+letter key); other ids do nothing.
void run_menu_command(WPARAM command);

// Puts the origin at the centre of the window's client rectangle.
void update_origin(HWND window);

// Copies the whole off-screen surface to the drawing window; the surface is then shown.
void copy_surface_to_window();

}  // namespace zorva
