#pragma once
// Reading .docx and .odt files back for the tests: the package's parts, and
// the document as text lines that show what a reader sees, the same way for
// both formats:
//   "=== 项目 KL-1 计算书 / 第 {PAGE} 页 共 {NUMPAGES} 页"  a part starts: header / footer
//   "H1 计算书", "H2 1 输入数据", "P h_{0} = 565 mm", "C …" (centered), "T …" (title),
//   "Cap …" (caption), "[picture 80x60mm]", "| 梁宽(mm) | 330 |" (a table row),
// with runs marked as the report's texts mark them ("_{…}", "^{…}") and
// coloured ones as "{red:…}", "{amber:…}", "{alert:…}" (red and bold).

#include <QByteArray>
#include <map>
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

// How a style sets its text: "heading 1: Song AR PL UMing CN, bold, 16pt".
// `role` is "title", "heading 1", "heading 2" or "body" (the defaults).
std::string style_summary(ReportFormat format, const QByteArray& package, const std::string& role);

}  // namespace platewise::testing
