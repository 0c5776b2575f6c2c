// printf-style formatting into a std::string: the detail lines, messages and reports use the
// C formats ("%f", "%6.3f", "%.0f") of the stored texts.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kesto {

std::string strprintf(const char* format, ...) __attribute__((format(printf, 1, 2)));

// At most `maxBytes` of `text` (whole UTF-8 characters, control characters as blanks), with
// "…" when cut: for messages that quote what a file holds, which may be anything.
std::string shortExcerpt(std::string_view text, std::size_t maxBytes = 32);

}  // namespace kesto
