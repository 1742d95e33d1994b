// Project files: written and read back, each kind of bad file with the
// message the engineer sees, and a project computed as the same table in CSV
// or a workbook.

#include "project_file.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include "calc_command.h"
#include "file_error.h"
#include "table_file.h"

namespace platewise {
namespace {

TEST(ProjectFile, WrittenAndReadBack) {
  Project project;
  project.report = {"某办公楼加固", "", "张三", "", "", "0.2"};
  project.beams.push_back(
      {{"KL-1", {{input_by_key("beam_width"), "330"}}, {}}, {{"crack_width", "0.043"}}});
  project.beams.push_back({{"KL-2", {{input_by_key("redistribution_on"), true}}, {}}, {}});
  const QByteArray bytes = project_file_bytes(project);
  EXPECT_EQ(bytes.toStdString(), R"({
    "beams": [
        {
            "inputs": {
                "beam_width": "330"
            },
            "name": "KL-1",
            "results": {
                "crack_width": "0.043"
            }
        },
        {
            "inputs": {
                "redistribution_on": true
            },
            "name": "KL-2"
        }
    ],
    "format": "platewise-project",
    "report": {
        "approver": "",
        "checker": "",
        "crack_limit": "0.2",
        "designer": "张三",
        "project": "某办公楼加固"
    },
    "version": 1
}
)");
  // Each beam's report information is the project's, for the beam as member.
  for (ProjectBeam& beam : project.beams) {
    beam.beam.report = project.report;
    beam.beam.report.member = beam.beam.name;
  }
  EXPECT_EQ(parse_project_file(bytes, "b.pwproj"), project);
  const QTemporaryDir dir;
  write_project_file(dir.filePath("b.pwproj"), project);
  EXPECT_EQ(read_project(dir.filePath("b.pwproj")), project);
}

// What the window opens as a project: a beam file keeps its results and
// report information, a table's rows are its beams.
TEST(ProjectFile, BeamFilesAndTablesReadAsProjects) {
  const Project beam_file = read_project(QStringLiteral(PLATEWISE_EXAMPLES "/KL-1.json"));
  ASSERT_EQ(beam_file.beams.size(), 1U);
  EXPECT_EQ(beam_file.beams[0].beam.report.member, "KL-1");
  EXPECT_EQ(beam_file.beams[0].results.at("crack_width"), "0.047");
  const Project table = read_project(QStringLiteral(PLATEWISE_EXAMPLES "/beams.xlsx"));
  ASSERT_EQ(table.beams.size(), 20U);
  EXPECT_EQ(table.beams[1].beam.report.member, "一层KL-2");
  try {
    read_project("beams.txt");
    ADD_FAILURE() << "read without an error";
  } catch (const FileError& error) {
    EXPECT_EQ(error.message().toStdString(),
              "“beams.txt”：应为工程文件(.pwproj)、梁表格(.xlsx、.csv)或梁文件(.json)");
  }
}

struct BadProject {
  const char* title;
  QByteArray bytes;
  std::string message;
};
void PrintTo(const BadProject& c, std::ostream* out) { *out << c.title; }

class BadProjectFile : public ::testing::TestWithParam<BadProject> {};

TEST_P(BadProjectFile, SaysWhatAndWhere) {
  try {
    parse_project_file(GetParam().bytes, "b.pwproj");
    ADD_FAILURE() << "read without an error";
  } catch (const FileError& error) {
    EXPECT_EQ(error.message().toStdString(), GetParam().message);
  }
}

#define PROJECT(rest) R"({"format": "platewise-project", "version": 1, )" rest "}"

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Kinds, BadProjectFile,
    ::testing::Values(
        BadProject{"BeamFile", R"({"format": "platewise-beam", "version": 1, "inputs": {}})",
                   R"(“b.pwproj”：不是工程文件（缺少"format": "platewise-project"）)"},
        BadProject{"NewerVersion", R"({"format": "platewise-project", "version": 2, "beams": []})",
                   "“b.pwproj”“version”：文件版本2比本程序能读的版本1新，请使用新版Platewise"},
        BadProject{"NoBeams", PROJECT(R"("report": {})"), "“b.pwproj”“beams”：应为JSON数组"},
        BadProject{"UnknownTopKey", PROJECT(R"("beams": [], "members": [])"), "“b.pwproj”“members”：不是工程文件的键"},
        BadProject{"UnknownReportKey", PROJECT(R"("beams": [], "report": {"member": "A"})"),
                   "“b.pwproj”“member”：不是计算书信息的键"},
        BadProject{"BeamNotAnObject", PROJECT(R"("beams": [{"inputs": {}}, 3])"), "“b.pwproj”第2根梁：应为JSON对象"},
        BadProject{"UnknownInputNamesTheBeam",
                   PROJECT(R"("beams": [{"inputs": {}}, {"name": "KL-2", "inputs": {"beam_widht": 1}}])"),
                   "“b.pwproj”第2根梁“beam_widht”：不是梁的输入项"},
        BadProject{"ReportOfItsOwn", PROJECT(R"("beams": [{"inputs": {}, "report": {}}])"),
                   "“b.pwproj”第1根梁“report”：不是梁的键"},
        BadProject{"NoInputs", PROJECT(R"("beams": [{"name": "A"}])"), "“b.pwproj”第1根梁“inputs”：应为JSON对象"},
        BadProject{"ResultAsNumber", PROJECT(R"("beams": [{"inputs": {}, "results": {"top_width": 87}}])"),
                   "“b.pwproj”第1根梁“top_width”：应为文字"}),
    [](const auto& info) { return std::string(info.param.title); });
// clang-format on

std::string calc_output(const QString& input, const QTemporaryDir& dir) {
  QBuffer err;
  err.open(QIODevice::WriteOnly);
  const QString out = dir.filePath("out.csv");
  EXPECT_EQ(run_calc({"platewise", "calc", input, "-o", out}, {1, err}), kSomeStopped)
      << err.data().toStdString();
  QFile written(out);
  return written.open(QIODevice::ReadOnly) ? written.readAll().toStdString() : "(none)";
}

// The example table as CSV, as the example workbook and as a project file:
// the same beams, the same results, verdicts and errors.
TEST(ProjectFile, ComputedAsTheSameTableInCsvOrAWorkbook) {
  const QString csv = QStringLiteral(PLATEWISE_EXAMPLES "/beams-gbk.csv");
  const QString xlsx = QStringLiteral(PLATEWISE_EXAMPLES "/beams.xlsx");
  EXPECT_EQ(read_table(xlsx), read_table(csv));
  const QTemporaryDir dir;
  const QString project = dir.filePath("beams.pwproj");
  write_project_file(project, read_project(xlsx));
  const std::string from_csv = calc_output(csv, dir);
  EXPECT_EQ(calc_output(xlsx, dir), from_csv);
  EXPECT_EQ(calc_output(project, dir), from_csv);
  EXPECT_EQ(std::ranges::count(from_csv, '\n'), 21);
}

}  // namespace
}  // namespace platewise
