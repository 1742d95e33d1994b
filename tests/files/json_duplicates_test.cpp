// Keys named twice in one JSON object, which QJsonDocument would resolve
// silently: which repeat is found, and where.

#include "json_duplicates.h"

#include <gtest/gtest.h>

namespace platewise {
namespace {

struct DuplicateCase {
  const char* title;
  const char* json;
  std::string found;  // "key@line"; empty: none
};
void PrintTo(const DuplicateCase& c, std::ostream* out) { *out << c.title; }

class JsonDuplicates : public ::testing::TestWithParam<DuplicateCase> {};

TEST_P(JsonDuplicates, FindsTheSecondNamingOfAKey) {
  const std::optional<JsonKeyAt> twice = first_duplicate_key(GetParam().json);
  EXPECT_EQ(twice ? twice->key.toStdString() + "@" + std::to_string(twice->line) : "",
            GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, JsonDuplicates,
    ::testing::Values(
        DuplicateCase{"InOneObject",
                      "{\"inputs\": {\"beam_height\": \"650\",\n\"beam_height\": \"0\"}}",
                      "beam_height@2"},
        DuplicateCase{"SpelledWithAnEscape", R"({"name": "A", "n\u0061me": "B"})", "name@1"},
        DuplicateCase{"WithEscapedQuotes", R"({"a\"b": 1, "a\"b": 2})", "a\"b@1"},
        DuplicateCase{"DeepInArrays", "[1, [{\"a\": {}}, {\"b\": [\n{\"c\": 1,\n\"c\": 2}]}]]",
                      "c@3"},
        DuplicateCase{"AfterAStringWithALineFeedEscape", "{\"a\": \"x\\ny\",\n\n \"a\": 1}", "a@3"},
        DuplicateCase{"SiblingObjects",
                      R"({"inputs": {"cover": "60"}, "results": {"cover": "60"}})", ""},
        DuplicateCase{"ObjectsInAnArray", R"([{"a": 1}, {"a": 2}])", ""},
        DuplicateCase{"KeyAsAValue", R"({"a": "b", "b": "a", "c": ["a", "a"]})", ""},
        DuplicateCase{"OtherCase", R"({"a": 1, "A": 2})", ""},
        DuplicateCase{"Unfinished", R"({"a": 1, "a)", "a@1"},
        DuplicateCase{"EscapeAtTheEnd", R"({"a\)", ""},
        DuplicateCase{"ClosedMoreThanOpened", R"(]]}, "a": 1, "a": 2)", ""}),
    [](const auto& info) { return std::string(info.param.title); });

}  // namespace
}  // namespace platewise
