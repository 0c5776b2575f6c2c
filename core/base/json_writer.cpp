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
    if (!levelEmpty_.back()) {
        out_ += ',';
    }
    out_ += '\n';
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
    // Runs of characters that need no escape, which is nearly all, are copied whole.
    const auto plain = [](char c) {
        return c != '"' && c != '\\' && static_cast<unsigned char>(c) >= 0x20;
    };
    while (!text.empty()) {
        std::size_t run = 0;
        while (run < text.size() && plain(text[run])) {
            ++run;
        }
        out_.append(text.data(), run);
        if (run == text.size()) {
            break;
        }
        const char c = text[run];
        text.remove_prefix(run + 1);
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
                constexpr char kHex[] = "0123456789abcdef";
                out_ += "\\u00";
                out_ += kHex[c >> 4];
                out_ += kHex[c & 0xF];
        }
    }
    out_ += '"';
}

}  // namespace kesto
