// Everything the platform keeps, in one record: the driver, windows and their classes, the
// message queue, timers, keyboard, GDI objects and DCs, menus, dialogs, movable memory and
// the program runner.
// Modules reach their part through platform_state(); assigning a fresh PlatformState puts the
// whole platform back to its start (the test controls' reset).
#pragma once

#include "platform/core/handle_store.h"
#include "platform/core/handle_table.h"
#include "platform/dialogs/dialog_state.h"
#include "platform/driver/driver_choice.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_object.h"
#include "platform/memory/global_memory.h"
#include "platform/menus/menu.h"
#include "platform/menus/menu_tracking.h"
#include "platform/messages/input.h"
#include "platform/messages/keyboard.h"
#include "platform/messages/message_queue.h"
#include "platform/messages/timers.h"
#include "platform/runner/program_runner.h"
#include "platform/raster/raster_scratch.h"
#include "platform/text/mix_cache.h"
#include "platform/windows/window_classes.h"
#include "platform/windows/window_internal.h"

namespace zorva::platform {

struct PlatformState {
  // What exists before the program makes anything, and again after every reset: the stock
  // GDI objects and the built-in window classes of dialogs and controls.
  PlatformState();

  // Made first, gone last: the driver outlives every window it shows.
  DriverChoice driver;
  WindowRecords windows;
  WindowClassTable window_classes;
  MessageQueue queue;
  TimerTable timers;
  KeyboardState keyboard;
  InputRouting input;
  GdiObjectTable gdi_objects;
  HandleStore<DeviceContext, 1, true> device_contexts{static_cast<std::uint32_t>(HandleKind::DeviceContext)};
  raster::RasterScratch raster_scratch;  // buffers shapes reuse
  text::MixCache text_mixes;             // smoothed text's mixes of ink over ground
  HandleTable<menus::Menu> menus{HandleKind::Menu};
  menus::MenuTracking menu_tracking;
  dialogs::DialogRecords dialogs;
  HandleStore<MemoryBlock> memory_blocks{static_cast<std::uint32_t>(HandleKind::MemoryBlock)};
  // A program's run on the headless driver (none in tests and on other drivers).
  std::unique_ptr<runner::ProgramRunner> runner;
};

// The one instance, a plain global: every GDI call reaches it, and a function-local static
// would test its guard each time.
extern PlatformState g_platform_state;
inline PlatformState& platform_state() { return g_platform_state; }

}  // namespace zorva::platform
