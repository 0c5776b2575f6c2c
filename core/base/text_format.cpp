#include "base/text_format.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "base/checked_format.h"
#include "base/codepage.h"

namespace kesto {
namespace {

constexpr std::array<double, 10> kPowersOfTen = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
constexpr auto kIntegerPowersOfTen = [] {
    std::array<std::uint64_t, 20> t{};
    t[0] = 1;
    for (std::size_t i = 1; i < t.size(); ++i) {
        t[i] = t[i - 1] * 10;
    }
    return t;
}();

// "00" "01" ... "99": two digits per division.
constexpr auto kDigitPairs = [] {
    std::array<char, 200> t{};
    for (int i = 0; i < 100; ++i) {
        t[2 * i] = static_cast<char>('0' + i / 10);
        t[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return t;
}();

int decimalDigits(std::uint64_t n) {
    // Powers of ten are even, so n | 1 has as many digits as n, and at least one. 1233 / 4096
    // is log10(2) closely enough for the binary length to give the count or one more.
    const std::uint64_t m = n | 1;
    const int guess = (std::bit_width(m) * 1233) >> 12;
    return guess + 1 - (m < kIntegerPowersOfTen[static_cast<std::size_t>(guess)] ? 1 : 0);
}

// Writes the last `count` decimal digits of n, zeros in front when n has fewer, so that they
// end at `end`.
template <typename Unsigned>
void writeDigits(char* end, Unsigned n, int count) {
    char* p = end;
    for (; count >= 2; count -= 2) {
        p -= 2;
        std::memcpy(p, &kDigitPairs[2 * static_cast<std::size_t>(n % 100)], 2);
        n /= 100;
    }
    if (count == 1) {
        p[-1] = static_cast<char>('0' + n % 10);
    }
}

// "000" "001" ... "999", four bytes apart (the fourth unused), so that three digits are one
// load and one store.
constexpr auto kDigitTriples = [] {
    std::array<char, 4 * 1000 + 4> t{};
    for (int i = 0; i < 1000; ++i) {
        t[4 * i] = static_cast<char>('0' + i / 100);
        t[4 * i + 1] = static_cast<char>('0' + i / 10 % 10);
        t[4 * i + 2] = static_cast<char>('0' + i % 10);
    }
    return t;
}();

// Writes four bytes at p: the three digits of n (below 1000), then a byte to be overwritten.
void putTriple(char* p, std::uint32_t n) {
    std::memcpy(p, &kDigitTriples[4 * n], 4);
}

// The most bytes a number written in place takes, with the bytes writeFixed writes beyond its
// end: a sign, at most 16 digits (the product is below 2^52), a leading zero, the point and
// ten digits where at most nine are kept.
constexpr std::size_t kNumberBytes = 32;

std::uint64_t digitPair(std::uint32_t n) {
    std::uint16_t pair = 0;
    std::memcpy(&pair, &kDigitPairs[2 * n], 2);
    return pair;
}

// Writes the whole number n at p and returns where it ends. Whole parts come in every length,
// so below 10^8 the digits are made as one word and shifted to their length, without a branch
// to mispredict; the bytes past the end are written over later.
char* writeWhole(char* p, std::uint64_t n) {
    const int count = decimalDigits(n);
    if constexpr (std::endian::native == std::endian::little) {
        if (n < 100000000) {
            const auto high = static_cast<std::uint32_t>(n) / 10000;
            const auto low = static_cast<std::uint32_t>(n) % 10000;
            std::uint64_t word = digitPair(high / 100) | digitPair(high % 100) << 16 |
                                 digitPair(low / 100) << 32 | digitPair(low % 100) << 48;
            word >>= 8 * (8 - count);  // the first byte in memory is the lowest
            std::memcpy(p, &word, sizeof word);
            return p + count;
        }
    }
    if (n <= UINT32_MAX) {
        writeDigits(p + count, static_cast<std::uint32_t>(n), count);
    } else {
        writeDigits(p + count, n, count);
    }
    return p + count;
}

// Writes `value` as printf's "%.*f" writes it with `precision` digits after the point (at most
// 9) and returns where it ends, or nullptr for a value out of the range done here. Bytes up to
// kNumberBytes from `out` may be overwritten. Inlined where it is used: the call itself cost a
// tenth of a number.
[[gnu::always_inline]] inline char* writeFixed(char* out, double value, int precision) {
    const double magnitude = std::fabs(value);
    const double power = kPowersOfTen[static_cast<std::size_t>(precision)];
    // printf rounds the exact binary value to the nearest, a tie to the even neighbour. The
    // product magnitude·10^p is rounded once more in floating point, so the digits come from
    // its floor and the rounding looks at the exact product: the rounded product's distance
    // from the midpoint plus the product's rounding error, which fma gives exactly. The error
    // is below half an ulp, so it matters only when the distance is that small.
    const double scaled = magnitude * power;
    if (!(scaled < 0x1p52)) {  // also a NaN; the magnitude is then below 2^52 as well
        return nullptr;
    }
    // Conversions through the signed type, a single instruction: the values are below 2^52.
    std::uint64_t digits = 0;
    if (scaled >= 0.5) {  // below 0.5 the exact product is below it as well
        const auto floor = static_cast<std::int64_t>(scaled);                // scaled is positive
        double aboveMidpoint = (scaled - static_cast<double>(floor)) - 0.5;  // exact here
        if (std::fabs(aboveMidpoint) <= scaled * 0x1p-52) {
            aboveMidpoint += std::fma(magnitude, power, -scaled);
        }
        // Either way about as often, so computed rather than branched on.
        const bool up = (aboveMidpoint > 0) | ((aboveMidpoint == 0) & ((floor & 1) != 0));
        digits = static_cast<std::uint64_t>(floor) + (up ? 1 : 0);
    }
    // The rounded digits lie between the exact value's whole part and the next whole number,
    // both times 10^p: the whole part comes from the value, without a division.
    const std::uint64_t unit = kIntegerPowersOfTen[static_cast<std::size_t>(precision)];
    auto whole = static_cast<std::uint64_t>(static_cast<std::int64_t>(magnitude));
    auto fraction = static_cast<std::uint32_t>(digits - whole * unit);  // unit is below 2^32
    if (fraction == unit) {
        ++whole;
        fraction = 0;
    }
    *out = '-';  // kept only for a negative value
    char* p = writeWhole(out + (std::signbit(value) ? 1 : 0), whole);
    if (precision == 0) {
        return p;
    }
    // The fraction as nine digits, of which the first `precision` are kept.
    *p = '.';
    const std::uint32_t nine =
        fraction *
        static_cast<std::uint32_t>(kIntegerPowersOfTen[9 - static_cast<std::size_t>(precision)]);
    const std::uint32_t rest = nine % 1000000;
    putTriple(p + 1, nine / 1000000);
    putTriple(p + 4, rest / 1000);
    putTriple(p + 7, rest % 1000);
    return p + 1 + precision;
}

// Formatted text written at the end of the first `used` bytes of `buffer`; the bytes after
// them are room.
struct Output {
    std::string& buffer;
    std::size_t used;
    Growth growth;

    // Room for n more bytes; returns where they go.
    char* room(std::size_t n) { return roomIn(buffer, used, n, growth); }
    void put(const char* text, std::size_t n) {
        std::memcpy(room(n), text, n);
        used += n;
    }
};

// The C library's own formatting, for everything the conversions here do not cover.
void vprintfTo(Output& out, const char* format, std::va_list args) {
    std::va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (n <= 0) {
        return;
    }
    const auto length = static_cast<std::size_t>(n);
    std::vsnprintf(out.room(length + 1), length + 1, format, args);
    out.used += length;
}

void printfTo(Output& out, const char* format, ...) __attribute__((format(printf, 2, 3)));
void printfTo(Output& out, const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    vprintfTo(out, format, args);
    va_end(args);
}

void fixedTo(Output& out, double value, int precision) {
    char* const p = out.room(kNumberBytes);
    char* const end = precision >= 0 && precision <= 9 ? writeFixed(p, value, precision) : nullptr;
    if (end != nullptr) {
        out.used += static_cast<std::size_t>(end - p);
    } else {
        printfTo(out, "%.*f", precision, value);
    }
}

void integerTo(Output& out, int value) {
    char* const p = out.room(kNumberBytes);
    out.used += static_cast<std::size_t>(std::to_chars(p, p + kNumberBytes, value).ptr - p);
}

void textTo(Output& out, const char* text) {
    if (text == nullptr) {
        text = "(null)";
    }
    out.put(text, std::strlen(text));
}

// A width pads the text written since `start` on the left with blanks; %s counts bytes, as
// printf does.
void padLeft(Output& out, std::size_t start, int width) {
    const std::size_t written = out.used - start;
    if (written < static_cast<std::size_t>(width)) {
        const std::size_t pad = static_cast<std::size_t>(width) - written;
        out.room(pad);
        char* const s = out.buffer.data() + start;
        std::memmove(s + pad, s, written);
        std::memset(s, ' ', pad);
        out.used += pad;
    }
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

void formatTo(Output& out, const char* format, std::va_list args) {
    const char* p = format;
    while (*p != '\0') {
        const char* percent = std::strchr(p, '%');
        if (percent == nullptr) {
            out.put(p, std::strlen(p));
            return;
        }
        out.put(p, static_cast<std::size_t>(percent - p));
        Conversion c;
        const char* next = parseConversion(percent + 1, c);
        if (next == nullptr) {
            vprintfTo(out, percent, args);
            return;
        }
        const std::size_t start = out.used;
        switch (c.kind) {
            case '%':
                out.put("%", 1);
                break;
            case 'd':
            case 'i':
                integerTo(out, va_arg(args, int));
                break;
            case 's':
                textTo(out, va_arg(args, const char*));
                break;
            default:
                fixedTo(out, va_arg(args, double), c.precision < 0 ? 6 : c.precision);
                break;
        }
        padLeft(out, start, c.width);
        p = next;
    }
}

}  // namespace

void growRoom(std::string& buffer, std::size_t used, std::size_t n, Growth growth) {
    // A little more than asked, so that the next few pieces fit without growing again.
    std::size_t size = used + n + 64;
    if (growth == Growth::toCapacity) {
        size = std::max(size, buffer.capacity());
    }
    buffer.resize(size);
}

// The detail lines run through here tens of millions of times, so the text and the numbers
// are written through a pointer held in a local (which a character store cannot change, unlike
// a member), and the rare cases go through Output.
void formatPieces(std::string& buffer, std::size_t& used, const char* text,
                  const FormatPiece* pieces, std::size_t count, const FormatArgument* arguments) {
    char* p = buffer.data() + used;
    char* end = buffer.data() + buffer.size();
    const auto viaOutput = [&](auto write) {
        Output out{buffer, static_cast<std::size_t>(p - buffer.data()), Growth::toCapacity};
        write(out);
        p = buffer.data() + out.used;
        end = buffer.data() + buffer.size();
    };
    for (std::size_t i = 0; i < count; ++i) {
        const FormatPiece piece = pieces[i];
        // Room for the text before the conversion and a number after it.
        const std::size_t n = piece.literalLength;
        if (static_cast<std::size_t>(end - p) < n + kNumberBytes) {
            viaOutput([&](Output& out) { out.room(n + kNumberBytes); });
        }
        if (n == 1) {  // mostly a comma
            *p = *text;
        } else if (n != 0) {
            std::memcpy(p, text, n);
        }
        p += n;
        text += n + piece.conversionLength;
        const auto start = static_cast<std::size_t>(p - buffer.data());
        switch (piece.kind) {
            case 0:
                break;
            case 'd':
                p = std::to_chars(p, p + kNumberBytes, arguments[i].integer).ptr;
                break;
            case 's': {
                const char* const t = arguments[i].text;
                const std::size_t length = t != nullptr ? std::strlen(t) : 0;
                if (t != nullptr && static_cast<std::size_t>(end - p) >= length) {
                    std::memcpy(p, t, length);  // mostly a unit, "kN"
                    p += length;
                } else {
                    viaOutput([&](Output& out) { textTo(out, t); });
                }
                break;
            }
            default:
                if (char* const e = writeFixed(p, arguments[i].real, piece.precision)) {
                    p = e;
                } else {
                    viaOutput([&](Output& out) {
                        printfTo(out, "%.*f", piece.precision, arguments[i].real);
                    });
                }
                break;
        }
        if (piece.width != 0) {
            viaOutput([&](Output& out) { padLeft(out, start, piece.width); });
        }
    }
    used = static_cast<std::size_t>(p - buffer.data());
}

void appendFixed(std::string& out, double value, int precision) {
    Output output{out, out.size(), Growth::asNeeded};
    fixedTo(output, value, precision);
    out.resize(output.used);
}

void vappendf(std::string& out, const char* format, std::va_list args) {
    Output output{out, out.size(), Growth::asNeeded};
    formatTo(output, format, args);
    out.resize(output.used);
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
