#include "base/codepage.h"

#include <iconv.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <vector>

namespace kesto {
namespace {

// One conversion descriptor per direction and thread, opened on first use: iconv_open is
// far dearer than a conversion, and a document holds hundreds of thousands of strings.
class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) {
            iconv_close(cd_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    std::optional<std::string> convert(std::string_view in) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            return std::nullopt;
        }
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::string out(in.size() * 4 + 8, '\0');
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char* dst = out.data();
        std::size_t dstLeft = out.size();
        while (srcLeft > 0) {
            if (iconv(cd_, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1)) {
                if (errno != E2BIG) {
                    return std::nullopt;
                }
                const std::size_t used = out.size() - dstLeft;
                out.resize(out.size() * 2);
                dst = out.data() + used;
                dstLeft = out.size() - used;
            }
        }
        out.resize(out.size() - dstLeft);
        return out;
    }

  private:
    iconv_t cd_;
};

Converter& fromCp932() {
    thread_local Converter c("UTF-8", "CP932");
    return c;
}

Converter& toCp932() {
    thread_local Converter c("CP932", "UTF-8");
    return c;
}

// A character of a UTF-8 text: its code point and its length in bytes.
struct Utf8Char {
    char32_t codePoint = 0;
    std::size_t length = 0;  // 0: not a well-formed character of two or three bytes
};

// The two- or three-byte character at text[i]; anything else (four bytes, overlong forms,
// surrogates, stray or missing continuation bytes) has length 0 and is left to iconv.
// Inlined: the detail file encodes tens of millions of such characters.
[[gnu::always_inline]] inline Utf8Char bmpCharAt(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
    const auto continuation = [&](std::size_t k) {
        return i + k < text.size() && (byte(k) & 0xC0) == 0x80;
    };
    const unsigned char lead = byte(0);
    if (lead >= 0xC2 && lead < 0xE0 && continuation(1)) {
        return {static_cast<char32_t>((lead & 0x1F) << 6 | (byte(1) & 0x3F)), 2};
    }
    if (lead >= 0xE0 && lead < 0xF0 && continuation(1) && continuation(2)) {
        const auto cp =
            static_cast<char32_t>((lead & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F));
        if (cp >= 0x800 && (cp < 0xD800 || cp > 0xDFFF)) {
            return {cp, 3};
        }
    }
    return {};
}

// The code page 932 codes of the characters of the Basic Multilingual Plane (code page 932 has
// none beyond it), asked of iconv once per character and thread. Stored text is mostly ASCII
// and a few hundred other characters, and a lookup costs a small part of an iconv call.
class EncodeTable {
  public:
    // An entry is a code of one byte (kOneByte | byte) or two (lead byte << 8 | trail byte,
    // the lead byte 0x81 or above), or one of the markers.
    static constexpr std::uint16_t kOneByte = 0x100;
    static constexpr std::uint16_t kTwoBytes = 0x200;
    static constexpr std::uint16_t kIrregular = 0xFFFE;  // an answer no entry can hold
    static constexpr std::uint16_t kNoCode = 0xFFFF;

    // The entry of `ch`, whose UTF-8 form is `utf8`.
    std::uint16_t entry(Utf8Char ch, std::string_view utf8) {
        std::uint16_t& e = codes_[ch.codePoint];
        if (e == kUnknown) {
            e = ask(utf8);
        }
        return e;
    }
    static std::size_t length(std::uint16_t code) { return code < kTwoBytes ? 1 : 2; }

  private:
    static constexpr std::uint16_t kUnknown = 0;

    static std::uint16_t ask(std::string_view utf8) {
        const auto code = toCp932().convert(utf8);
        if (!code) {
            return kNoCode;
        }
        const auto byte = [&](std::size_t k) { return static_cast<unsigned char>((*code)[k]); };
        if (code->size() == 1) {
            return static_cast<std::uint16_t>(kOneByte | byte(0));
        }
        if (code->size() == 2) {
            const auto value = static_cast<std::uint16_t>(byte(0) << 8 | byte(1));
            if (value >= kTwoBytes && value < kIrregular) {
                return value;
            }
        }
        return kIrregular;
    }

    std::vector<std::uint16_t> codes_ = std::vector<std::uint16_t>(0x10000, kUnknown);
};

EncodeTable& encodeTable() {
    thread_local EncodeTable table;
    return table;
}

// The index of the first byte of a word (in memory order) whose high bit `high` marks.
std::size_t firstHighByte(std::uint64_t high) {
    if constexpr (std::endian::native == std::endian::little) {
        return static_cast<std::size_t>(std::countr_zero(high)) / 8;
    } else {
        return static_cast<std::size_t>(std::countl_zero(high)) / 8;
    }
}

}  // namespace

// Whatever the table cannot answer goes to iconv whole, which then decides.
bool appendCp932(std::string& out, std::string_view utf8) {
    // Code page 932 never takes more bytes than UTF-8: room for all of it, trimmed at the end.
    const std::size_t start = out.size();
    out.resize(start + utf8.size());
    char* dst = out.data() + start;
    EncodeTable& table = encodeTable();
    for (std::size_t i = 0; i < utf8.size();) {
        // Most of a detail file is ASCII: eight bytes are copied at once, and where a character
        // of more bytes follows, the ASCII bytes before it (the others are written over).
        if (std::uint64_t word = 0; utf8.size() - i >= sizeof word) {
            std::memcpy(&word, utf8.data() + i, sizeof word);
            std::memcpy(dst, &word, sizeof word);  // room: dst never passes the UTF-8 position
            const std::uint64_t high = word & 0x8080808080808080u;
            const std::size_t ascii = high == 0 ? sizeof word : firstHighByte(high);
            dst += ascii;
            i += ascii;
            if (ascii != 0) {
                continue;
            }
        }
        if (static_cast<unsigned char>(utf8[i]) < 0x80) {
            *dst++ = utf8[i++];
            continue;
        }
        const Utf8Char ch = bmpCharAt(utf8, i);
        const std::uint16_t code =
            ch.length == 0 ? EncodeTable::kIrregular : table.entry(ch, utf8.substr(i, ch.length));
        if (code == EncodeTable::kNoCode || code == EncodeTable::kIrregular) {
            out.resize(start);
            if (code == EncodeTable::kNoCode) {
                return false;
            }
            auto whole = toCp932().convert(utf8);
            out += whole.value_or(std::string());
            return whole.has_value();
        }
        if (code >= EncodeTable::kTwoBytes) {
            *dst++ = static_cast<char>(code >> 8);
        }
        *dst++ = static_cast<char>(code & 0xFF);
        i += ch.length;
    }
    out.resize(static_cast<std::size_t>(dst - out.data()));
    return true;
}

bool isAscii(std::string_view s) {
    return std::all_of(s.begin(), s.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::optional<std::string> decodeCp932(std::string_view bytes) {
    if (isAscii(bytes)) {
        return std::string(bytes);
    }
    auto text = fromCp932().convert(bytes);
    if (!text) {
        return std::nullopt;
    }
    auto back = toCp932().convert(*text);
    if (!back || *back != bytes) {
        return std::nullopt;
    }
    return text;
}

std::optional<std::string> encodeCp932(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    if (!appendCp932(out, utf8)) {
        return std::nullopt;
    }
    return out;
}

std::optional<std::string> decodeUtf16le(std::string_view bytes) {
    static thread_local Converter c("UTF-8", "UTF-16LE");
    return c.convert(bytes);
}

namespace {

// cp932Length for a text with bytes the table does not answer, character by character through
// iconv.
std::size_t lengthThroughIconv(std::string_view utf8) {
    if (auto encoded = encodeCp932(utf8)) {
        return encoded->size();
    }
    std::size_t n = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        const std::size_t len = utf8SequenceLength(c);
        const std::string_view ch = utf8.substr(i, len);
        auto e = encodeCp932(ch);
        n += e ? e->size() : 1;
        i += len;
    }
    return n;
}

}  // namespace

std::size_t cp932Length(std::string_view utf8) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        if (static_cast<unsigned char>(utf8[i]) < 0x80) {
            ++n;
            ++i;
            continue;
        }
        const Utf8Char ch = bmpCharAt(utf8, i);
        const std::uint16_t code = ch.length == 0
                                       ? EncodeTable::kIrregular
                                       : encodeTable().entry(ch, utf8.substr(i, ch.length));
        if (code == EncodeTable::kIrregular) {
            return lengthThroughIconv(utf8);
        }
        n += code == EncodeTable::kNoCode ? 1 : EncodeTable::length(code);
        i += ch.length;
    }
    return n;
}

}  // namespace kesto
