// printf-style formatting into a std::string: the detail lines, messages and reports use the
// C formats ("%f", "%6.3f", "%.0f") of the stored texts. The conversions these texts use (%s,
// %d, %i and %f, with a width and a precision) are written here, since the C library's printf
// spends most of a large run on them; any other conversion goes to vsnprintf. Either way the
// bytes are those printf writes.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <string>
#include <string_view>

namespace kesto {

std::string strprintf(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Appends the formatted text to `out`.
void appendf(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));
void vappendf(std::string& out, const char* format, std::va_list args);

// Text collected by the million (the detail lines) is formatted in place: the bytes of a
// buffer past `used` are room, not text, and formatting writes there and moves `used` on.
enum class Growth {
    asNeeded,    // a little more than needed
    toCapacity,  // the buffer's whole capacity at least, for a buffer that keeps its room
};
// Makes room for `n` bytes after the first `used` of `buffer`; returns where they go.
void growRoom(std::string& buffer, std::size_t used, std::size_t n, Growth growth);
inline char* roomIn(std::string& buffer, std::size_t used, std::size_t n, Growth growth) {
    if (buffer.size() - used < n) {
        growRoom(buffer, used, n, growth);
    }
    return buffer.data() + used;
}

// Appends `value` as printf's "%.*f" writes it with `precision` digits after the point.
void appendFixed(std::string& out, double value, int precision);

// At most `maxBytes` of `text` (whole UTF-8 characters, control characters as blanks), with
// "…" when cut: for messages that quote what a file holds, which may be anything.
std::string shortExcerpt(std::string_view text, std::size_t maxBytes = 32);

}  // namespace kesto
