// Lines of text kept end to end in one buffer, each followed by the CR LF that ends it in a
// stored text file. The calculation detail of a large building runs to tens of millions of
// lines: one buffer spares an allocation per line, and the buffer is already the file's text,
// ready to be encoded in large blocks.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "base/checked_format.h"

namespace kesto {

class TextLines {
  public:
    class Iterator {
      public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string_view;

        Iterator() = default;
        Iterator(const TextLines* lines, std::size_t index) : lines_(lines), index_(index) {}
        std::string_view operator*() const { return (*lines_)[index_]; }
        std::string_view operator[](difference_type n) const { return *(*this + n); }
        Iterator& operator++() {
            ++index_;
            return *this;
        }
        Iterator operator++(int) { return Iterator(lines_, index_++); }
        Iterator& operator--() {
            --index_;
            return *this;
        }
        Iterator operator--(int) { return Iterator(lines_, index_--); }
        Iterator& operator+=(difference_type n) {
            index_ += static_cast<std::size_t>(n);
            return *this;
        }
        Iterator& operator-=(difference_type n) {
            index_ -= static_cast<std::size_t>(n);
            return *this;
        }
        Iterator operator+(difference_type n) const {
            return Iterator(lines_, index_ + static_cast<std::size_t>(n));
        }
        friend Iterator operator+(difference_type n, const Iterator& it) { return it + n; }
        Iterator operator-(difference_type n) const {
            return Iterator(lines_, index_ - static_cast<std::size_t>(n));
        }
        difference_type operator-(const Iterator& o) const {
            return static_cast<difference_type>(index_) - static_cast<difference_type>(o.index_);
        }
        bool operator==(const Iterator& o) const { return index_ == o.index_; }
        auto operator<=>(const Iterator& o) const { return index_ <=> o.index_; }

      private:
        const TextLines* lines_ = nullptr;
        std::size_t index_ = 0;
    };
    using iterator = Iterator;
    using const_iterator = Iterator;
    using value_type = std::string_view;

    TextLines() = default;
    TextLines(std::initializer_list<std::string_view> lines);

    std::size_t size() const { return starts_.size(); }
    bool empty() const { return starts_.empty(); }
    std::string_view operator[](std::size_t i) const;
    std::string_view back() const { return (*this)[size() - 1]; }
    Iterator begin() const { return Iterator(this, 0); }
    Iterator end() const { return Iterator(this, size()); }

    void clear();
    void assign(const std::vector<std::string>& lines);
    void push_back(std::string_view line);
    // Formats one line at the end.
    template <typename... Args>
    void addf(CheckedFormat<std::type_identity_t<Args>...> format, const Args&... args) {
        const std::array<FormatArgument, sizeof...(Args)> arguments{formatArgument(args)...};
        addFormatted(format.text(), format.pieces().data(), format.pieces().size(),
                     arguments.data());
    }

    // Every line followed by CR LF, and where line i begins in it.
    std::string_view text() const { return {text_.data(), used_}; }
    std::size_t offset(std::size_t i) const { return starts_[i]; }

    bool operator==(const TextLines& o) const { return text() == o.text() && starts_ == o.starts_; }
    friend bool operator==(const TextLines& lines, const std::vector<std::string>& v);

  private:
    void addFormatted(const char* text, const FormatPiece* pieces, std::size_t count,
                      const FormatArgument* arguments);

    // The first used_ bytes are the lines; the rest is room that clear keeps, so that lines
    // formatted by the million are written in place.
    std::string text_;
    std::size_t used_ = 0;
    std::vector<std::size_t> starts_;
};

}  // namespace kesto
