// JSON written value by value, laid out byte for byte as the JSON library's dump(2) lays out
// the same tree: a large building's results are streamed instead of built as a tree first.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kesto {

class JsonWriter {
  public:
    // Appends to `out`, which the caller may empty between values to pass the text on.
    explicit JsonWriter(std::string& out) : out_(out) {}

    void beginObject() { begin('{'); }
    void endObject() { end('}'); }
    void beginArray() { begin('['); }
    void endArray() { end(']'); }
    // The name of the next member of the open object.
    void key(std::string_view name);

    // Numbers as the library writes them: the shortest form that reads back to the same
    // double ("null" when not finite), whole numbers without a point.
    void value(double v);
    void value(long long v);
    void value(int v) { value(static_cast<long long>(v)); }
    void value(unsigned char v) { value(static_cast<long long>(v)); }
    // Texts are UTF-8; quotes, backslashes and control characters are escaped.
    void value(std::string_view text);
    void value(const std::string& text) { value(std::string_view(text)); }
    void value(const char* text) { value(std::string_view(text)); }

    template <class T, std::size_t N>
    void value(const std::array<T, N>& values) {
        beginArray();
        for (const T& v : values) {
            value(v);
        }
        endArray();
    }
    template <class T>
    void value(const std::vector<T>& values) {
        beginArray();
        for (const T& v : values) {
            value(v);
        }
        endArray();
    }

  private:
    void begin(char bracket);
    void end(char bracket);
    // The line break and indentation before a value, unless it follows its key.
    void startValue();
    void indent();

    std::string& out_;
    std::vector<bool> levelEmpty_;  // per open object or array: nothing written in it yet
    bool afterKey_ = false;
};

}  // namespace kesto
