#include "base/text_lines.h"

#include <cstring>

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
    const std::size_t end = i + 1 < starts_.size() ? starts_[i + 1] : used_;
    return text().substr(starts_[i], end - kLineEnd.size() - starts_[i]);
}

void TextLines::clear() {
    used_ = 0;
    starts_.clear();
}

void TextLines::assign(const std::vector<std::string>& lines) {
    clear();
    for (const std::string& line : lines) {
        push_back(line);
    }
}

void TextLines::push_back(std::string_view line) {
    starts_.push_back(used_);
    char* const p = roomIn(text_, used_, line.size() + kLineEnd.size(), Growth::toCapacity);
    std::memcpy(p, line.data(), line.size());
    std::memcpy(p + line.size(), kLineEnd.data(), kLineEnd.size());
    used_ += line.size() + kLineEnd.size();
}

void TextLines::addFormatted(const char* text, const FormatPiece* pieces, std::size_t count,
                             const FormatArgument* arguments) {
    starts_.push_back(used_);
    formatPieces(text_, used_, text, pieces, count, arguments);
    std::memcpy(roomIn(text_, used_, kLineEnd.size(), Growth::toCapacity), kLineEnd.data(),
                kLineEnd.size());
    used_ += kLineEnd.size();
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
