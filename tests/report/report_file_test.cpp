// The report's file in each format: what its bytes are, and a package's
// parts in order with the sketch; the typed extension decides the format.

#include "report_file.h"

#include <gtest/gtest.h>

#include "editable_reading.h"
#include "sample_reports.h"

namespace platewise::testing {
namespace {

struct FileRow {
  const char* name;
  ReportFormat format;
  std::string shape;  // the first line; for a package its parts, "(stored)" when not compressed
};
void PrintTo(const FileRow& row, std::ostream* out) { *out << row.name; }

class ReportFileTest : public ::testing::TestWithParam<FileRow> {};

INSTANTIATE_TEST_SUITE_P(
    Each, ReportFileTest,
    ::testing::Values(FileRow{"Pdf", ReportFormat::Pdf, "%PDF-1.4"},
                      FileRow{"Html", ReportFormat::Html, "<!DOCTYPE html>"},
                      FileRow{
                          "Docx", ReportFormat::Docx,
                          "[Content_Types].xml, _rels/.rels, docProps/core.xml, word/document.xml, "
                          "word/_rels/document.xml.rels, word/styles.xml, word/settings.xml, "
                          "word/fontTable.xml, word/footer1.xml, word/header1.xml, "
                          "word/media/image1.png (stored)"},
                      FileRow{"Odt", ReportFormat::Odt,
                              "mimetype (stored): application/vnd.oasis.opendocument.text, "
                              "META-INF/manifest.xml, content.xml, styles.xml, meta.xml, "
                              "Pictures/image1.svg, Pictures/image1.png (stored)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(ReportFileTest, HoldsItsPartsAndTheSketch) {
  const FileRow& row = GetParam();
  const QByteArray bytes = report_bytes(one_beam_book(sample_report("KL-1", true, 1)), row.format);
  std::string shape;
  for (const PackageEntry& entry : package_entries(bytes)) {
    shape += (shape.empty() ? "" : ", ") + entry.name + (entry.stored ? " (stored)" : "") +
             (entry.name == "mimetype" ? ": " + entry.bytes.toStdString() : "");
  }
  EXPECT_EQ(shape.empty() ? bytes.left(bytes.indexOf('\n')).toStdString() : shape, row.shape);
}

TEST(ReportFileName, TypedExtensionDecidesElseTheChosenFilter) {
  EXPECT_EQ(name_for("a.ODT", ReportFormat::Pdf), "a.ODT");
  EXPECT_EQ(name_for("a.htm", ReportFormat::Pdf), "a.htm");
  EXPECT_EQ(name_for("a.txt", ReportFormat::Html), "a.txt.html");
  EXPECT_EQ(name_for("a", ReportFormat::Odt), "a.odt");
  EXPECT_EQ(name_for("a", ReportFormat::Docx), "a.docx");
  EXPECT_EQ(format_of_name("b.DOCX"), ReportFormat::Docx);
  EXPECT_EQ(format_of_name("a.Pdf"), ReportFormat::Pdf);
  EXPECT_EQ(format_of_name("a.txt"), std::nullopt);
}

}  // namespace
}  // namespace platewise::testing
