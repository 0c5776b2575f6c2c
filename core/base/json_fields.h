// The JSON side of a record's fields: a visitor that export (JsonOut) and import (JsonIn) both
// walk, so one list of fields gives the same names in both directions. Import refuses a wrong
// type, a value out of range and an unknown key with the path of the field.
#pragma once

#include <array>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kesto {

class JsonInputError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void jsonRefuse(const std::string& path, const std::string& problem);

// Reads a JSON value into a field, refusing a wrong type or range with the field's path.
void jsonRead(const nlohmann::json& j, const std::string& path, std::string& v);
void jsonRead(const nlohmann::json& j, const std::string& path, double& v);
void jsonRead(const nlohmann::json& j, const std::string& path, int& v, int lo, int hi);
void jsonRead(const nlohmann::json& j, const std::string& path, std::uint8_t& v);
// Checks that `j` is an object with no key outside `known`.
void jsonCheckObject(const nlohmann::json& j, const std::string& path,
                     std::initializer_list<const char*> known);

using DirPairJson = std::array<std::array<double, 2>, 2>;

struct JsonOut {
    nlohmann::ordered_json j = nlohmann::ordered_json::object();

    template <class T>
    void field(const char* name, const T& v) {
        j[name] = v;
    }
    void small(const char* name, const std::uint8_t& v) { j[name] = static_cast<int>(v); }
    void code(const char* name, const std::uint8_t& v, int) { small(name, v); }
    void word(const char* name, const int& v) { j[name] = v; }
    template <class T, std::size_t N>
    void array(const char* name, const std::array<T, N>& v) {
        auto a = nlohmann::ordered_json::array();
        for (const auto& e : v) {
            a.push_back(e);
        }
        j[name] = a;
    }
    void pair(const char* name, const DirPairJson& v) {
        j[name] =
            nlohmann::ordered_json::array({nlohmann::ordered_json::array({v[0][0], v[0][1]}),
                                           nlohmann::ordered_json::array({v[1][0], v[1][1]})});
    }
};

struct JsonIn {
    const nlohmann::json& j;
    std::string path;
    std::set<std::string> seen;

    JsonIn(const nlohmann::json& json, std::string at) : j(json), path(std::move(at)) {}

    // The value of a key, or nothing when it is left out; marks the key as known.
    const nlohmann::json* get(const char* name);
    template <class T>
    void field(const char* name, T& v) {
        if (const auto* value = get(name)) {
            jsonRead(*value, path + "." + name, v);
        }
    }
    void small(const char* name, std::uint8_t& v) { field(name, v); }
    // One of the codes 0 … `last`.
    void code(const char* name, std::uint8_t& v, int last);
    void word(const char* name, int& v);
    template <class T, std::size_t N>
    void array(const char* name, std::array<T, N>& v) {
        if (const auto* value = get(name)) {
            const std::string p = path + "." + name;
            if (!value->is_array() || value->size() != N) {
                jsonRefuse(p, "expected an array of " + std::to_string(N) + " values");
            }
            for (std::size_t i = 0; i < N; ++i) {
                jsonRead((*value)[i], p + "[" + std::to_string(i) + "]", v[i]);
            }
        }
    }
    // [[X L->R, X R->L], [Y L->R, Y R->L]]
    void pair(const char* name, DirPairJson& v);
    // Refuses every key that no field asked for.
    void finish() const;
};

// A record's field list (its `fields` function, base/archive.h) walked on the JSON side, so the
// list that reads and writes the record also names its keys: every field under its own name, in
// the current format (all fields present). `Json` is JsonOut or JsonIn.
template <class Json>
class JsonFieldList {
  public:
    static constexpr bool kReading = false;

    explicit JsonFieldList(Json& json) : json_(json) {}

    bool has(std::string_view) const { return true; }
    template <class T, class V>
    void absent(const T&, const V&) {}
    template <class T>
    void text(T& v, const char* name) {
        json_.field(name, v);
    }
    template <class T>
    void byte(T& v, const char* name) {
        json_.field(name, v);
    }
    template <class T>
    void byteCode(T& v, const char* name, unsigned last) {
        json_.code(name, v, static_cast<int>(last));
    }
    template <class T>
    void word(T& v, const char* name) {
        json_.word(name, v);
    }
    template <class T>
    void real(T& v, const char* name) {
        json_.field(name, v);
    }
    template <class T>
    void pair(const char* name, T& v) {
        json_.pair(name, v);
    }

  protected:
    Json& json_;
};

}  // namespace kesto
