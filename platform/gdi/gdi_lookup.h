// Handles to the records they name, inline: every shape the package draws makes some nine GDI
// calls, each looking up its DC or object once.
#pragma once

#include <cstdint>

#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_object.h"
#include "platform/state/platform_state.h"

namespace zorva::platform {

inline DeviceContext* find_dc(HDC dc) {
  return platform_state().device_contexts.find_remembered(reinterpret_cast<std::uintptr_t>(dc));
}

inline GdiObject* find_gdi_object(HGDIOBJ handle) {
  return platform_state().gdi_objects.store.find(reinterpret_cast<std::uintptr_t>(handle));
}

template <typename T>
T* find_gdi(HGDIOBJ handle);
template <>
inline Pen* find_gdi<Pen>(HGDIOBJ handle) {
  GdiObject* o = find_gdi_object(handle);
  return o && o->kind == GdiKind::kPen ? &o->pen : nullptr;
}
template <>
inline Brush* find_gdi<Brush>(HGDIOBJ handle) {
  GdiObject* o = find_gdi_object(handle);
  return o && o->kind == GdiKind::kBrush ? &o->brush : nullptr;
}
template <>
inline FontRequest* find_gdi<FontRequest>(HGDIOBJ handle) {
  GdiObject* o = find_gdi_object(handle);
  return o && o->kind == GdiKind::kFont ? &o->font : nullptr;
}
template <>
inline Bitmap* find_gdi<Bitmap>(HGDIOBJ handle) {
  GdiObject* o = find_gdi_object(handle);
  return o && o->kind == GdiKind::kBitmap ? &o->bitmap : nullptr;
}

}  // namespace zorva::platform
