// A printf format read when the program is compiled rather than each time it is used. The
// detail lines of a large building are formatted tens of millions of times from a hundred or so
// literal formats; reading each format again on every line (finding its conversions, taking the
// arguments through a va_list) cost as much as making the digits. The compiler also checks the
// arguments against the conversions, as it does for printf.
//
// Only the conversions the detail lines use are accepted: %f with an optional precision of at
// most 9, %d and %s, each with an optional width. The bytes written are those of printf.
#pragma once

#include <array>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>

namespace kesto {

// The text before a conversion, then the conversion.
struct FormatPiece {
    std::uint16_t literalLength = 0;
    std::uint8_t conversionLength = 0;  // the bytes of "%6.3f", skipped
    char kind = 0;                      // 'f', 'd', 's', or 0 for the text after the last one
    std::uint8_t width = 0;
    std::uint8_t precision = 6;
};

// One argument, as its conversion reads it.
union FormatArgument {
    double real;
    int integer;
    const char* text;
};

// Called, and so not a constant expression, only for a format the program must not compile.
void formatNotAccepted(const char* why);

template <typename... Args>
class CheckedFormat {
  public:
    // Implicit, so that a call passes its literal format as it would to printf.
    template <typename Text>
    requires std::convertible_to<const Text&, const char*>
    consteval CheckedFormat(const Text& format) : text_(format) {
        const char* p = text_;
        std::size_t piece = 0;
        const char* literal = p;
        for (;; ++p) {
            if (*p != '%' && *p != '\0') {
                continue;
            }
            if (piece > sizeof...(Args)) {
                formatNotAccepted("more conversions than arguments");
            }
            FormatPiece& f = pieces_[piece];
            f.literalLength = checkedLength(p - literal, 65535);
            if (*p == '\0') {
                break;
            }
            const char* const start = p++;
            int width = 0;
            while (*p >= '0' && *p <= '9') {
                width = width * 10 + (*p++ - '0');
            }
            if (start[1] == '0' || width > 255) {
                formatNotAccepted("a zero flag or a width over 255");
            }
            f.width = static_cast<std::uint8_t>(width);
            if (*p == '.') {
                ++p;
                if (*p < '0' || *p > '9') {
                    formatNotAccepted("a precision without digits");
                }
                f.precision = static_cast<std::uint8_t>(*p++ - '0');
                if (*p >= '0' && *p <= '9') {
                    formatNotAccepted("a precision over 9");
                }
                if (*p != 'f') {
                    formatNotAccepted("a precision on a conversion other than %f");
                }
            }
            f.kind = *p;
            if (f.kind != 'f' && f.kind != 'd' && f.kind != 's') {
                formatNotAccepted("a conversion other than %f, %d and %s");
            }
            f.conversionLength = checkedLength(p + 1 - start, 255);
            literal = p + 1;
            ++piece;
        }
        if (piece != sizeof...(Args)) {
            formatNotAccepted("fewer conversions than arguments");
        }
        [[maybe_unused]] std::size_t i = 0;
        (checkArgument<Args>(pieces_[i++].kind), ...);
    }

    const char* text() const { return text_; }
    const std::array<FormatPiece, sizeof...(Args) + 1>& pieces() const { return pieces_; }

  private:
    static consteval std::uint16_t checkedLength(std::ptrdiff_t n, std::ptrdiff_t limit) {
        if (n > limit) {
            formatNotAccepted("a text too long between two conversions");
        }
        return static_cast<std::uint16_t>(n);
    }
    template <typename Arg>
    static consteval void checkArgument(char kind) {
        using T = std::remove_cvref_t<Arg>;
        const bool fits = kind == 'f'   ? std::floating_point<T>
                          : kind == 'd' ? std::integral<T> && sizeof(T) <= sizeof(int)
                                        : std::convertible_to<const Arg&, const char*>;
        if (!fits) {
            formatNotAccepted("an argument of another type than its conversion takes");
        }
    }

    const char* text_;
    std::array<FormatPiece, sizeof...(Args) + 1> pieces_{};
};

template <typename Arg>
FormatArgument formatArgument(const Arg& arg) {
    using T = std::remove_cvref_t<Arg>;
    FormatArgument a{};
    if constexpr (std::floating_point<T>) {
        a.real = static_cast<double>(arg);
    } else if constexpr (std::integral<T>) {
        a.integer = static_cast<int>(arg);  // as printf reads an int it is given
    } else {
        a.text = arg;
    }
    return a;
}

// Formats `text` by its pieces at `used` in `buffer`, whose bytes past `used` are room (it
// grows to its capacity at least), and moves `used` past the text.
void formatPieces(std::string& buffer, std::size_t& used, const char* text,
                  const FormatPiece* pieces, std::size_t count, const FormatArgument* arguments);

}  // namespace kesto
