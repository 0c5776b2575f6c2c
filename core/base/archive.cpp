#include "base/archive.h"

#include <bit>
#include <cmath>
#include <cstring>

#include "base/codepage.h"
#include "base/text_format.h"

namespace kesto {
namespace {

constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kClassTag = 0x8000;
constexpr std::uint16_t kBigObjectTag = 0x7FFF;
constexpr std::uint32_t kBigClassTag = 0x80000000u;
constexpr std::size_t kMaxClassName = 63;

std::string hexBytes(std::string_view bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::string s;
    for (std::size_t i = 0; i < bytes.size() && i < 8; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (!s.empty()) {
            s += ' ';
        }
        s += digits[b >> 4];
        s += digits[b & 15];
    }
    if (bytes.size() > 8) {
        s += " ...";
    }
    return s;
}

}  // namespace

ArchiveReader::ArchiveReader(std::string_view data, std::string source)
    : data_(data), source_(std::move(source)) {}

void ArchiveReader::fail(std::size_t at, const std::string& expected,
                         const std::string& problem) const {
    throw FileFormatError(source_ + ": byte offset " + std::to_string(at) + ": expected " +
                              expected + " (" + problem + ")",
                          source_, at);
}

void ArchiveReader::need(std::size_t n, const char* what) const {
    if (data_.size() - pos_ < n) {
        fail(pos_, what, "the file ends early");
    }
}

std::uint8_t ArchiveReader::readU8(const char* what) {
    need(1, what);
    return static_cast<std::uint8_t>(data_[pos_++]);
}

std::uint16_t ArchiveReader::readU16(const char* what) {
    need(2, what);
    const auto* p = reinterpret_cast<const unsigned char*>(data_.data() + pos_);
    pos_ += 2;
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t ArchiveReader::readU32(const char* what) {
    need(4, what);
    const auto* p = reinterpret_cast<const unsigned char*>(data_.data() + pos_);
    pos_ += 4;
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

unsigned ArchiveReader::checkedCode(unsigned code, const char* what, unsigned last,
                                    std::size_t size) const {
    if (code > last) {
        fail(pos_ - size, std::string(what) + " from 0 to " + std::to_string(last),
             "found " + std::to_string(code));
    }
    return code;
}

void ArchiveReader::real(double& v, const char* what) {
    ignoredReal(v, what);
    if (!std::isfinite(v)) [[unlikely]] {
        failNotFinite(v, what);
    }
}

void ArchiveReader::failNotFinite(double v, const char* what) const {
    fail(pos_ - 8, std::string("a finite number for ") + what,
         std::string("found ") + (std::isnan(v) ? "NaN" : "an infinity"));
}

void ArchiveReader::ignoredReal(double& v, const char* what) {
    need(8, what);
    // Stored little-endian; a page holds dozens of numbers, so on a little-endian machine they
    // are loaded whole.
    std::uint64_t bits = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&bits, data_.data() + pos_, sizeof bits);
    } else {
        for (int i = 7; i >= 0; --i) {
            bits =
                (bits << 8) | static_cast<unsigned char>(data_[pos_ + static_cast<std::size_t>(i)]);
        }
    }
    pos_ += 8;
    std::memcpy(&v, &bits, sizeof v);
}

void ArchiveReader::text(std::string& v, const char* what) {
    const std::size_t start = pos_;
    // Built only for a message: every field of every page passes here.
    const auto expected = [what] { return std::string("string ") + what; };
    bool wide = false;
    std::size_t length = readU8(what);
    if (length == 0xFF) {
        length = readU16(what);
        if (length == 0xFFFE) {
            // A wide string: its own length prefix follows, counting 16-bit units.
            wide = true;
            length = readU8(what);
            if (length == 0xFF) {
                length = readU16(what);
            }
        }
        if (length == 0xFFFF) {
            length = readU32(what);
        }
    }
    const std::size_t bytes = wide ? length * 2 : length;
    if (data_.size() - pos_ < bytes) {
        fail(start, expected(),
             "its length " + std::to_string(length) + " runs past the end of the file");
    }
    const std::string_view raw = data_.substr(pos_, bytes);
    const auto failNotCp932 = [&] {
        fail(start, expected(),
             "the text is not valid code page 932 and could not be kept byte for byte: " +
                 hexBytes(raw));
    };
    // ASCII and texts decoded before are assigned straight to `v`: a page read into again and
    // again keeps its room.
    if (wide) {
        std::optional<std::string> decoded = decodeUtf16le(raw);
        if (!decoded) {
            failNotCp932();
        }
        if (!encodeCp932(*decoded)) {
            fail(start, expected(), "a wide string holds a character without a code page 932 code");
        }
        v = std::move(*decoded);
    } else if (isAscii(raw)) {
        v.assign(raw);
    } else if (const auto known = decodedTexts_.find(raw); known != decodedTexts_.end()) {
        v = known->second;
    } else {
        std::optional<std::string> decoded = decodeCp932(raw);
        if (!decoded) {
            failNotCp932();
        }
        constexpr std::size_t kKeptTexts = 1024;
        if (decodedTexts_.size() < kKeptTexts) {
            decodedTexts_.emplace(raw, *decoded);
        }
        v = std::move(*decoded);
    }
    pos_ += bytes;
}

std::size_t ArchiveReader::readCount(const char* what, std::size_t minBytes) {
    const std::size_t start = pos_;
    std::size_t n = readU16(what);
    if (n == 0xFFFF) {
        n = readU32(what);
    }
    if (n > (data_.size() - pos_) / minBytes) {
        fail(start, std::string("count of ") + what,
             "a count of " + std::to_string(n) + " cannot fit in the " +
                 std::to_string(data_.size() - pos_) + " bytes left");
    }
    return n;
}

void ArchiveReader::strings(std::vector<std::string>& v, const char* what) {
    const std::size_t n = readCount(what, 1);
    v.clear();
    v.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        text(v.emplace_back(), what);
    }
}

void ArchiveReader::skipStrings(const char* what) {
    const std::size_t n = readCount(what, 1);
    std::string scratch;
    for (std::size_t i = 0; i < n; ++i) {
        text(scratch, what);
    }
}

void ArchiveReader::readObjectTag(const char* className) {
    const std::size_t start = pos_;
    const auto expected = [className] { return std::string("a record of class ") + className; };
    const std::uint16_t tag = readU16(className);
    std::uint32_t classIndex = 0;
    if (tag == kNewClassTag) {
        const std::uint16_t schema = readU16("schema");
        const std::uint16_t length = readU16("class name length");
        if (length > kMaxClassName) {
            fail(start, expected(),
                 "class name of " + std::to_string(length) + " bytes, at most 63 are allowed");
        }
        need(length, "class name");
        const std::string name(data_.substr(pos_, length));
        pos_ += length;
        if (name != className) {
            fail(start, expected(), "found class \"" + name + "\"");
        }
        if (schema != 0) {
            fail(start, expected(), "schema " + std::to_string(schema) + ", only 0 is known");
        }
        classes_.emplace(mapCount_++, className);
    } else {
        if (tag == kBigObjectTag) {
            const std::uint32_t big = readU32(className);
            if ((big & kBigClassTag) == 0) {
                fail(start, expected(), "a reference to the earlier object " + std::to_string(big));
            }
            classIndex = big & ~kBigClassTag;
        } else if (tag & kClassTag) {
            classIndex = tag & ~kClassTag;
        } else if (tag == 0) {
            fail(start, expected(), "an empty object reference");
        } else {
            fail(start, expected(), "a reference to the earlier object " + std::to_string(tag));
        }
        const auto known = classes_.find(classIndex);
        if (known == classes_.end()) {
            fail(start, expected(), "unknown class index " + std::to_string(classIndex));
        }
        if (known->second != className) {
            fail(start, expected(), "found class \"" + std::string(known->second) + "\"");
        }
    }
    ++mapCount_;  // the object itself takes the next index
}

ArchiveWriter::ArchiveWriter(std::string source) : source_(std::move(source)) {}

void ArchiveWriter::writeU16(std::uint16_t v) {
    out_.push_back(static_cast<char>(v & 0xFF));
    out_.push_back(static_cast<char>(v >> 8));
}

void ArchiveWriter::writeU32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        out_.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
}

void ArchiveWriter::real(double v, const char*) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &v, sizeof v);
    for (int i = 0; i < 8; ++i) {
        out_.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
    }
}

void ArchiveWriter::writeRawString(std::string_view bytes) {
    const std::size_t n = bytes.size();
    if (n < 0xFF) {
        writeU8(static_cast<std::uint8_t>(n));
    } else if (n < 0xFFFE) {
        writeU8(0xFF);
        writeU16(static_cast<std::uint16_t>(n));
    } else {
        writeU8(0xFF);
        writeU16(0xFFFF);
        writeU32(static_cast<std::uint32_t>(n));
    }
    out_.append(bytes);
}

void ArchiveWriter::text(const std::string& v, const char* what) {
    const auto encoded = encodeCp932(v);
    if (!encoded) {
        throw FileFormatError(source_ + ": the text of " + what + " (\"" + shortExcerpt(v) +
                              "\") has a character that code page 932 cannot hold");
    }
    writeRawString(*encoded);
}

void ArchiveWriter::strings(const std::vector<std::string>& v, const char* what) {
    writeCount(v.size());
    for (const auto& s : v) {
        text(s, what);
    }
}

void ArchiveWriter::writeCount(std::size_t n) {
    if (n < 0xFFFF) {
        writeU16(static_cast<std::uint16_t>(n));
    } else {
        writeU16(0xFFFF);
        writeU32(static_cast<std::uint32_t>(n));
    }
}

void ArchiveWriter::writeObjectTag(const char* className) {
    std::uint32_t classIndex = 0;
    bool known = false;
    for (const auto& [name, index] : classes_) {
        if (name == className) {
            classIndex = index;
            known = true;
        }
    }
    if (!known) {
        const std::string_view name(className);
        writeU16(kNewClassTag);
        writeU16(0);
        writeU16(static_cast<std::uint16_t>(name.size()));
        out_.append(name);
        classes_.emplace_back(std::string(name), mapCount_++);
    } else if (classIndex < kBigObjectTag) {
        writeU16(static_cast<std::uint16_t>(kClassTag | classIndex));
    } else {
        writeU16(kBigObjectTag);
        writeU32(kBigClassTag | classIndex);
    }
    ++mapCount_;
}

std::pair<std::string, std::string> splitSignature(const std::string& signature) {
    const auto blank = signature.find(' ');
    if (blank == std::string::npos || blank == 0) {
        return {std::string(), signature};
    }
    return {signature.substr(0, blank), signature.substr(blank + 1)};
}

}  // namespace kesto
