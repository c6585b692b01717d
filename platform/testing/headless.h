// Test controls for the headless driver: virtual time moved by hand, input injected where a
// driver reports OS input, every window's pixels readable, live objects counted, and resets.
// Tests only: the product never includes this.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

#include "platform/core/pixmap.h"
#include "platform/win32.h"

namespace zorva::headless {

// Thrown when the program would wait for a message that can never come (nothing queued,
// no timer running, no idle feeder that supplies input), once use() or reset() has run.
struct WouldWaitForever : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Selects the headless driver, and makes a wait that can never end throw WouldWaitForever
// (without the test controls the driver asks the program to quit). Call before the first
// window is created.
void use();

// Destroys every window, timer, menu, DC, GDI object and movable block, empties the message
// queue, releases keys and sets the virtual clock back to 0, so each test starts afresh.
void reset();

// ---- virtual time ----
std::uint32_t now_ms();
// Moves the clock forward; timers that fall due become ready to be delivered.
void advance_ms(std::uint32_t ms);

// Called when the program would wait (WaitMessage with nothing ready). The feeder may inject
// input or advance time and returns true if it did; returning false, or having no feeder,
// lets time jump to the next timer deadline, or throws WouldWaitForever if there is none.
void on_idle(std::function<bool()> feeder);

// ---- input at the OS boundary; keys go to the window that has the keyboard focus ----
// `typed` is the character the key produces as text (0: derived from the key and the
// modifier state, US layout); bytes 128 to 255 stand for Latin-1 characters.
void key_down(int vk, unsigned char typed = 0, bool repeat = false);
void key_up(int vk);
// A key press and release for each character of the text (letters, digits, punctuation,
// space, newline as Return), with Shift around the characters that need it.
void type_text(const std::string& text);
// Gives the keyboard focus to a top-level window (the last one shown has it otherwise).
void focus(HWND top_level);
// A left-button press and release at a position in the window's client area.
void click(HWND window, int client_x, int client_y);
// A left-button press and release at a position in the top-level window's framebuffer
// (menu strip included), as the OS would report it.
void click_frame(HWND top_level, int x, int y);
// The left button alone going down or up, and the pointer moving, at a position in the
// window's client area (it may lie outside) or in the top-level window's framebuffer.
void button(HWND window, int client_x, int client_y, bool down);
void button_frame(HWND top_level, int x, int y, bool down);
void move_mouse(HWND window, int client_x, int client_y);
void move_mouse_frame(HWND top_level, int x, int y);
// The window manager's close button.
void close_request(HWND top_level);

// ---- the clipboard: the headless driver's own, in memory ----
// Its text as the system holds it (8-bit characters, lines ending in "\n").
void set_clipboard_text(const std::string& text);
std::string clipboard_text();

// ---- pixels ----
// The top-level window's framebuffer as drawn (menu strip at the top, then the client area).
const zorva::platform::Pixmap& framebuffer(HWND top_level);
// What the screen would show: the framebuffer with open popups drawn over it.
zorva::platform::Pixmap presented(HWND top_level);
// A client-area pixel of any window, as 0x00RRGGBB; 0xFFFFFFFF outside the client area.
std::uint32_t client_pixel(HWND window, int x, int y);
// Writes a pixmap as a binary PPM (for looking at a failing test's picture).
bool save_ppm(const zorva::platform::Pixmap& pixmap, const std::string& path);

// ---- live resources ----
std::size_t live_windows();
std::size_t live_dcs();
std::size_t live_gdi_objects();     // created by the program; stock objects not counted
std::size_t live_memory_blocks();
std::size_t live_timers();
std::size_t queued_messages();

}  // namespace zorva::headless
