// Workbooks (.xlsx) in and out: hand-made packages with each kind of cell
// and each kind of broken or hostile file, workbooks written by
// libxlsxwriter, and the results workbook read back cell by cell.

#include <gtest/gtest.h>
#include <xlsxwriter.h>
#include <zip.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "calc_command.h"
#include "design.h"
#include "file_error.h"
#include "results_workbook.h"
#include "table_file.h"
#include "workbook_reader.h"
#include "zip_parts.h"

namespace platewise {
namespace {

constexpr qsizetype kBombSize = (64 << 20) + 1;

const QByteArray kRels =
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/></Relationships>)";
// The first tab is the second sheet part, named from the package's root.
const QByteArray kWorkbook =
    R"(<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)"
    R"(<sheets><sheet name="梁" sheetId="2" r:id="rId2"/><sheet name="旧" sheetId="1" r:id="rId1"/></sheets></workbook>)";
const QByteArray kWorkbookRels =
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/>)"
    R"(<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="/xl/worksheets/sheet2.xml"/>)"
    R"(<Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/></Relationships>)";

QByteArray sheet(const QByteArray& rows) {
  return R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>)" +
         rows + "</sheetData></worksheet>";
}

QByteArray shared(const QByteArray& items) {
  return R"(<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)" + items +
         "</sst>";
}

QByteArray workbook(const QByteArray& rows, const QByteArray& strings = shared("")) {
  return zip_of({{"_rels/.rels", kRels},
                 {"xl/workbook.xml", kWorkbook},
                 {"xl/_rels/workbook.xml.rels", kWorkbookRels},
                 {"xl/sharedStrings.xml", strings},
                 {"xl/worksheets/sheet1.xml", sheet(R"(<row r="1"><c r="A1"><v>9</v></c></row>)")},
                 {"xl/worksheets/sheet2.xml", sheet(rows)}});
}

// "1: A=x C=3", a line a row.
std::string shown(const std::vector<SheetRow>& rows) {
  std::string text;
  for (const SheetRow& row : rows) {
    text += std::to_string(row.number) + ":";
    for (const SheetCell& cell : row.cells) {
      text += ' ' + std::string(1, static_cast<char>('A' + cell.column)) + '=' + cell.text;
    }
    text += '\n';
  }
  return text;
}

std::string message_of(const QByteArray& bytes) {
  try {
    first_worksheet_rows(bytes, "b.xlsx");
  } catch (const FileError& error) {
    return error.message().toStdString();
  }
  return "(read)";
}

struct SheetCase {
  const char* title;
  QByteArray rows;
  QByteArray strings;
  std::string read;  // the rows shown, or the message
};
void PrintTo(const SheetCase& c, std::ostream* out) { *out << c.title; }

class FirstWorksheet : public ::testing::TestWithParam<SheetCase> {};

TEST_P(FirstWorksheet, ReadsEveryCellAsItsText) {
  const QByteArray bytes = workbook(GetParam().rows, shared(GetParam().strings));
  try {
    EXPECT_EQ(shown(first_worksheet_rows(bytes, "b.xlsx")), GetParam().read);
  } catch (const FileError& error) {
    EXPECT_EQ(error.message().toStdString(), GetParam().read);
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cells, FirstWorksheet,
    ::testing::Values(
        SheetCase{"SharedStringsRichTextWithoutPhonetics",
                  R"(<row r="1"><c r="A1" t="s"><v>1</v></c><c r="B1" t="s"><v>0</v></c></row>)",
                  R"(<si><t>KL-1</t></si><si><r><t>梁</t></r><r><rPr/><t xml:space="preserve">宽 </t></r><rPh><t>リャン</t></rPh></si>)",
                  "1: A=梁宽  B=KL-1\n"},
        SheetCase{"InlineStrings", R"(<row r="2"><c r="B2" t="inlineStr"><is><t>KL-2</t></is></c></row>)", "",
                  "2: B=KL-2\n"},
        SheetCase{"NumbersAsTheirNumberText",
                  R"(<row r="1"><c r="A1"><v>330</v></c><c r="B1" t="n"><v>0.20000000000000001</v></c>)"
                  R"(<c r="C1"><v>0.1</v></c><c r="D1"><v>1.0000000000000001E-7</v></c><c r="E1"><v>-2.5e3</v></c></row>)",
                  "", "1: A=330 B=0.2 C=0.1 D=1E-07 E=-2500\n"},
        SheetCase{"FormulasByTheirCachedValue",
                  R"(<row r="1"><c r="A1"><f>1+1</f><v>2</v></c><c r="B1" t="str"><f>"a"&amp;"b"</f><v>ab</v></c>)"
                  R"(<c r="C1" t="b"><v>1</v></c><c r="D1" t="b"><v>0</v></c><c r="E1" t="e"><f>1/0</f><v>#DIV/0!</v></c><c r="F1"><f>A1</f></c></row>)",
                  "", "1: A=2 B=ab C=true D=false E=#DIV/0!\n"},
        SheetCase{"EmptyRowsAndCellsLeftOut",
                  R"(<row r="1"><c r="A1" t="inlineStr"><is><t>x</t></is></c><c r="C1"><v>3</v></c></row><row r="2"/>)"
                  R"(<row r="3"><c r="B3" s="1"/><c r="C3" t="inlineStr"><is><t></t></is></c></row><row><c><v>1</v></c><c><v>2</v></c></row>)",
                  "", "1: A=x C=3\n4: A=1 B=2\n"},
        SheetCase{"SharedStringMissing", R"(<row r="1"><c r="A1" t="s"><v>5</v></c></row>)", "<si><t>x</t></si>",
                  "“b.xlsx”“A1”：共享文字“5”不存在"},
        SheetCase{"NumberThatIsNone", R"(<row r="1"><c r="B1"><v>12mm</v></c></row>)", "",
                  "“b.xlsx”“B1”：数值单元格“12mm”不是数"},
        SheetCase{"BadCellReference", R"(<row r="1"><c r="1A"><v>1</v></c></row>)", "",
                  "“b.xlsx”“1A”：不是有效的单元格位置"},
        SheetCase{"BrokenXml", R"(<row r="1"><c r="A1"><v>1</v></row>)", "",
                  "“b.xlsx”“xl/worksheets/sheet2.xml”：不是有效的XML：Opening and ending tag mismatch."}),
    [](const auto& info) { return std::string(info.param.title); });
// clang-format on

TEST(WorkbookRefused, NotAZipEncryptedMissingPartsAndBombs) {
  EXPECT_EQ(message_of("name,beam_width\nA,250\n"), "“b.xlsx”：不是.xlsx工作簿（不是zip文件）");
  EXPECT_EQ(message_of(QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1") + QByteArray(504, '\0')),
            "“b.xlsx”：工作簿已加密或是旧的.xls格式，请在Excel中另存为不加密的.xlsx");
  EXPECT_EQ(message_of(zip_of({{"_rels/.rels", kRels}})),
            "“b.xlsx”“xl/workbook.xml”：工作簿缺少此部分");
  // What the zip says a part unpacks to is refused before it is unpacked.
  const QByteArray zeros(kBombSize, '\0');
  EXPECT_EQ(message_of(zip_of({{"_rels/.rels", kRels}, {"xl/worksheets/sheet2.xml", zeros}})),
            "“b.xlsx”“xl/worksheets/sheet2.xml”：解压后超过64 MB，不像梁表格，不读取");
  // One shared text of 1 MB in every row: the texts read count, not the bytes unpacked.
  QByteArray rows;
  for (int row = 1; row <= 70; ++row) {
    rows += QStringLiteral(R"(<row r="%1"><c r="A%1" t="s"><v>0</v></c></row>)").arg(row).toUtf8();
  }
  EXPECT_EQ(message_of(workbook(rows, shared("<si><t>" + QByteArray(1 << 20, 'x') + "</t></si>"))),
            "“b.xlsx”“A64”：解压后超过64 MB，不像梁表格，不读取");
}

// A workbook as a spreadsheet program writes it (shared strings, a formula, a
// second sheet) reads as the same table in CSV.
TEST(WorkbookTable, ReadsAsTheSameTableInCsv) {
  const QTemporaryDir dir;
  const QString path = dir.filePath("b.xlsx");
  lxw_workbook* book = workbook_new(path.toLocal8Bit().constData());
  lxw_worksheet* first = workbook_add_worksheet(book, "梁");
  worksheet_write_string(first, 0, 0, "构件编号", nullptr);
  worksheet_write_string(first, 0, 1, "梁宽(mm)", nullptr);
  worksheet_write_string(first, 0, 2, "stirrup_area_req", nullptr);
  worksheet_write_string(first, 0, 3, "redistribution_on", nullptr);
  worksheet_write_string(first, 1, 0, "KL-1", nullptr);
  worksheet_write_formula_num(first, 1, 1, "=200+50", nullptr, 250);
  worksheet_write_number(first, 1, 2, 0.1, nullptr);
  worksheet_write_boolean(first, 1, 3, 1, nullptr);
  worksheet_write_string(first, 3, 0, "KL-2", nullptr);
  worksheet_write_number(first, 3, 2, 1e-7, nullptr);
  worksheet_write_string(workbook_add_worksheet(book, "旧"), 0, 0, "cover", nullptr);
  ASSERT_EQ(workbook_close(book), LXW_NO_ERROR);
  QFile csv(dir.filePath("b.csv"));
  ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
  csv.write(
      "name,beam_width,stirrup_area_req,redistribution_on\nKL-1,250,0.1,true\nKL-2,,1E-07,\n");
  csv.close();
  const std::vector<Beam> from_csv = read_table(csv.fileName());
  EXPECT_EQ(read_table(path), from_csv);
  ASSERT_EQ(from_csv.size(), 2U);
  EXPECT_EQ(*from_csv[1].given("stirrup_area_req"), InputValue("1E-07"));
}

// The cells of a sheet part that are numbers, "C2 E2 …".
std::string numeric_cells(const QByteArray& sheet) {
  std::string cells;
  const QRegularExpression cell(R"re(<c r="([A-Z]+[0-9]+)"( s="[0-9]+")?>)re");
  for (auto it = cell.globalMatch(QString::fromUtf8(sheet)); it.hasNext();) {
    cells += it.next().captured(1).toStdString() + ' ';
  }
  return cells;
}

QByteArray part_of(const QString& path, const char* name) {
  zip_t* archive = zip_open(path.toLocal8Bit().constData(), ZIP_RDONLY, nullptr);
  if (archive == nullptr) return {};
  QByteArray bytes;
  if (zip_file_t* part = zip_fopen(archive, name, 0)) {
    char chunk[1 << 14];
    for (zip_int64_t got = 0; (got = zip_fread(part, chunk, sizeof chunk)) > 0;) {
      bytes.append(chunk, static_cast<qsizetype>(got));
    }
    zip_fclose(part);
  }
  zip_discard(archive);
  return bytes;
}

class ResultsWorkbook : public ::testing::Test {
 protected:
  void SetUp() override {
    QBuffer err;
    err.open(QIODevice::WriteOnly);
    const QString table = QStringLiteral(PLATEWISE_EXAMPLES "/beams-gbk.csv");
    ASSERT_EQ(run_calc({"platewise", "calc", table, "-o", path_}, {1, err}), kSomeStopped)
        << err.data().toStdString();
  }
  QTemporaryDir dir_;
  QString path_ = dir_.filePath("结果.xlsx");
};

TEST_F(ResultsWorkbook, NumbersAreNumericCellsAndReadBackAsTheirNumbers) {
  QFile file(path_);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const std::vector<SheetRow> rows = first_worksheet_rows(file.readAll(), path_);
  ASSERT_EQ(rows.size(), 21U);
  EXPECT_EQ(shown({rows[0], rows[1], rows[12], rows[20]}),
            "1: A=name B=bottom_plate C=bottom_width D=top_plate E=top_width F=anchorage "
            "G=side_u_plates H=crack_width I=actual_anchorage J=hoop_plates K=verdict L=error\n"
            "2: A=一层KL-1 B=A3号钢:5(厚)X191(宽) C=191 D=A3号钢:5(厚)X285(宽) E=285 F=215 "
            "G=梁箍筋无需加固 H=0.074 K=注意\n"
            "13: A=三层KL-2 B=16Mn钢:4(厚)X37(宽) C=37 D=16Mn钢:4(厚)X211(宽) E=211 F=201.6 "
            "G=梁箍筋无需加固 H=0.118 I=150 K=不满足 L=箍板宽度未定：梁箍筋无需加固，"
            "未算出梁侧U型钢板的宽度bu，无法确定U型箍板的个数\n"
            "21: A=四层KL-5 B=A3号钢:6(厚)X108(宽) C=108 D=A3号钢:6(厚)X184(宽) E=184 F=258 "
            "G=梁箍筋无需加固 H=0.204 K=注意（取整）\n");
  const QByteArray sheet = part_of(path_, "xl/worksheets/sheet1.xml");
  EXPECT_TRUE(numeric_cells(sheet).starts_with("C2 E2 F2 H2 C3 "));
  EXPECT_TRUE(sheet.contains(
      R"(<pane ySplit="1" topLeftCell="A2" activePane="bottomLeft" state="frozen"/>)"));
  EXPECT_TRUE(part_of(path_, "xl/styles.xml").contains(R"(formatCode="0&quot;mm&quot;")"));
}

// LibreOffice Calc opens it with numbers where numbers are; needs soffice with Calc.
TEST_F(ResultsWorkbook, LibreOfficeShowsTheNumbersAsTheWindowDoes) {
  const QString soffice = QStandardPaths::findExecutable("soffice");
  if (soffice.isEmpty()) GTEST_SKIP() << "soffice is not installed";
  QProcess convert;
  convert.setWorkingDirectory(dir_.path());
  convert.start(soffice, {"-env:UserInstallation=file://" + dir_.filePath("profile"), "--headless",
                          "--convert-to", "csv:Text - txt - csv (StarCalc):44,34,76", path_,
                          "--outdir", dir_.path()});
  ASSERT_TRUE(convert.waitForFinished(120000)) << "soffice did not finish within two minutes";
  QFile csv(dir_.filePath("结果.csv"));
  if (!csv.open(QIODevice::ReadOnly)) {
    GTEST_SKIP() << "soffice cannot convert a workbook here (LibreOffice Calc is not installed)";
  }
  const QList<QByteArray> lines = csv.readAll().split('\n');
  ASSERT_GE(lines.size(), 3);
  EXPECT_EQ(lines[1].trimmed().toStdString(),
            "一层KL-1,A3号钢:5(厚)X191(宽),191,A3号钢:5(厚)X285(宽),285,215mm,梁箍筋无需加固,"
            "0.074,,,注意,");
}

}  // namespace
}  // namespace platewise
