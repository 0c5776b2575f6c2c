#include "base/codepage.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace kesto {
namespace {

bool isAscii(std::string_view s) {
    return std::all_of(s.begin(), s.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

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

}  // namespace

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
    if (isAscii(utf8)) {
        return std::string(utf8);
    }
    return toCp932().convert(utf8);
}

std::optional<std::string> decodeUtf16le(std::string_view bytes) {
    static thread_local Converter c("UTF-8", "UTF-16LE");
    return c.convert(bytes);
}

std::size_t cp932Length(std::string_view utf8) {
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

}  // namespace kesto
