// Reading beam files: what a good file gives, and each kind of bad file
// with the message the engineer sees.

#include "beam_file.h"

#include <gtest/gtest.h>

#include "file_error.h"

namespace platewise {
namespace {

TEST(BeamFile, NumbersAreTheirNumberTextAndTheNameDefaultsToTheFile) {
  const BeamFile file = parse_beam_file(R"({"format": "platewise-beam", "version": 1,
      "inputs": {"beam_width": 1.20, "moment": 1e3, "cover": "60", "redistribution_on": true},
      "results": {"crack_width": "0.038"}})",
                                        "floor 2/KL-3.json");
  EXPECT_EQ(file.beam.name, "KL-3");
  const std::vector<GivenInput> expected = {{input_by_key("beam_width"), "1.2"},
                                            {input_by_key("cover"), "60"},
                                            {input_by_key("moment"), "1000"},
                                            {input_by_key("redistribution_on"), true}};
  EXPECT_EQ(file.beam.inputs, expected);  // in the key order of the JSON object
  EXPECT_EQ(file.results, (std::map<std::string, std::string>{{"crack_width", "0.038"}}));
}

struct BadFile {
  const char* title;
  QByteArray bytes;
  FileFault fault;
  std::string message;
};

class BadBeamFile : public ::testing::TestWithParam<BadFile> {};

TEST_P(BadBeamFile, SaysWhatAndWhere) {
  try {
    parse_beam_file(GetParam().bytes, "KL-3.json");
    ADD_FAILURE() << "read without an error";
  } catch (const FileError& error) {
    EXPECT_EQ(error.fault, GetParam().fault);
    EXPECT_EQ(error.message().toStdString(), GetParam().message);
  }
}

#define BEAM(rest) R"({"format": "platewise-beam", "version": 1, )" rest "}"

INSTANTIATE_TEST_SUITE_P(
    Kinds, BadBeamFile,
    ::testing::Values(
        BadFile{"BrokenJson", "{\n\"format\":\n}", FileFault::BrokenJson,
                "“KL-3.json”第3行：不是有效的JSON"},
        BadFile{"NotABeamFile", R"({"format": "other", "version": 1})", FileFault::NotBeamFile,
                R"(“KL-3.json”：不是梁文件（缺少"format": "platewise-beam"）)"},
        BadFile{"NoVersion", R"({"format": "platewise-beam", "version": 1.5})",
                FileFault::NotBeamFile, "“KL-3.json”“version”：应为正整数"},
        BadFile{"NewerVersion", R"({"format": "platewise-beam", "version": 2, "inputs": 0})",
                FileFault::NewerVersion,
                "“KL-3.json”“version”：文件版本2比本程序能读的版本1新，请使用新版Platewise"},
        BadFile{"UnknownTopKey", BEAM(R"("input": {})"), FileFault::UnknownKey,
                "“KL-3.json”“input”：不是梁文件的键"},
        BadFile{"NoInputs", BEAM(R"("name": "A")"), FileFault::WrongType,
                "“KL-3.json”“inputs”：应为JSON对象"},
        BadFile{"UnknownInput", BEAM(R"("inputs": {"beam_widht": "250"})"), FileFault::UnknownKey,
                "“KL-3.json”“beam_widht”：不是梁的输入项"},
        BadFile{"OptionAsText", BEAM(R"("inputs": {"short_anchorage_on": "true"})"),
                FileFault::WrongType, "“KL-3.json”“short_anchorage_on”：应为true或false"},
        BadFile{"TextAsOption", BEAM(R"("inputs": {"cover": false})"), FileFault::WrongType,
                "“KL-3.json”“cover”：应为文字或数"},
        BadFile{"NameAsNumber", BEAM(R"("name": 3, "inputs": {})"), FileFault::WrongType,
                "“KL-3.json”“name”：应为文字"},
        BadFile{"UnknownResult", BEAM(R"("inputs": {}, "results": {"crack": "1"})"),
                FileFault::UnknownKey, "“KL-3.json”“crack”：不是梁的结果项"},
        BadFile{"ResultAsNumber", BEAM(R"("inputs": {}, "results": {"top_width": 87})"),
                FileFault::WrongType, "“KL-3.json”“top_width”：应为文字"}),
    [](const auto& info) { return std::string(info.param.title); });

}  // namespace
}  // namespace platewise
