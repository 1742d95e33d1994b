// The calc command on beam files and tables, as the engineer runs it: input
// files in a folder, the command line, the exit status and every byte written
// to standard output (a file here), the -o file and the messages.

#include "calc_command.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <functional>

namespace platewise {
namespace {

// The results of a beam with every input at its start text and the worst of its checks, as a CSV
// row.
const std::string kDefaults =
    "A3号钢:4(厚)X131(宽),131,A3号钢:4(厚)X87(宽),87,172mm,3(厚)X24(宽bu)X150(高Lu)@100,0.038,,,"
    "注意（取整）";
const std::string kHeader =
    "\xEF\xBB\xBFname,bottom_plate,bottom_width,top_plate,top_width,anchorage,side_u_plates,"
    "crack_width,actual_anchorage,hoop_plates,verdict,error\r\n";

std::string repeated(const std::string& text, int times) {
  std::string all;
  for (int i = 0; i < times; ++i) all += text;
  return all;
}

QByteArray gbk(const char* utf8) { return QStringEncoder("GB18030")(QString::fromUtf8(utf8)); }

struct File {
  QString name;
  QByteArray bytes;
};

struct CalcCase {
  const char* title;
  std::vector<File> files;
  QStringList arguments;  // after "calc"
  int status;
  std::string out;  // standard output, or the -o file
  std::string err;
};
void PrintTo(const CalcCase& c, std::ostream* out) { *out << c.title; }

// Standard output is the file "stdout.csv", which a case may also give as an input.
class CalcRun {
 public:
  CalcRun() : previous_(QDir::currentPath()) {
    EXPECT_TRUE(QDir::setCurrent(dir_.path())) << dir_.path().toStdString();
    err_.open(QIODevice::WriteOnly);
  }
  ~CalcRun() { EXPECT_TRUE(QDir::setCurrent(previous_)) << previous_.toStdString(); }
  CalcRun(const CalcRun&) = delete;
  CalcRun& operator=(const CalcRun&) = delete;

  static void write(const File& file) {
    QDir().mkpath(QFileInfo(file.name).path());
    QFile f(file.name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(file.bytes);
  }
  static std::string read(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : "(none)";
  }
  int run(const QStringList& arguments, const std::function<void()>& between = {}) {
    QFile out("stdout.csv");
    EXPECT_TRUE(out.open(QIODevice::ReadWrite));
    return run_calc(QStringList{"platewise", "calc"} + arguments, {out.handle(), err_}, between);
  }
  std::string err() const { return err_.data().toStdString(); }

 private:
  QString previous_;  // the working directory before, given back after the run
  QTemporaryDir dir_;
  QBuffer err_;
};

class CalcCommandTest : public ::testing::TestWithParam<CalcCase> {};

TEST_P(CalcCommandTest, ExitStatusAndWholeOutput) {
  const CalcCase& c = GetParam();
  CalcRun run;
  for (const File& file : c.files) CalcRun::write(file);
  EXPECT_EQ(run.run(c.arguments), c.status);
  const qsizetype to = c.arguments.indexOf("-o");
  const bool to_file = to >= 0 && c.arguments.value(to + 1) != "-";
  EXPECT_EQ(CalcRun::read(to_file ? c.arguments.value(to + 1) : "stdout.csv"), c.out);
  EXPECT_EQ(run.err(), c.err);
}

const QByteArray kBeamFile = R"({"format": "platewise-beam", "version": 1, "name": "KL-3",
  "inputs": {"beam_width": 250, "concrete_grade": " c15 ", "short_anchorage_on": true,
             "actual_anchorage": "150", "moment": "50"}})";
// A row stopped by a run-time error before any result, and a row computed: no plates, stirrups
// enough, so the crack width is its one check.
const QByteArray kStoppedRow =
    "name,stirrup_spacing,bottom_area_req,top_area_req,stirrup_diameter\r\n"
    "A,,10,1,12\r\nB,100,10,1,12\r\n";
const std::string kStoppedJson =
    R"j({"checks":[],"error":{"kind":"division_by_zero","message":"箍筋面积中断：除数为零","step":"stirrup_areas"},)j"
    R"j("name":"A","results":{"actual_anchorage":"","anchorage":"","bottom_plate":"","bottom_width":"",)j"
    R"j("crack_width":"","hoop_plates":"","side_u_plates":"","top_plate":"","top_width":""}})j";
const std::string kComputedJson =
    "{\"checks\":[{\"check\":\"crack_width\","
    "\"text\":\"裂缝宽度 0.058\u00a0mm ≤ 限值 0.3\u00a0mm\",\"verdict\":\"满足\"}],"
    R"j("error":null,"name":"B","results":{"actual_anchorage":"","anchorage":"","bottom_plate":"梁底无需加固",)j"
    R"j("bottom_width":"0","crack_width":"0.058","hoop_plates":"","side_u_plates":"梁箍筋无需加固",)j"
    R"j("top_plate":"梁面无需加固","top_width":"0"}})j";
// The rest of a CSV row stopped before any result.
const std::string kStopped = ",,,,,,,,,,,箍筋面积中断：除数为零\r\n";
// The text output of a beam with every input at its start text, after its name.
const std::string kDefaultText =
    "梁底钢板：A3号钢:4(厚)X131(宽)\n梁底钢板实选宽度：131\n梁面钢板：A3号钢:4(厚)X87(宽)"
    "\n梁面钢板实选宽度：87\n"
    "计算锚固长度(mm)：172mm\n梁侧U型钢板：3(厚)X24(宽bu)X150(高Lu)@100\n加固后裂缝验算(mm)：0."
    "038\n"
    "实际锚固长度(mm)：\n钢板端部锚固区U型箍板：\n验算：2 项注意（取整）\n";
// A name long enough that no temporary file beside it can be made, even as root.
const QString kUnwritable = QString(248, 'x') + ".csv";

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Tables, CalcCommandTest,
    ::testing::Values(
        CalcCase{"QuotingNamesAndOptions",
                 {{"b.csv", "name,redistribution_on,plate_steel\r\n\"KL-1, \"\"二层\"\"\",TRUE,16mn钢\r\n\"KL-2\nB\",否,\r\nKL-3,否, a3号钢 \r\n"}},
                 {"b.csv"}, 0,
                 kHeader + "\"KL-1, \"\"二层\"\"\",16Mn钢:4(厚)X171(宽),171,梁面无需加固,0,252mm,"
                           "3(厚)X16(宽bu)X150(高Lu)@100,0.035,,,注意（取整）,\r\n"
                           "\"KL-2\nB\",:4(厚)X131(宽),131,:4(厚)X87(宽),87,172mm,3(厚)X24(宽bu)X150(高Lu)@100,0.038,,,注意,\r\n"
                           "KL-3," + kDefaults + ",\r\n", ""},
        CalcCase{"ByteOrderMarkBlankLinesAndUnnamedRows",
                 {{"b.csv", "\xEF\xBB\xBF\nbeam_width,redistribution_on,short_anchorage_on\n\n250, False ,0\n,,"}},
                 {"b.csv"}, 0, kHeader + "b.csv:4," + kDefaults + ",\r\n", ""},
        // Old Mac line ends, a quoted cell among plain ones, a row that ends the file without one.
        CalcCase{"LineEndsOfEveryKind", {{"b.csv", "name,cover\rKL-1,35\r\n\"KL-2\",35\nKL-3,\"35\""}},
                 {"b.csv"}, 0, kHeader + "KL-1," + kDefaults + ",\r\nKL-2," + kDefaults + ",\r\nKL-3," + kDefaults + ",\r\n", ""},
        // Plain records read at once, one of them split between two reads of the file.
        CalcCase{"PlainRowsOverSeveralReads", {{"b.csv", QByteArray::fromStdString("name,cover\n" + repeated("A,35\n", 15000))}},
                 {"b.csv"}, 0, kHeader + repeated("A," + kDefaults + ",\r\n", 15000), ""},
        CalcCase{"HeaderByTheFormsLabels", {{"b.csv", "构件编号, 梁宽（MM） ,梁面筋调幅\r\nKL-1,250,否\r\n"}},
                 {"b.csv"}, 0, kHeader + "KL-1," + kDefaults + ",\r\n", ""},
        CalcCase{"CellLongerThanAReadChunk", {{"b.csv", "name\n\"" + QByteArray(70000, 'x') + "\"\"\"\n"}},
                 {"b.csv"}, 0, kHeader + "\"" + std::string(70000, 'x') + "\"\"\"," + kDefaults + ",\r\n", ""},
        CalcCase{"GbkAsChineseExcelSavesIt", {{"b.csv", gbk("name,concrete_grade,short_anchorage_on\r\n二层KL-1,C20,")}},
                 {"b.csv", "-o", "out.csv"}, 0, kHeader + "二层KL-1," + kDefaults + ",\r\n", ""},
        CalcCase{"RowStoppedByARunTimeErrorIsWritten", {{"b.csv", kStoppedRow}}, {"b.csv", "--format", "jsonl"}, 1,
                 kStoppedJson + "\n" + kComputedJson + "\n", ""},
        CalcCase{"JsonArray", {{"b.csv", kStoppedRow}}, {"b.csv", "-f", "json"}, 1,
                 "[\n" + kStoppedJson + ",\n" + kComputedJson + "\n]\n", ""},
        CalcCase{"EmptyJsonArray", {{"b.csv", "cover\n"}}, {"b.csv", "-f", "json"}, 0, "[]\n", ""},
        CalcCase{"OneBeamFileAsText", {{"KL-3.json", kBeamFile}}, {"KL-3.json"}, 0,
                 "梁：KL-3\n梁底钢板：A3号钢:4(厚)X131(宽)\n梁底钢板实选宽度：131\n梁面钢板：A3号钢:4(厚)X87(宽)\n"
                 "梁面钢板实选宽度：87\n计算锚固长度(mm)：229.333333333333mm\n梁侧U型钢板：3(厚)X24(宽bu)X150(高Lu)@100\n"
                 "加固后裂缝验算(mm)：0.049\n实际锚固长度(mm)：150\n钢板端部锚固区U型箍板：4个3(厚)X24(宽bu)X150(高Lu)@100\n"
                 "验算：1 项注意，2 项注意（取整）\n", ""},
        CalcCase{"CheckedAgainstTheBeamFilesCrackLimit",
                 {{"KL-3.json", R"({"format": "platewise-beam", "version": 2, "inputs": {}, "report": {"crack_limit": "0.03"}})"}},
                 {"KL-3.json"}, 0,
                 "梁：KL-3\n" + kDefaultText.substr(0, kDefaultText.rfind("验算")) +
                     "验算：1 项不满足（裂缝宽度 0.038\u00a0mm > 限值 0.03\u00a0mm），2 项注意（取整）\n", ""},
        // Inputs that cannot be used: nothing is written.
        CalcCase{"UnknownColumn", {{"b.csv", "beam_width\n250\n"}, {"c.csv", "name,beam_widht\nA,1\n"}},
                 {"b.csv", "c.csv"}, 2, "", "“c.csv”第1行“beam_widht”：不是梁的输入项\n"},
        CalcCase{"BadOptionNamesLineAndColumn", {{"b.csv", "name,short_anchorage_on\n\"KL\n\n\",1\nB,maybe\n"}},
                 {"b.csv", "-o", "out.csv"}, 2, "(none)",
                 "“b.csv”第5行“short_anchorage_on”：“maybe”应为true/false、1/0或是/否\n"},
        CalcCase{"RowWithMissingCells", {{"b.csv", "name,beam_width\nA\n"}}, {"b.csv"}, 2, "",
                 "“b.csv”第2行：有1个单元格，表头有2列\n"},
        CalcCase{"UnclosedQuote", {{"b.csv", "name\n\"A\n"}}, {"b.csv"}, 2, "", "“b.csv”第2行：引号未闭合\n"},
        CalcCase{"DuplicateColumn", {{"b.csv", "cover,name,cover\n"}}, {"b.csv"}, 2, "", "“b.csv”第1行“cover”：列名重复\n"},
        CalcCase{"UnnamedColumn", {{"b.csv", "cover,\n"}}, {"b.csv"}, 2, "", "“b.csv”第1行：第2列没有列名\n"},
        CalcCase{"EmptyTable", {{"b.csv", "\n"}}, {"b.csv"}, 2, "", "“b.csv”：没有表头行\n"},
        CalcCase{"NeitherBeamFileNorTable", {{"b.txt", ""}}, {"b.txt"}, 2, "", "“b.txt”：应为梁文件(.json)、工程文件(.pwproj)或梁表格(.csv、.xlsx)\n"},
        CalcCase{"MissingFile", {}, {"a.csv"}, 2, "", "“a.csv”：无法读取：文件不存在\n"},
        CalcCase{"UnwritableTargetKeepsTheOldFile", {{"b.csv", "beam_width\n250\n"}, {kUnwritable, "old"}},
                 {"b.csv", "-o", kUnwritable}, 2, "old",
                 "“" + kUnwritable.toStdString() + "”：无法保存，原文件未改动：文件名太长\n"},
        CalcCase{"FolderAsTarget", {{"b.csv", "beam_width\n250\n"}, {"d/x", ""}}, {"b.csv", "-o", "d"}, 2, "(none)",
                 "“d”：无法保存：是一个文件夹\n"},
        CalcCase{"MissingFolder", {{"b.csv", "beam_width\n250\n"}}, {"b.csv", "-o", "d/out.csv"}, 2, "(none)",
                 "“d/out.csv”：无法保存：所在的文件夹不存在\n"},
        CalcCase{"FolderAsInput", {{"d.json/x", ""}}, {"d.json"}, 2, "", "“d.json”：是一个文件夹，不是普通文件，不读取\n"},
        // An output that is an input: nothing is written, the input is kept.
        CalcCase{"IntoItsOwnBeamFile", {{"KL-3.json", kBeamFile}}, {"KL-3.json", "-o", "KL-3.json"}, 2,
                 kBeamFile.toStdString(), "“KL-3.json”：就是输入文件“KL-3.json”，不能同时作输出；什么也没写\n"},
        CalcCase{"AppendedToItsOwnTable", {{"b.csv", "cover\n"}, {"stdout.csv", "cover\n"}}, {"b.csv", "stdout.csv"}, 2,
                 "cover\n", "“标准输出”：就是输入文件“stdout.csv”，不能同时作输出；什么也没写\n"},
        // A row's limit holds its line end too.
        CalcCase{"RowOfJustTheLimit", {{"b.csv", "name\n" + QByteArray((1 << 20) - 1, 'x') + "\n"}}, {"b.csv"}, 0,
                 kHeader + std::string((1 << 20) - 1, 'x') + "," + kDefaults + ",\r\n", ""},
        CalcCase{"RowLongerThanAnyRealOne", {{"b.csv", "name\nA\n" + QByteArray(1 << 20, 'x') + "\n"}}, {"b.csv"}, 2, "",
                 "“b.csv”第3行：这一行超过1 MB，不像梁表格，不读取\n"},
        // What reaches a spreadsheet or a terminal: formulas as text, control characters escaped.
        CalcCase{"FormulasShownAsText",
                 {{"b.csv", "name,stirrup_spacing\n=HYPERLINK(\"x\"),\n+1,\n@SUM(1),\n-1,\n\"\tT\",\n\"\rR\",\n"}},
                 {"b.csv", "--format", "csv"}, 1,
                 kHeader + "\"'=HYPERLINK(\"\"x\"\")\"" + kStopped + "'+1" + kStopped + "'@SUM(1)" + kStopped +
                     "'-1" + kStopped + "'\tT" + kStopped + "\"'\rR\"" + kStopped, ""},
        CalcCase{"ControlCharactersEscapedInText",
                 {{"KL-3.json", R"({"format": "platewise-beam", "version": 1, "name": "\u001b[2J\u0007KL\r\u009b", "inputs": {}})"}},
                 {"KL-3.json"}, 0, "梁：\\x1b[2J\\x07KL\\x0d\\u009b\n" + kDefaultText, ""},
        CalcCase{"ControlCharactersEscapedInMessages", {{"b\x1b.csv", "name,\x1b]0;x\x07\n"}}, {"b\x1b.csv"}, 2, "",
                 "“b\\x1b.csv”第1行“\\x1b]0;x\\x07”：不是梁的输入项\n"},
        CalcCase{"NulAndBidirectionalControlsEscapedInText",
                 {{"KL-3.json", R"({"format": "platewise-beam", "version": 1, "name": "KL\u0000-1\u202e\u2066\u200f\u061c", "inputs": {}})"}},
                 {"KL-3.json"}, 0, "梁：KL\\x00-1\\u202e\\u2066\\u200f\\u061c\n" + kDefaultText, ""},
        CalcCase{"NulInACsvCellEscaped",
                 {{"KL-3.json", R"({"format": "platewise-beam", "version": 1, "name": "KL\u0000-1", "inputs": {}})"}},
                 {"KL-3.json", "-f", "csv"}, 0, kHeader + "KL\\x00-1," + kDefaults + ",\r\n", ""},
        CalcCase{"BidirectionalControlEscapedInMessages", {{"b.csv", "name,\u202ebeam_width\n"}}, {"b.csv"}, 2, "",
                 "“b.csv”第1行“\\u202ebeam_width”：不是梁的输入项\n"},
        CalcCase{"KeyTwiceInABeamFile",
                 {{"KL-3.json", "{\"format\": \"platewise-beam\", \"version\": 1,\n\"inputs\": {\"beam_height\": \"650\",\n\"beam_height\": \"0\"}}"}},
                 {"KL-3.json"}, 2, "", "“KL-3.json”第3行“beam_height”：键重复出现，同一对象中每个键只能有一次\n"},
        CalcCase{"NoFile", {}, {}, 2, "", "命令行有误：没有给出要计算的文件\n"},
        CalcCase{"UnknownFormat", {}, {"-f", "xml", "a.csv"}, 2, "",
                 "命令行有误：没有输出格式“xml”，应为text、json、jsonl、csv或xlsx\n"}),
    [](const auto& info) { return std::string(info.param.title); });
// clang-format on

// A table that changes after its check, before its beams are computed.
struct Change {
  const char* title;
  void (*change)(QFile& table);
};
void PrintTo(const Change& c, std::ostream* out) { *out << c.title; }

class ChangedTable : public ::testing::TestWithParam<Change> {};

TEST_P(ChangedTable, WritesNothingAnywhere) {
  CalcRun run;
  CalcRun::write({"out.csv", "old"});
  for (const char* target : {"-", "out.csv"}) {
    CalcRun::write({"b.csv", "name,cover\nA,30\nB,40\n"});
    const int status = run.run({"b.csv", "-o", target}, [] {
      QFile table("b.csv");
      ASSERT_TRUE(table.open(QIODevice::ReadWrite));
      GetParam().change(table);
    });
    EXPECT_EQ(status, 2);
  }
  EXPECT_EQ(CalcRun::read("stdout.csv"), "");
  EXPECT_EQ(CalcRun::read("out.csv"), "old");
  const std::string message =
      "“b.csv”：在计算过程中被改动了，结果作废，什么也没写；请等它写完再算\n";
  EXPECT_EQ(run.err(), message + message);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ChangedTable,
    ::testing::Values(Change{"Grown",
                             [](QFile& table) { table.seek(table.size()), table.write("C,50\n"); }},
                      // Only the bytes read tell this one: same size, its old time put back.
                      Change{"RewrittenUnderItsOldTime",
                             [](QFile& table) {
                               struct stat before {};
                               ::fstat(table.handle(), &before);
                               table.write("name,cover\nA,31");
                               table.flush();
                               const timespec times[] = {before.st_atim, before.st_mtim};
                               ::futimens(table.handle(), times);
                             }}),
    [](const auto& info) { return std::string(info.param.title); });

// A device given as the target, replaced by a plain file while the beams are
// computed: the file is not written into as if it were the device.
TEST(CalcTarget, DeviceSwappedForAFileMeanwhileIsNotWrittenInto) {
  CalcRun run;
  CalcRun::write({"b.csv", "cover\n30\n"});
  if (::mknod("null", S_IFCHR | 0666, makedev(1, 3)) != 0)
    GTEST_SKIP() << "cannot make a device node";
  const int status = run.run({"b.csv", "-o", "null"}, [] {
    QFile::remove("null");
    CalcRun::write({"null", "old"});
  });
  EXPECT_EQ(status, 2);
  EXPECT_EQ(CalcRun::read("null"), "old");
  EXPECT_EQ(run.err(), "“null”：无法写入：在计算过程中被换成了别的文件，什么也没写\n");
}

}  // namespace
}  // namespace platewise
