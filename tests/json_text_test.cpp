#include "base/json_text.h"

#include <gtest/gtest.h>

#include "base/json_fields.h"
#include "base/text_format.h"

namespace kesto {
namespace {

std::string errorOf(std::string_view text) {
    try {
        readJsonText(text, "in.json");
    } catch (const JsonInputError& e) {
        return e.what();
    }
    return "accepted";
}

TEST(JsonText, SyntaxErrorsNameFileLineAndColumnWithAShortExcerpt) {
    EXPECT_EQ(errorOf("{\n  \"plateB\": 1e400\n}"),
              "in.json: line 2, column 13: not valid JSON: a number too large for a double at "
              "\"1e400 }\"");
    EXPECT_EQ(errorOf("{\"a\": tru }"),
              "in.json: line 1, column 11: not valid JSON: syntax error while parsing value - "
              "invalid literal after \"{\"a\": tru \"");
    EXPECT_EQ(errorOf("[1, 2"),
              "in.json: line 1, column 6: not valid JSON: syntax error while parsing array - "
              "unexpected end of input; expected ']' after \"[1, 2\"");
    EXPECT_EQ(errorOf("{\"名前\": \"建物の名前\" x}"),
              "in.json: line 1, column 17: not valid JSON: syntax error while parsing object - "
              "invalid literal; expected '}' after \"…\": \"建物の名前\" x\"");
}

TEST(JsonText, HugeTokensAreNeverEchoed) {
    const std::string digits(5'000'000, '9');
    for (const std::string& text :
         {"{\"n\": " + digits + "e400}", "{\"s\": \"" + digits, "[" + digits + "x]"}) {
        const std::string message = errorOf(text);
        EXPECT_LT(message.size(), 200u) << message.substr(0, 300);
        EXPECT_EQ(message.rfind("in.json: line 1, column ", 0), 0u) << message.substr(0, 300);
    }
}

TEST(JsonText, RepeatedKeysAndDeepNestingAreRefusedWithTheirPath) {
    EXPECT_EQ(errorOf("{\"pages\": [{}, {\"mark\": \"A\", \"mark\": \"B\"}]}"),
              "in.json: pages[1]: the key \"mark\" appears twice");
    EXPECT_EQ(errorOf(std::string(40, '[') + std::string(40, ']')),
              "in.json: [0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0]"
              "[0][0][0][0][0][0][0]: nested deeper than 32 levels");
}

TEST(JsonText, StreamedElementsArriveOneByOneAfterTheMembersBeforeThem) {
    std::vector<std::string> seen;
    const auto top =
        readJsonText(R"({"kind": "x", "rows": [{"a": 1}, 2, [3]], "after": true})", "in.json",
                     "rows", [&](nlohmann::json&& e, std::size_t i, const nlohmann::json& before) {
                         seen.push_back(std::to_string(i) + ":" + e.dump() + ":" + before.dump());
                     });
    EXPECT_EQ(seen, (std::vector<std::string>{R"(0:{"a":1}:{"kind":"x","rows":[]})",
                                              R"(1:2:{"kind":"x","rows":[]})",
                                              R"(2:[3]:{"kind":"x","rows":[]})"}));
    EXPECT_EQ(top.dump(), R"({"after":true,"kind":"x","rows":[]})");
}

TEST(JsonText, ExcerptsKeepWholeCharactersAndHideControlCharacters) {
    EXPECT_EQ(shortExcerpt("柱脚\tベース", 12), "柱脚 ベ…");
    EXPECT_EQ(shortExcerpt("short"), "short");
}

}  // namespace
}  // namespace kesto
