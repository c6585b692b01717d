// Formats the package's own description lines, whose formats use only %s, %d and %%, without
// the C library's general formatter (a logging-on pass formats some 850 of them).
#pragma once

#include <cstdarg>
#include <cstddef>

namespace zorva {

// Formats as vsnprintf(out, capacity, format, args) would: at most capacity - 1 characters and
// a NUL; returns the length the whole text has. Returns -1 at a conversion other than %s, %d
// and %% (the arguments are then partly taken: the caller formats from a copy of them).
// capacity > 0.
int format_description(char* out, std::size_t capacity, const char* format, std::va_list args);

}  // namespace zorva
