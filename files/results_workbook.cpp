#include "results_workbook.h"

#include <xlsxwriter.h>

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <map>
#include <optional>

#include "file_error.h"
#include "file_io.h"
#include "number_rules.h"
#include "qt_utf8.h"
#include "report_info_fields.h"
#include "table_header.h"

namespace platewise {
namespace {

constexpr std::string_view kMillimetres = "mm";

// A result as a number and the format that shows it as the window does:
// "0.038" is 0.038 in "0.000", "172mm" is 172 in 0"mm".
struct ShownNumber {
  double value;
  std::string format;
};

std::optional<ShownNumber> shown_number_of(std::string_view text) {
  std::string unit;
  if (text.ends_with(kMillimetres)) {
    text.remove_suffix(kMillimetres.size());
    unit = "\"mm\"";
  }
  const std::optional<double> value = strict_number(text);
  if (!value) return std::nullopt;
  if (text.find_first_of("Ee") != std::string_view::npos)
    return ShownNumber{*value, "0.00E+00" + unit};
  const std::size_t point = text.find('.');
  std::string format = "0";
  if (point != std::string_view::npos) format.append(1, '.').append(text.size() - point - 1, '0');
  return ShownNumber{*value, format.append(unit)};
}

// How many columns of a sheet a text takes: two for a wide (CJK) character.
double text_width(std::string_view text) {
  double width = 0;
  for (const QChar c : qstring(text)) width += c.unicode() >= 0x2E80 ? 2.0 : 1.0;
  return width;
}

class Sheet {
 public:
  Sheet(const QString& path, const QString& tmpdir, const QString& file) : file_(file) {
    const QByteArray folder = tmpdir.toLocal8Bit();
    lxw_workbook_options options{};
    options.tmpdir = const_cast<char*>(folder.constData());
    const QByteArray name = path.toLocal8Bit();
    book_ = workbook_new_opt(name.constData(), &options);
    if (book_ == nullptr) fail(QStringLiteral("无法创建工作簿"));
    sheet_ = workbook_add_worksheet(book_, "计算结果");
    header_ = workbook_add_format(book_);
    format_set_bold(header_);
  }
  ~Sheet() {
    if (book_ != nullptr) workbook_close(book_);  // after a failure: only the temporary file
  }

  [[noreturn]] void fail(const QString& reason) const {
    throw FileError(FileFault::Unwritable, file_, 0, {}, reason);
  }

  void text(lxw_row_t row, lxw_col_t column, std::string_view text, lxw_format* format = nullptr) {
    if (text.empty()) return;
    const std::string cell(text);
    check(worksheet_write_string(sheet_, row, column, cell.c_str(), format), row, column);
    widen(column, text_width(text));
  }
  void result(lxw_row_t row, lxw_col_t column, const std::string& shown) {
    const std::optional<ShownNumber> number = shown_number_of(shown);
    if (!number) return text(row, column, shown);
    check(worksheet_write_number(sheet_, row, column, number->value, number_format(number->format)),
          row, column);
    widen(column, text_width(shown));
  }
  lxw_format* verdict_format(Verdict verdict) {
    lxw_format*& format = verdicts_[verdict];
    if (format == nullptr) {
      format = workbook_add_format(book_);
      format_set_font_color(format, verdict_rgb(verdict));
      if (verdict != Verdict::Satisfied) format_set_bold(format);
    }
    return format;
  }
  lxw_format* header() const { return header_; }

  void properties(const ReportInfo& info) {
    title_ = info.project.empty() ? std::string("计算结果") : info.project + " 计算结果";
    lxw_doc_properties properties{};
    properties.title = title_.data();
    properties.subject = const_cast<char*>("粘钢加固计算结果");
    properties.author = const_cast<char*>(info.designer.c_str());
    workbook_set_properties(book_, &properties);
    for (const ReportInfoField& field : kReportInfoFields) {
      const std::string& value = info.*field.text;
      if (field.key.empty() || value.empty()) continue;
      const std::string label(field.label);
      workbook_set_custom_property_string(book_, label.c_str(), value.c_str());
    }
  }

  // Freezes the header row, sizes the columns and writes the file.
  void close() {
    worksheet_freeze_panes(sheet_, 1, 0);
    for (const auto& [column, width] : widths_) {
      worksheet_set_column(sheet_, column, column, std::min(width + 2, 80.0), nullptr);
    }
    const lxw_error error = workbook_close(std::exchange(book_, nullptr));
    if (error != LXW_NO_ERROR) fail(QString::fromUtf8(lxw_strerror(error)));
  }

 private:
  void check(lxw_error error, lxw_row_t row, lxw_col_t column) const {
    if (error == LXW_NO_ERROR) return;
    fail(QStringLiteral("第%1行第%2列无法写入：%3")
             .arg(row + 1)
             .arg(column + 1)
             .arg(QString::fromUtf8(lxw_strerror(error))));
  }
  void widen(lxw_col_t column, double width) {
    double& widest = widths_[column];
    widest = std::max(widest, width);
  }
  lxw_format* number_format(const std::string& shown) {
    lxw_format*& format = numbers_[shown];
    if (format == nullptr) {
      format = workbook_add_format(book_);
      format_set_num_format(format, shown.c_str());
    }
    return format;
  }

  QString file_;
  lxw_workbook* book_ = nullptr;
  lxw_worksheet* sheet_ = nullptr;
  lxw_format* header_ = nullptr;
  std::map<Verdict, lxw_format*> verdicts_;
  std::map<std::string, lxw_format*> numbers_;
  std::map<lxw_col_t, double> widths_;
  std::string title_;
};

}  // namespace

QByteArray results_workbook_bytes(const std::vector<ResultRow>& rows, const ReportInfo& info,
                                  const QString& file) {
  if (rows.size() >= LXW_ROW_MAX) {
    throw FileError(FileFault::Unwritable, file, 0, {},
                    QStringLiteral("%1根梁超过工作表的行数").arg(rows.size()));
  }
  const QTemporaryDir folder;
  if (!folder.isValid()) {
    throw FileError(FileFault::Unwritable, file, 0, {},
                    QStringLiteral("无法创建临时文件夹：%1").arg(folder.errorString()));
  }
  const QString path = folder.filePath(QStringLiteral("results.xlsx"));
  {
    Sheet sheet(path, folder.path(), file);
    lxw_col_t column = 0;
    sheet.text(0, column++, kNameHeader, sheet.header());
    for (const ResultField& field : result_fields())
      sheet.text(0, column++, field.key, sheet.header());
    sheet.text(0, column++, "verdict", sheet.header());
    sheet.text(0, column, "error", sheet.header());
    lxw_row_t row = 1;
    for (const ResultRow& beam : rows) {
      column = 0;
      sheet.text(row, column++, beam.name);
      for (const std::string& result : beam.outcome.results) sheet.result(row, column++, result);
      if (const std::optional<Verdict> worst = worst_verdict(beam.outcome.checks)) {
        sheet.text(row, column, verdict_word(*worst), sheet.verdict_format(*worst));
      }
      ++column;
      if (beam.outcome.error) sheet.text(row, column, describe(*beam.outcome.error));
      ++row;
    }
    sheet.properties(info);
    sheet.close();
  }
  QFile written(path);
  if (!written.open(QIODevice::ReadOnly)) {
    throw FileError(FileFault::Unwritable, file, 0, {}, written.errorString());
  }
  return written.readAll();
}

void write_results_workbook(const QString& path, const std::vector<ResultRow>& rows,
                            const ReportInfo& info) {
  write_atomically(path, results_workbook_bytes(rows, info, path));
}

}  // namespace platewise
