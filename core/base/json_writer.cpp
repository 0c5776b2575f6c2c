#include "base/json_writer.h"

#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>

namespace kesto {

void JsonWriter::indent() {
    out_.append(2 * levelEmpty_.size(), ' ');
}

void JsonWriter::startValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (levelEmpty_.empty()) {
        return;
    }
    out_ += levelEmpty_.back() ? "\n" : ",\n";
    levelEmpty_.back() = false;
    indent();
}

void JsonWriter::begin(char bracket) {
    startValue();
    out_ += bracket;
    levelEmpty_.push_back(true);
}

void JsonWriter::end(char bracket) {
    const bool empty = levelEmpty_.back();
    levelEmpty_.pop_back();
    if (!empty) {
        out_ += '\n';
        indent();
    }
    out_ += bracket;
}

void JsonWriter::key(std::string_view name) {
    value(name);
    out_ += ": ";
    afterKey_ = true;
}

void JsonWriter::value(double v) {
    startValue();
    if (!std::isfinite(v)) {
        out_ += "null";
        return;
    }
    // The library's own conversion (Grisu2), so that every digit matches its dump.
    char buffer[64];
    char* end = nlohmann::detail::to_chars(buffer, buffer + sizeof buffer, v);
    out_.append(buffer, static_cast<std::size_t>(end - buffer));
}

void JsonWriter::value(long long v) {
    startValue();
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
    out_.append(buffer, static_cast<std::size_t>(result.ptr - buffer));
}

void JsonWriter::value(std::string_view text) {
    startValue();
    out_ += '"';
    for (const char c : text) {
        switch (c) {
            case '"':
                out_ += "\\\"";
                break;
            case '\\':
                out_ += "\\\\";
                break;
            case '\b':
                out_ += "\\b";
                break;
            case '\f':
                out_ += "\\f";
                break;
            case '\n':
                out_ += "\\n";
                break;
            case '\r':
                out_ += "\\r";
                break;
            case '\t':
                out_ += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    constexpr char kHex[] = "0123456789abcdef";
                    out_ += "\\u00";
                    out_ += kHex[c >> 4];
                    out_ += kHex[c & 0xF];
                } else {
                    out_ += c;
                }
        }
    }
    out_ += '"';
}

}  // namespace kesto
