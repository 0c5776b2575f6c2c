#include "base/text_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "base/codepage.h"

namespace kesto {
namespace {

constexpr std::array<double, 10> kPowersOfTen = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
constexpr std::array<std::uint64_t, 10> kIntegerPowersOfTen = {
    1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};

// "00" "01" ... "99": two digits per division.
constexpr auto kDigitPairs = [] {
    std::array<char, 200> t{};
    for (int i = 0; i < 100; ++i) {
        t[2 * i] = static_cast<char>('0' + i / 10);
        t[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return t;
}();

// Writes the decimal digits of n backwards so that they end at `end`, padded with zeros to
// `minDigits`; returns where they begin.
char* writeDigits(char* end, std::uint64_t n, int minDigits) {
    char* p = end;
    while (n >= 100) {
        p -= 2;
        std::memcpy(p, &kDigitPairs[2 * (n % 100)], 2);
        n /= 100;
    }
    if (n >= 10) {
        p -= 2;
        std::memcpy(p, &kDigitPairs[2 * n], 2);
    } else {
        *--p = static_cast<char>('0' + n);
    }
    while (end - p < minDigits) {
        *--p = '0';
    }
    return p;
}

// The C library's own formatting, for everything the conversions below do not cover.
void appendVsnprintf(std::string& out, const char* format, std::va_list args) {
    char buffer[512];
    std::va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(buffer, sizeof buffer, format, copy);
    va_end(copy);
    if (n <= 0) {
        return;
    }
    const auto length = static_cast<std::size_t>(n);
    if (length < sizeof buffer) {
        out.append(buffer, length);
        return;
    }
    const std::size_t at = out.size();
    out.resize(at + length + 1);
    std::vsnprintf(out.data() + at, length + 1, format, args);
    out.resize(at + length);
}

void appendPrintf(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));
void appendPrintf(std::string& out, const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    appendVsnprintf(out, format, args);
    va_end(args);
}

// One conversion of the kinds written here: "%%", or %d, %i, %s, %f with an optional width
// and, for %f, an optional precision; no flags and no length modifiers.
struct Conversion {
    char kind = 0;
    int width = 0;
    int precision = -1;
};

// Reads the conversion after a '%'; returns where the text goes on, or nullptr when the
// conversion is not one of those written here.
const char* parseConversion(const char* p, Conversion& c) {
    if (*p == '%') {
        c.kind = '%';
        return p + 1;
    }
    if (*p == '0') {  // a flag, not a width
        return nullptr;
    }
    while (*p >= '0' && *p <= '9' && c.width < 10000) {
        c.width = c.width * 10 + (*p++ - '0');
    }
    if (*p == '.') {
        c.precision = 0;
        ++p;
        while (*p >= '0' && *p <= '9' && c.precision < 10000) {
            c.precision = c.precision * 10 + (*p++ - '0');
        }
    }
    const char kind = *p;
    const bool plain = c.precision < 0;
    if (kind == 'f' || ((kind == 'd' || kind == 'i' || kind == 's') && plain)) {
        c.kind = kind;
        return p + 1;
    }
    return nullptr;
}

}  // namespace

void appendFixed(std::string& out, double value, int precision) {
    const double magnitude = std::fabs(value);
    if (precision < 0 || static_cast<std::size_t>(precision) >= kPowersOfTen.size() ||
        !(magnitude < 0x1p52)) {
        appendPrintf(out, "%.*f", precision, value);
        return;
    }
    // printf rounds the exact binary value to the nearest, a tie to the even neighbour. The
    // product magnitude·10^p is rounded once more in floating point, so the digits come from
    // its floor and the rounding looks at the exact product: the rounded product's distance
    // from the midpoint plus the product's rounding error, which fma gives exactly. The error
    // is below half an ulp, so it matters only when the distance is that small.
    const double scaled = magnitude * kPowersOfTen[static_cast<std::size_t>(precision)];
    if (!(scaled < 0x1p52)) {
        appendPrintf(out, "%.*f", precision, value);
        return;
    }
    std::uint64_t digits = 0;
    if (scaled >= 0.5) {  // below 0.5 the exact product is below it as well
        digits = static_cast<std::uint64_t>(scaled);  // the floor: scaled is positive
        const auto whole = static_cast<double>(digits);
        double aboveMidpoint = (scaled - whole) - 0.5;  // exact for scaled >= 0.5
        if (std::fabs(aboveMidpoint) <= scaled * 0x1p-52) {
            aboveMidpoint +=
                std::fma(magnitude, kPowersOfTen[static_cast<std::size_t>(precision)], -scaled);
        }
        if (aboveMidpoint > 0 || (aboveMidpoint == 0 && digits % 2 == 1)) {
            ++digits;
        }
    }
    const std::uint64_t unit = kIntegerPowersOfTen[static_cast<std::size_t>(precision)];
    char buffer[48];
    char* const end = buffer + sizeof buffer;
    char* p = end;
    if (precision > 0) {
        p = writeDigits(p, digits % unit, precision);
        *--p = '.';
    }
    p = writeDigits(p, digits / unit, 1);
    if (std::signbit(value)) {
        *--p = '-';
    }
    out.append(p, static_cast<std::size_t>(end - p));
}

void vappendf(std::string& out, const char* format, std::va_list args) {
    const char* p = format;
    while (*p != '\0') {
        const char* percent = std::strchr(p, '%');
        if (percent == nullptr) {
            out.append(p);
            return;
        }
        out.append(p, static_cast<std::size_t>(percent - p));
        Conversion c;
        const char* next = parseConversion(percent + 1, c);
        if (next == nullptr) {
            appendVsnprintf(out, percent, args);
            return;
        }
        const std::size_t start = out.size();
        switch (c.kind) {
            case '%':
                out += '%';
                break;
            case 'd':
            case 'i': {
                char digits[16];
                const auto result =
                    std::to_chars(digits, digits + sizeof digits, va_arg(args, int));
                out.append(digits, static_cast<std::size_t>(result.ptr - digits));
                break;
            }
            case 's': {
                const char* text = va_arg(args, const char*);
                out.append(text != nullptr ? text : "(null)");
                break;
            }
            default:
                appendFixed(out, va_arg(args, double), c.precision < 0 ? 6 : c.precision);
                break;
        }
        // A width pads on the left with blanks; %s counts bytes, as printf does.
        const std::size_t written = out.size() - start;
        if (written < static_cast<std::size_t>(c.width)) {
            out.insert(start, static_cast<std::size_t>(c.width) - written, ' ');
        }
        p = next;
    }
}

void appendf(std::string& out, const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    vappendf(out, format, args);
    va_end(args);
}

std::string strprintf(const char* format, ...) {
    // Formatted in a buffer that keeps its room, so the result is allocated once at its size.
    thread_local std::string buffer;
    buffer.clear();
    std::va_list args;
    va_start(args, format);
    vappendf(buffer, format, args);
    va_end(args);
    return buffer;
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
