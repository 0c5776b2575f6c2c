#include "base/text_lines.h"

#include "base/text_format.h"

namespace kesto {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

TextLines::TextLines(std::initializer_list<std::string_view> lines) {
    for (const std::string_view line : lines) {
        push_back(line);
    }
}

std::string_view TextLines::operator[](std::size_t i) const {
    const std::size_t end = i + 1 < starts_.size() ? starts_[i + 1] : text_.size();
    return std::string_view(text_).substr(starts_[i], end - kLineEnd.size() - starts_[i]);
}

void TextLines::clear() {
    text_.clear();
    starts_.clear();
}

void TextLines::assign(const std::vector<std::string>& lines) {
    clear();
    for (const std::string& line : lines) {
        push_back(line);
    }
}

void TextLines::push_back(std::string_view line) {
    starts_.push_back(text_.size());
    text_ += line;
    text_ += kLineEnd;
}

void TextLines::addf(const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    vaddf(format, args);
    va_end(args);
}

void TextLines::vaddf(const char* format, std::va_list args) {
    starts_.push_back(text_.size());
    vappendf(text_, format, args);
    text_ += kLineEnd;
}

bool operator==(const TextLines& lines, const std::vector<std::string>& v) {
    if (lines.size() != v.size()) {
        return false;
    }
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (lines[i] != v[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace kesto
