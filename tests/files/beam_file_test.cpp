// Reading beam files: what a good file gives, and each kind of bad file
// with the message the engineer sees; writing them back.

#include "beam_file.h"

#include <gtest/gtest.h>

#include <QFile>

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

TEST(BeamFile, VersionOneFileWithoutReportIsWrittenBackByteForByte) {
  QFile example(QStringLiteral(PLATEWISE_EXAMPLES "/KL-1.json"));
  ASSERT_TRUE(example.open(QIODevice::ReadOnly));
  const QByteArray bytes = example.readAll();
  const BeamFile file = parse_beam_file(bytes, "KL-1.json");
  EXPECT_EQ(file.beam.report, (ReportInfo{"", "KL-1", "", "", "", ""}));
  std::vector<std::string> results;
  for (const ResultField& field : result_fields())
    results.push_back(file.results.at(std::string(field.key)));
  EXPECT_EQ(beam_file_bytes(file.beam, results).toStdString(), bytes.toStdString());
}

#define BEAM2_REPORT(report) \
  R"({"format": "platewise-beam", "version": 2, "inputs": {}, "report": )" report "}"

TEST(BeamFile, ReportInfoIsWrittenAsVersionTwoAndReadBack) {
  Beam beam{"KL-3", {{input_by_key("beam_width"), "300"}}, {}};
  beam.report = {"某办公楼加固", "KL-3", "", "李四", "", " 0.2 "};  // texts as typed
  const QByteArray bytes = beam_file_bytes(beam, {});
  EXPECT_EQ(bytes.toStdString(), R"({
    "format": "platewise-beam",
    "inputs": {
        "beam_width": "300"
    },
    "name": "KL-3",
    "report": {
        "approver": "",
        "checker": "李四",
        "crack_limit": " 0.2 ",
        "designer": "",
        "project": "某办公楼加固"
    },
    "results": {
    },
    "version": 2
}
)");
  const BeamFile file = parse_beam_file(bytes, "other.json");
  EXPECT_EQ(file.beam.report, beam.report);
  // The limit reads as the dialog and --crack-limit read it, exponents too.
  EXPECT_EQ(parse_beam_file(BEAM2_REPORT(R"({"crack_limit": "2E-1"})"), "KL-3.json")
                .beam.report.crack_limit,
            "2E-1");
  EXPECT_EQ(file.beam.inputs, beam.inputs);
  EXPECT_EQ(beam_file_bytes(file.beam, {}), bytes);
}

struct BadFile {
  const char* title;
  QByteArray bytes;
  FileFault fault;
  std::string message;
};
void PrintTo(const BadFile& c, std::ostream* out) { *out << c.title; }

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
#define BEAM2(rest) R"({"format": "platewise-beam", "version": 2, )" rest "}"

INSTANTIATE_TEST_SUITE_P(
    Kinds, BadBeamFile,
    ::testing::Values(
        BadFile{"BrokenJson", "{\n\"format\":\n}", FileFault::BrokenJson,
                "“KL-3.json”第3行：不是有效的JSON"},
        BadFile{"NotABeamFile", R"({"format": "other", "version": 1})", FileFault::NotBeamFile,
                R"(“KL-3.json”：不是梁文件（缺少"format": "platewise-beam"）)"},
        BadFile{"NoVersion", R"({"format": "platewise-beam", "version": 1.5})",
                FileFault::NotBeamFile, "“KL-3.json”“version”：应为正整数"},
        BadFile{"NewerVersion", R"({"format": "platewise-beam", "version": 3, "inputs": 0})",
                FileFault::NewerVersion,
                "“KL-3.json”“version”：文件版本3比本程序能读的版本2新，请使用新版Platewise"},
        BadFile{"UnknownTopKey", BEAM(R"("input": {})"), FileFault::UnknownKey,
                "“KL-3.json”“input”：不是梁文件的键"},
        BadFile{"NoInputs", BEAM(R"("name": "A")"), FileFault::WrongType,
                "“KL-3.json”“inputs”：应为JSON对象"},
        BadFile{"InputTwice",
                BEAM("\"inputs\": {\"beam_height\": \"650\",\n\"beam_height\": \"0\"}"),
                FileFault::DuplicateKey,
                "“KL-3.json”第2行“beam_height”：键重复出现，同一对象中每个键只能有一次"},
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
                FileFault::WrongType, "“KL-3.json”“top_width”：应为文字"},
        BadFile{"ReportInVersionOne", BEAM(R"("inputs": {}, "report": {})"), FileFault::UnknownKey,
                "“KL-3.json”“report”：版本1的梁文件没有此键，版本2起才有"},
        BadFile{"ReportAsText", BEAM2(R"("inputs": {}, "report": "A")"), FileFault::WrongType,
                "“KL-3.json”“report”：应为JSON对象"},
        BadFile{"UnknownReportKey", BEAM2(R"("inputs": {}, "report": {"member": "A"})"),
                FileFault::UnknownKey, "“KL-3.json”“member”：不是计算书信息的键"},
        BadFile{"EmptyReportKey", BEAM2(R"("inputs": {}, "report": {"": "A"})"),
                FileFault::UnknownKey, "“KL-3.json”：不是计算书信息的键"},
        BadFile{"ReportTextAsNumber", BEAM2(R"("inputs": {}, "report": {"crack_limit": 0.2})"),
                FileFault::WrongType, "“KL-3.json”“crack_limit”：应为文字"},
        BadFile{
            "CrackLimitWithUnit", BEAM2(R"("inputs": {}, "report": {"crack_limit": "0.2mm"})"),
            FileFault::WrongType,
            "“KL-3.json”“crack_limit”：裂缝宽度限值[w]应为正数(mm)，如0.2或2E-1，或留空取默认值"}),
    [](const auto& info) { return std::string(info.param.title); });

}  // namespace
}  // namespace platewise
