// An ordered list that owns its elements. Elements live on the heap so that references to
// them stay valid while the list grows; copying the list copies every element.
#pragma once

#include <cstddef>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

namespace kesto {

template <class T>
class OwnedList {
    using Store = std::vector<std::unique_ptr<T>>;

    template <class Base, class V>
    class Iter {
      public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = std::remove_const_t<V>;
        using difference_type = std::ptrdiff_t;
        using pointer = V*;
        using reference = V&;

        Iter() = default;
        explicit Iter(Base it) : it_(it) {}
        V& operator*() const { return **it_; }
        V* operator->() const { return it_->get(); }
        Iter& operator++() {
            ++it_;
            return *this;
        }
        Iter operator++(int) { return Iter(it_++); }
        Iter& operator--() {
            --it_;
            return *this;
        }
        Iter operator+(difference_type n) const { return Iter(it_ + n); }
        difference_type operator-(const Iter& o) const { return it_ - o.it_; }
        bool operator==(const Iter& o) const { return it_ == o.it_; }
        Base base() const { return it_; }

      private:
        Base it_{};
    };

  public:
    using iterator = Iter<typename Store::iterator, T>;
    using const_iterator = Iter<typename Store::const_iterator, const T>;

    OwnedList() = default;
    OwnedList(const OwnedList& other) { *this = other; }
    OwnedList(OwnedList&&) noexcept = default;
    OwnedList& operator=(const OwnedList& other) {
        if (other.empty()) {
            items_.clear();  // keeps the room, for a list filled again (a page read into again)
        } else if (this != &other) {
            Store copy;
            copy.reserve(other.items_.size());
            for (const auto& p : other.items_) {
                copy.push_back(std::make_unique<T>(*p));
            }
            items_ = std::move(copy);
        }
        return *this;
    }
    OwnedList& operator=(OwnedList&&) noexcept = default;

    std::size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    void reserve(std::size_t n) { items_.reserve(n); }
    T& operator[](std::size_t i) { return *items_[i]; }
    const T& operator[](std::size_t i) const { return *items_[i]; }
    T& front() { return *items_.front(); }
    T& back() { return *items_.back(); }
    const T& back() const { return *items_.back(); }

    T& append(std::unique_ptr<T> item) {
        items_.push_back(std::move(item));
        return *items_.back();
    }
    T& append(T item = T{}) { return append(std::make_unique<T>(std::move(item))); }
    T& insert(std::size_t at, std::unique_ptr<T> item) {
        return **items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
    }
    void erase(std::size_t at) { items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(at)); }
    std::unique_ptr<T> release(std::size_t at) {
        auto item = std::move(items_[at]);
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(at));
        return item;
    }
    void clear() { items_.clear(); }
    void swap(OwnedList& other) noexcept { items_.swap(other.items_); }

    iterator begin() { return iterator(items_.begin()); }
    iterator end() { return iterator(items_.end()); }
    const_iterator begin() const { return const_iterator(items_.begin()); }
    const_iterator end() const { return const_iterator(items_.end()); }

    bool operator==(const OwnedList& other) const {
        if (size() != other.size()) {
            return false;
        }
        for (std::size_t i = 0; i < size(); ++i) {
            if (!(*items_[i] == *other.items_[i])) {
                return false;
            }
        }
        return true;
    }

  private:
    Store items_;
};

}  // namespace kesto
