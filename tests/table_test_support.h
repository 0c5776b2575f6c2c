// Hand encoding of archive bytes for the table-file tests, independent of the archive writer.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "base/codepage.h"

namespace kesto::testing {

class Bytes {
  public:
    Bytes& u8(std::uint8_t v) {
        s_.push_back(static_cast<char>(v));
        return *this;
    }
    Bytes& u16(std::uint16_t v) { return u8(v & 0xFF).u8(v >> 8); }
    Bytes& u32(std::uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
    Bytes& real(double v) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &v, sizeof v);
        for (int i = 0; i < 8; ++i) {
            u8(static_cast<std::uint8_t>(bits >> (8 * i)));
        }
        return *this;
    }
    // A short string (below 255 bytes once in code page 932).
    Bytes& str(std::string_view utf8) {
        const std::string raw = *encodeCp932(utf8);
        u8(static_cast<std::uint8_t>(raw.size()));
        s_ += raw;
        return *this;
    }
    Bytes& newClass(std::string_view name) {
        u16(0xFFFF).u16(0).u16(static_cast<std::uint16_t>(name.size()));
        s_ += name;
        return *this;
    }
    Bytes& raw(std::string_view bytes) {
        s_ += bytes;
        return *this;
    }
    const std::string& str() const { return s_; }

  private:
    std::string s_;
};

}  // namespace kesto::testing
