#include "base/text_format.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

#include "base/codepage.h"

namespace kesto {

std::string strprintf(const char* format, ...) {
    // Most texts fit the stack buffer, so they are formatted once.
    char buffer[512];
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(buffer, sizeof buffer, format, copy);
    va_end(copy);
    std::string out;
    if (n > 0 && static_cast<std::size_t>(n) < sizeof buffer) {
        out.assign(buffer, static_cast<std::size_t>(n));
    } else if (n > 0) {
        out.resize(static_cast<std::size_t>(n) + 1);
        std::vsnprintf(out.data(), out.size(), format, args);
        out.resize(static_cast<std::size_t>(n));
    }
    va_end(args);
    return out;
}

std::string shortExcerpt(std::string_view text, std::size_t maxBytes) {
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t n = std::min(utf8SequenceLength(c), text.size() - i);
        if (i + n > maxBytes) {
            return out + "…";
        }
        if (c < 0x20 || c == 0x7F) {
            out += ' ';
        } else {
            out.append(text.substr(i, n));
        }
        i += n;
    }
    return out;
}

}  // namespace kesto
