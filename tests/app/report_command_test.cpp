// platewise report as the engineer runs it, in a folder of its own: a table
// of beams gives the members' table and a chapter a beam, a stopped beam
// keeps its chapter, the options override, and a command line or an input
// that cannot be used writes nothing.

#include "report_command.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace platewise {
namespace {

struct File {
  QString name;
  QByteArray bytes;
};

struct ReportCase {
  const char* name;
  std::vector<File> files;
  QStringList arguments;  // after "report"; the report is x.html (PDF: program_test.cpp)
  int status;
  std::string err;
  // How often each text stands in the written report (kSome: once or more);
  // nothing written when empty.
  std::vector<std::pair<QString, int>> counts;
};
constexpr int kSome = -1;

void PrintTo(const ReportCase& c, std::ostream* out) { *out << c.name; }

QString text_of(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

class ReportCommandTest : public ::testing::TestWithParam<ReportCase> {
 protected:
  void SetUp() override { ASSERT_TRUE(QDir::setCurrent(dir_.path())); }
  void TearDown() override { EXPECT_TRUE(QDir::setCurrent(previous_)); }
  const QString previous_ = QDir::currentPath();  // given back after each row
  QTemporaryDir dir_;
};

TEST_P(ReportCommandTest, ExitStatusMessagesAndTheReportsText) {
  const ReportCase& c = GetParam();
  for (const File& file : c.files) {
    QFile f(file.name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(file.bytes);
  }
  QFile out("stdout");  // standard output, unused: the report goes to x.*
  ASSERT_TRUE(out.open(QIODevice::ReadWrite));
  QBuffer err;
  err.open(QIODevice::WriteOnly);
  EXPECT_EQ(run_report(QStringList{"platewise", "report"} + c.arguments, {out.handle(), err}),
            c.status);
  EXPECT_EQ(err.data().toStdString(), c.err);
  const QStringList written = QDir().entryList({"x.*"}, QDir::Files);
  if (c.counts.empty()) {
    EXPECT_EQ(written, QStringList());
    return;
  }
  ASSERT_EQ(written.size(), 1);
  const QString text = text_of(written.front());
  for (const auto& [part, count] : c.counts) {
    const qsizetype found = text.count(part);
    EXPECT_TRUE(count == kSome ? found > 0 : found == count) << part.toStdString() << ": " << found;
  }
}

const QString kExamples = PLATEWISE_EXAMPLES;
const QByteArray kBeamFile =
    R"({"format": "platewise-beam", "version": 1, "name": "KL-3", "inputs": {"beam_width": 300}})";
const QByteArray kTwoBeams = "name,stirrup_spacing\r\nA-1,\r\nB-2,100\r\n";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tables, ReportCommandTest, ::testing::Values(
    ReportCase{"TwentyBeamsOfTheExampleTable", {}, {kExamples + "/beams-gbk.csv", "-o", "x.html"}, 1,
               "三层KL-2：箍板宽度未定：梁箍筋无需加固，未算出梁侧U型钢板的宽度bu，无法确定U型箍板的个数\n"
               "四层KL-3：箍板宽度未定：梁箍筋无需加固，未算出梁侧U型钢板的宽度bu，无法确定U型箍板的个数\n",
               {{"构件一览表", 2}, {"总结论", 2}, {"输入数据", 20}, {"一层KL-1", kSome},
                {"四层KL-5", kSome}, {"本章符号见卷首", 20}}},
    ReportCase{"StoppedBeamKeepsItsChapterMarked", {{"b.csv", kTwoBeams}}, {"b.csv", "-o", "x.html"}, 1,
               "A-1：箍筋面积中断：除数为零\n",
               {{"构件一览表", 2}, {"输入数据", 2}, {"计算未完成", kSome}}},
    ReportCase{"ProjectNamedOnTheCommandLine", {{"b.csv", kTwoBeams}},
               {"b.csv", "-o", "x.html", "--project", "滨江综合楼"}, 1, "A-1：箍筋面积中断：除数为零\n",
               {{"滨江综合楼", kSome}}},
    ReportCase{"OneBeamFileIsItsReportAlone", {{"KL-3.json", kBeamFile}}, {"KL-3.json", "-o", "x.html",
               "--crack-limit", "0.2"}, 0, "", {{"构件一览表", 0}, {"输入数据", 1}, {"[w] = 0.2", 1}}},
    // Which texts stand as a limit is crack_limit_test.cpp's.
    ReportCase{"CrackLimitNegative", {{"b.csv", kTwoBeams}}, {"b.csv", "-o", "x.html", "--crack-limit=-0.2"}, 2,
               "命令行有误：--crack-limit 应为正数（毫米），如0.2或2E-1，而不是“-0.2”\n", {}},
    ReportCase{"CrackLimitInExponentForm", {{"KL-3.json", kBeamFile}}, {"KL-3.json", "-o", "x.html",
               "--crack-limit", "1e-1"}, 0, "", {{"[w] = 0.1", 1}}},
    ReportCase{"UnknownColumnWritesNothing", {{"b.csv", "name,beam_widht\nA,1\n"}}, {"b.csv", "-o", "x.html"}, 2,
               "“b.csv”第1行“beam_widht”：不是梁的输入项\n", {}},
    ReportCase{"TableWithoutBeams", {{"b.csv", "name,cover\r\n,\r\n"}}, {"b.csv", "-o", "x.html"}, 2,
               "没有要写计算书的梁：“b.csv”中没有一根梁\n", {}},
    ReportCase{"NoOutputNamed", {{"b.csv", kTwoBeams}}, {"b.csv"}, 2,
               "命令行有误：应为 platewise report 梁文件.json、工程文件.pwproj或梁表格.csv -o 计算书.pdf\n", {}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace platewise
