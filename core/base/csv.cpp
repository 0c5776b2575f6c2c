#include "base/csv.h"

#include <charconv>
#include <cmath>

#include "base/codepage.h"

namespace kesto {
namespace {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        int more = 0;
        unsigned min = 0;
        unsigned code = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            more = 1, min = 0x80, code = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            more = 2, min = 0x800, code = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            more = 3, min = 0x10000, code = c & 0x07;
        } else {
            return false;
        }
        if (s.size() - i <= static_cast<std::size_t>(more)) {
            return false;
        }
        for (int k = 1; k <= more; ++k) {
            const auto t = static_cast<unsigned char>(s[i + k]);
            if ((t & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (t & 0x3F);
        }
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        i += more + 1;
    }
    return true;
}

bool isLineBreak(char c) {
    return c == '\n' || c == '\r';
}

// The first line of code page 932 bytes that does not decode; line breaks never occur inside
// a double-byte character, so the bytes can be cut at them.
int firstBadCp932Line(std::string_view bytes) {
    int line = 1;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= bytes.size(); ++i) {
        if (i < bytes.size() && !isLineBreak(bytes[i])) {
            continue;
        }
        if (!decodeCp932(bytes.substr(start, i - start))) {
            return line;
        }
        if (i < bytes.size() && bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            ++i;
        }
        ++line;
        start = i + 1;
    }
    return line;
}

// A tab outside quotes in the first line that holds anything but blanks.
char detectSeparator(std::string_view text) {
    bool quoted = false;
    bool content = false;
    for (char c : text) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == '\t') {
            return '\t';
        } else if (!quoted && isLineBreak(c) && content) {
            break;
        }
        content = content || (c != ' ' && !isLineBreak(c));
    }
    return ',';
}

class CsvReader {
  public:
    explicit CsvReader(std::string_view text) : s_(text) { table_.separator = detectSeparator(s_); }

    CsvTable read() {
        while (pos_ < s_.size()) {
            readRecord();
        }
        return std::move(table_);
    }

  private:
    bool isBlank(char c) const { return c == ' ' || (c == '\t' && table_.separator != '\t'); }
    bool atFieldEnd() const {
        return pos_ >= s_.size() || s_[pos_] == table_.separator || isLineBreak(s_[pos_]);
    }
    void skipBlanks() {
        while (pos_ < s_.size() && isBlank(s_[pos_])) {
            ++pos_;
        }
    }
    // Consumes one line break (CR LF, LF or CR) at pos_, if there is one.
    bool takeLineBreak() {
        if (pos_ >= s_.size() || !isLineBreak(s_[pos_])) {
            return false;
        }
        if (s_[pos_] == '\r' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '\n') {
            ++pos_;
        }
        ++pos_;
        ++line_;
        return true;
    }
    void skipRestOfLine() {
        while (pos_ < s_.size() && !isLineBreak(s_[pos_])) {
            ++pos_;
        }
    }

    // A quoted field from the opening quote on; false when the quote is never closed.
    bool readQuoted(std::string& field) {
        ++pos_;
        while (pos_ < s_.size()) {
            const char c = s_[pos_];
            if (c == '"') {
                if (pos_ + 1 < s_.size() && s_[pos_ + 1] == '"') {
                    field += '"';
                    pos_ += 2;
                    continue;
                }
                ++pos_;
                return true;
            }
            if (c == '\n' || (c == '\r' && (pos_ + 1 >= s_.size() || s_[pos_ + 1] != '\n'))) {
                ++line_;
            }
            field += c;
            ++pos_;
        }
        return false;
    }

    void readRecord() {
        CsvRecord record;
        record.line = line_;
        bool malformed = false;
        for (;;) {
            std::string field;
            skipBlanks();
            if (pos_ < s_.size() && s_[pos_] == '"') {
                if (!readQuoted(field)) {
                    table_.problems.push_back({record.line, CsvProblem::unclosedQuote});
                    return;
                }
                skipBlanks();
                if (!atFieldEnd() && !malformed) {
                    table_.problems.push_back({record.line, CsvProblem::textAfterQuote});
                    malformed = true;
                    skipRestOfLine();
                }
            } else {
                const std::size_t start = pos_;
                while (!atFieldEnd()) {
                    ++pos_;
                }
                std::size_t end = pos_;
                while (end > start && isBlank(s_[end - 1])) {
                    --end;
                }
                field.assign(s_.substr(start, end - start));
            }
            record.fields.push_back(std::move(field));
            if (pos_ < s_.size() && s_[pos_] == table_.separator) {
                ++pos_;
                continue;
            }
            takeLineBreak();
            break;
        }
        bool empty = true;
        for (const auto& f : record.fields) {
            empty = empty && f.empty();
        }
        if (!malformed && !empty) {
            table_.records.push_back(std::move(record));
        }
    }

    std::string_view s_;
    std::size_t pos_ = 0;
    int line_ = 1;
    CsvTable table_;
};

}  // namespace

SpreadsheetText decodeSpreadsheetText(std::string_view bytes) {
    SpreadsheetText out;
    if (bytes.starts_with(kUtf8Bom)) {
        bytes.remove_prefix(kUtf8Bom.size());
        if (isValidUtf8(bytes)) {
            out.utf8 = std::string(bytes);
        } else {
            // A byte-order mark promises UTF-8: find the first line that breaks the promise.
            int line = 1;
            std::size_t start = 0;
            for (std::size_t i = 0; i <= bytes.size(); ++i) {
                if (i == bytes.size() || bytes[i] == '\n') {
                    if (!isValidUtf8(bytes.substr(start, i - start))) {
                        out.badLine = line;
                        break;
                    }
                    ++line;
                    start = i + 1;
                }
            }
        }
        return out;
    }
    if (isValidUtf8(bytes)) {
        out.utf8 = std::string(bytes);
        return out;
    }
    out.utf8 = decodeCp932(bytes);
    if (!out.utf8) {
        out.badLine = firstBadCp932Line(bytes);
    }
    return out;
}

CsvTable parseCsv(std::string_view utf8) {
    return CsvReader(utf8).read();
}

std::string csvField(std::string_view text, char separator) {
    const bool needsQuotes =
        text.find_first_of(std::string{'"', '\r', '\n', separator}) != std::string_view::npos ||
        (!text.empty() && (text.front() == ' ' || text.back() == ' ' || text.front() == '\t' ||
                           text.back() == '\t'));
    if (!needsQuotes) {
        return std::string(text);
    }
    std::string out = "\"";
    for (char c : text) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    return out + "\"";
}

std::string exactNumberText(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::optional<double> parseNumberField(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    if (text.starts_with('+')) {
        text.remove_prefix(1);
        if (text.starts_with('-')) {
            return std::nullopt;
        }
    }
    double value = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (text.empty() || result.ec != std::errc() || result.ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace kesto
