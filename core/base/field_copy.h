// Copies the fields of one record into another through the record's field list, the same
// `fields` function that reads and writes it: the source is visited first and its values
// recorded in order, then the target is visited and the values played back. Object lists are
// left out, and a field whose name `keep` refuses is skipped on both sides, so a copy of "every
// field but these" stays right when a field is added to the list.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "base/owned_list.h"

namespace kesto {

template <class Keep>
class FieldCopy {
  public:
    // The copy works in the current format: every field is there, none is read from a file.
    static constexpr bool kReading = false;

    explicit FieldCopy(Keep keep) : keep_(keep) {}

    bool has(std::string_view) const { return true; }
    template <class T, class V>
    void absent(const T&, const V&) {}

    template <class T>
    void byte(T& v, const char* name) {
        pass<std::int64_t>(v, name);
    }
    template <class T>
    void byteCode(T& v, const char* name, unsigned) {
        pass<std::int64_t>(v, name);
    }
    template <class T>
    void word(T& v, const char* name) {
        pass<std::int64_t>(v, name);
    }
    template <class T>
    void dword(T& v, const char* name) {
        pass<std::int64_t>(v, name);
    }
    template <class T>
    void real(T& v, const char* name) {
        pass<double>(v, name);
    }
    template <class T>
    void text(T& v, const char* name) {
        pass<std::string>(v, name);
    }
    template <class T>
    void strings(T& v, const char* name) {
        pass<std::vector<std::string>>(v, name);
    }
    template <class List, class Body>
    void objects(List&, const char*, Body) {}

    // Called between the visit of the source and that of the target.
    void startPlayBack() { next_ = 0; }

  private:
    using Value = std::variant<std::int64_t, double, std::string, std::vector<std::string>>;

    template <class Stored, class T>
    void pass(T& v, const char* name) {
        if (!keep_(std::string_view(name))) {
            return;
        }
        if constexpr (std::is_const_v<T>) {
            values_.emplace_back(std::in_place_type<Stored>, static_cast<Stored>(v));
        } else {
            v = static_cast<T>(std::get<Stored>(values_[next_++]));
        }
    }

    Keep keep_;
    std::vector<Value> values_;
    std::size_t next_ = 0;
};

// Copies the fields of `from` that `keep` accepts into `to`; `visit(ar, record)` is the
// record's field list.
template <class R, class Visit, class Keep>
void copyFields(const R& from, R& to, Visit visit, Keep keep) {
    FieldCopy<Keep> copy(keep);
    visit(copy, from);
    copy.startPlayBack();
    visit(copy, to);
}

}  // namespace kesto
