#include "base/json_fields.h"

#include "base/codepage.h"
#include "base/text_format.h"

namespace kesto {

void jsonRefuse(const std::string& path, const std::string& problem) {
    throw JsonInputError(path + ": " + problem);
}

void jsonRead(const nlohmann::json& j, const std::string& path, std::string& v) {
    if (!j.is_string()) {
        jsonRefuse(path, "expected a string");
    }
    v = j.get<std::string>();
    if (!encodeCp932(v)) {
        jsonRefuse(path, "the text has a character that code page 932 cannot hold");
    }
}

void jsonRead(const nlohmann::json& j, const std::string& path, double& v) {
    if (!j.is_number()) {
        jsonRefuse(path, "expected a number");
    }
    v = j.get<double>();
}

void jsonRead(const nlohmann::json& j, const std::string& path, int& v, int lo, int hi) {
    if (!j.is_number_integer() || j.get<long long>() < lo || j.get<long long>() > hi) {
        jsonRefuse(path, "expected a whole number from " + std::to_string(lo) + " to " +
                             std::to_string(hi));
    }
    v = j.get<int>();
}

void jsonRead(const nlohmann::json& j, const std::string& path, std::uint8_t& v) {
    int i = 0;
    jsonRead(j, path, i, 0, 255);
    v = static_cast<std::uint8_t>(i);
}

void jsonCheckObject(const nlohmann::json& j, const std::string& path,
                     std::initializer_list<const char*> known) {
    if (!j.is_object()) {
        jsonRefuse(path, "expected an object");
    }
    for (const auto& [key, value] : j.items()) {
        (void)value;
        bool found = false;
        for (const char* k : known) {
            found = found || key == k;
        }
        if (!found) {
            jsonRefuse(path + "." + shortExcerpt(key), "unknown field");
        }
    }
}

const nlohmann::json* JsonIn::get(const char* name) {
    seen.insert(name);
    const auto it = j.find(name);
    return it == j.end() ? nullptr : &*it;
}

void JsonIn::code(const char* name, std::uint8_t& v, int last) {
    if (const auto* value = get(name)) {
        int c = 0;
        jsonRead(*value, path + "." + name, c, 0, last);
        v = static_cast<std::uint8_t>(c);
    }
}

void JsonIn::word(const char* name, int& v) {
    if (const auto* value = get(name)) {
        jsonRead(*value, path + "." + name, v, 0, 65535);
    }
}

void JsonIn::pair(const char* name, DirPairJson& v) {
    const auto* value = get(name);
    if (!value) {
        return;
    }
    const std::string p = path + "." + name;
    if (!value->is_array() || value->size() != 2) {
        jsonRefuse(p, "expected [[X L->R, X R->L], [Y L->R, Y R->L]]");
    }
    for (std::size_t d = 0; d < 2; ++d) {
        const auto& row = (*value)[d];
        if (!row.is_array() || row.size() != 2) {
            jsonRefuse(p + "[" + std::to_string(d) + "]", "expected an array of two numbers");
        }
        for (std::size_t s = 0; s < 2; ++s) {
            jsonRead(row[s], p + "[" + std::to_string(d) + "][" + std::to_string(s) + "]", v[d][s]);
        }
    }
}

void JsonIn::finish() const {
    for (const auto& [key, value] : j.items()) {
        (void)value;
        if (!seen.count(key)) {
            jsonRefuse(path + "." + shortExcerpt(key), "unknown field");
        }
    }
}

}  // namespace kesto
