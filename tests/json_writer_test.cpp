#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>
#include <random>
#include <string>

#include "base/json_writer.h"

namespace kesto {
namespace {

using Json = nlohmann::ordered_json;

// Writes a tree value by value, as a streaming caller does.
void write(JsonWriter& w, const Json& j) {
    if (j.is_object()) {
        w.beginObject();
        for (const auto& [key, value] : j.items()) {
            w.key(key);
            write(w, value);
        }
        w.endObject();
    } else if (j.is_array()) {
        w.beginArray();
        for (const Json& value : j) {
            write(w, value);
        }
        w.endArray();
    } else if (j.is_string()) {
        w.value(j.get<std::string>());
    } else if (j.is_number_float()) {
        w.value(j.get<double>());
    } else {
        w.value(j.get<long long>());
    }
}

std::string streamed(const Json& j) {
    std::string out;
    JsonWriter w(out);
    write(w, j);
    return out;
}

TEST(JsonWriter, LaysOutAsTheLibraryDumps) {
    const double inf = std::numeric_limits<double>::infinity();
    Json j = {{"unitSystem", 1},
              {"pages", Json::array()},
              {"empty", Json::object()},
              {"texts", {"Ｘ方向保有耐力(G-K)", "q\"b\\s/\b\f\n\r\t\x01\x1f\x7f", ""}},
              {"nested", {{{1, 2}, Json::array()}, {Json::array(), Json::array()}}},
              {"numbers",
               {0.0, -0.0, 0.1, -1.5, 420.0, 1e300, 5e-324, 123456789012345678.0, 1e15, 1e16,
                0.0001, 0.00001, 2.0 / 3, std::nan(""), inf, -inf, -7, 255}}};
    std::mt19937_64 rng(17);
    Json& numbers = j["numbers"];
    for (int i = 0; i < 5000; ++i) {
        const double mantissa = std::ldexp(static_cast<double>(rng() >> 11), -53);
        numbers.push_back(mantissa * std::pow(10.0, static_cast<int>(rng() % 60) - 30));
    }
    j["deep"] = {{"a", {{"b", {{"c", Json::array({Json::object()})}}}}}};
    EXPECT_EQ(streamed(j), j.dump(2));
    EXPECT_EQ(streamed(Json::array()), "[]");
    EXPECT_EQ(streamed(Json(2.5)), "2.5");
}

TEST(JsonWriter, WritesArraysOfValues) {
    std::string out;
    JsonWriter w(out);
    w.beginObject();
    w.key("pair");
    w.value(std::array<std::array<double, 2>, 2>{{{1.0, 2.5}, {0.0, -3.0}}});
    w.key("judgements");
    w.value(std::array<unsigned char, 2>{1, 2});
    w.key("lines");
    w.value(std::vector<std::string>{"[C1]", "  W：NG"});
    w.endObject();
    const Json expected = {{"pair", {{1.0, 2.5}, {0.0, -3.0}}},
                           {"judgements", {1, 2}},
                           {"lines", {"[C1]", "  W：NG"}}};
    EXPECT_EQ(out, expected.dump(2));
}

}  // namespace
}  // namespace kesto
