// Formats the package's own description lines, whose formats use only %s, %d and %%, without
// the C library's general formatter (a logging-on pass formats some 850 of them).
#pragma once

#include <cstdarg>
#include <cstddef>

namespace zorva {

// Whether `format` uses no conversion but %s, %d and %%, so format_description can take it.
bool is_description_format(const char* format);

// Formats as vsnprintf(out, capacity, format, args) would for such a format: at most
// capacity - 1 characters and a NUL; returns the length the whole text has. capacity > 0.
int format_description(char* out, std::size_t capacity, const char* format, std::va_list args);

}  // namespace zorva
