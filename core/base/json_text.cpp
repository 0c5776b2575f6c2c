#include "base/json_text.h"

#include <vector>

#include "base/json_fields.h"
#include "base/text_format.h"

namespace kesto {
namespace {

using nlohmann::json;

// Deeper than any document or table file (a page's stress lists sit at depth 6).
constexpr std::size_t kMaxDepth = 32;

// Line and column (both from 1, the column in characters) of a byte offset.
std::string placeOf(std::string_view text, std::size_t offset) {
    offset = std::min(offset, text.size());
    std::size_t line = 1;
    std::size_t column = 1;
    for (std::size_t i = 0; i < offset; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\n') {
            ++line;
            column = 1;
        } else if ((c & 0xC0) != 0x80) {
            ++column;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

// The end of the text before `end`: at most `maxBytes`, whole characters, "…" when cut.
std::string excerptBefore(std::string_view text, std::size_t end, std::size_t maxBytes = 24) {
    std::size_t start = end > maxBytes ? end - maxBytes : 0;
    while (start < end && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) {
        ++start;
    }
    return (start > 0 ? "…" : "") + shortExcerpt(text.substr(start, end - start), maxBytes);
}

// The library's wording of a syntax error without its own place and without the text it read,
// which may be the whole rest of the file.
std::string problemOf(const nlohmann::detail::exception& e, const std::string& lastToken) {
    std::string message = e.what();
    if (const auto column = message.find("column "); column != std::string::npos) {
        if (const auto colon = message.find(": ", column); colon != std::string::npos) {
            message.erase(0, colon + 2);
        }
    } else if (const auto bracket = message.find("] "); bracket != std::string::npos) {
        message.erase(0, bracket + 2);
    }
    const std::string echo = "; last read: '" + lastToken + "'";
    if (const auto at = message.find(echo); at != std::string::npos) {
        message.erase(at, echo.size());
    }
    return message;
}

class TreeBuilder {
  public:
    TreeBuilder(std::string_view text, const std::string& source, const char* streamedMember,
                const JsonElementSink& sink)
        : text_(text), source_(source), streamedMember_(streamedMember), sink_(sink) {}

    json take() { return std::move(root_); }

    bool null() { return value(nullptr); }
    bool boolean(bool v) { return value(v); }
    bool number_integer(json::number_integer_t v) { return value(v); }
    bool number_unsigned(json::number_unsigned_t v) { return value(v); }
    bool number_float(json::number_float_t v, const std::string&) { return value(v); }
    bool string(std::string& v) { return value(std::move(v)); }
    bool binary(json::binary_t&) { return true; }  // JSON text holds no binary values
    bool start_object(std::size_t) { return open(json::object()); }
    bool start_array(std::size_t) { return open(json::array()); }
    bool key(std::string& k) {
        if (open_.back()->contains(k)) {
            refuse("the key \"" + shortExcerpt(k) + "\" appears twice");
        }
        key_ = std::move(k);
        return true;
    }
    bool end_object() { return close(); }
    bool end_array() { return close(); }

    bool parse_error(std::size_t position, const std::string& lastToken,
                     const nlohmann::detail::exception& e) {
        position = std::min(position, text_.size());
        std::string message;
        if (e.id == 406 && lastToken.size() <= position) {
            // A number too large: its own text came through, so the place is where it starts.
            const std::size_t start = position - lastToken.size();
            message = placeOf(text_, start) + ": not valid JSON: a number too large for a double" +
                      " at \"" + shortExcerpt(text_.substr(start)) + "\"";
        } else {
            message = placeOf(text_, position) + ": not valid JSON: " + problemOf(e, lastToken);
            if (position > 0) {
                message += " after \"" + excerptBefore(text_, position) + "\"";
            }
        }
        throw JsonInputError(source_ + ": " + message);
    }

  private:
    // Where the next value goes: the path of the open containers and the pending key.
    std::string pathText() const {
        std::string path;
        for (std::size_t i = 1; i < open_.size(); ++i) {
            const json& parent = *open_[i - 1];
            // The streamed array is kept empty: its open element is the next one to hand over.
            const std::size_t index = i == streamedDepth_ ? streamedCount_ : parent.size() - 1;
            path += parent.is_array() ? "[" + std::to_string(index) + "]"
                                      : (path.empty() ? "" : ".") + shortExcerpt(keys_[i]);
        }
        return path.empty() ? "document" : path;
    }

    [[noreturn]] void refuse(const std::string& problem) const {
        throw JsonInputError(source_ + ": " + pathText() + ": " + problem);
    }

    bool streaming() const { return streamedDepth_ != 0 && open_.size() == streamedDepth_; }

    json* place(json&& v) {
        if (open_.empty()) {
            root_ = std::move(v);
            return &root_;
        }
        json& parent = *open_.back();
        if (parent.is_array()) {
            parent.push_back(std::move(v));
            return &parent.back();
        }
        return &(parent[key_] = std::move(v));
    }

    bool value(json&& v) {
        place(std::move(v));
        handOver();
        return true;
    }

    bool open(json&& container) {
        if (open_.size() >= kMaxDepth) {
            refuse("nested deeper than " + std::to_string(kMaxDepth) + " levels");
        }
        const bool streamed = streamedMember_ != nullptr && open_.size() == 1 &&
                              open_[0]->is_object() && key_ == streamedMember_ &&
                              container.is_array();
        keys_.push_back(open_.empty() || open_.back()->is_array() ? std::string() : key_);
        open_.push_back(place(std::move(container)));
        if (streamed) {
            streamedDepth_ = open_.size();
        }
        return true;
    }

    bool close() {
        if (open_.size() == streamedDepth_) {
            streamedDepth_ = 0;
        }
        open_.pop_back();
        keys_.pop_back();
        handOver();
        return true;
    }

    // Passes a completed element of the streamed array to the sink and drops it.
    void handOver() {
        if (!streaming() || open_.back()->empty()) {
            return;
        }
        json& array = *open_.back();
        json element = std::move(array.back());
        array.erase(array.size() - 1);
        sink_(std::move(element), streamedCount_++, root_);
    }

    std::string_view text_;
    const std::string& source_;
    const char* streamedMember_;
    const JsonElementSink& sink_;
    json root_;
    std::vector<json*> open_;
    std::vector<std::string> keys_;
    std::string key_;
    std::size_t streamedDepth_ = 0;
    std::size_t streamedCount_ = 0;
};

}  // namespace

json readJsonText(std::string_view text, const std::string& source, const char* streamedMember,
                  const JsonElementSink& sink) {
    TreeBuilder builder(text, source, streamedMember, sink);
    json::sax_parse(text, &builder);
    return builder.take();
}

}  // namespace kesto
