#pragma once
// Reading .docx and .odt files back for the tests: the package's parts, and
// the document as text lines that show what a reader sees, the same way for
// both formats, paragraphs named by their style's Word id:
//   "document title: 项目 KL-1 计算书"  the package's metadata
//   "=== 项目 KL-1 计算书 / 第 {PAGE} 页 共 {NUMPAGES} 页"  a part starts: header / footer
//   "Heading1 计算书", "CalcLine h_{0} = 565 mm", "Centered …", "Caption …",
//   "[picture 80x60mm]", "| 梁宽(mm) | 330 |" (a table row, paragraphs of a cell joined by " / "),
// with runs marked as the report's texts mark them ("_{…}", "^{…}") and
// coloured ones as "{red:…}", "{amber:…}", "{alert:…}" (red and bold).

#include <QByteArray>
#include <string>
#include <vector>

#include "report_file.h"

namespace platewise::testing {

struct PackageEntry {
  std::string name;
  bool stored = false;
  QByteArray bytes;
};

// The entries in the order the package holds them; empty when it is no ZIP.
std::vector<PackageEntry> package_entries(const QByteArray& package);
QByteArray package_part(const QByteArray& package, const std::string& name);

std::vector<std::string> document_lines(ReportFormat format, const QByteArray& package);

// How the styles set their text, those that set any: first the defaults
// ("defaults: CJK AR PL UMing CN, Latin Times New Roman, 10.5pt, zh-CN"),
// then each style by its Word id ("Heading1: CJK AR PL UMing CN, bold, 16pt").
std::vector<std::string> style_lines(ReportFormat format, const QByteArray& package);

}  // namespace platewise::testing
