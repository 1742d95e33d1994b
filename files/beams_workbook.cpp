#include "beams_workbook.h"

#include <xlsxwriter.h>

#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "file_error.h"
#include "number_rules.h"
#include "table_header.h"

namespace platewise {
namespace {

[[noreturn]] void fail(const QString& file, const QString& reason) {
  throw FileError(FileFault::Unwritable, file, 0, {}, reason);
}

void check(lxw_error error, const QString& file) {
  if (error != LXW_NO_ERROR) fail(file, QString::fromUtf8(lxw_strerror(error)));
}

void write_value(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const InputValue& value,
                 const QString& file) {
  if (const bool* ticked = std::get_if<bool>(&value)) {
    return check(worksheet_write_boolean(sheet, row, column, *ticked, nullptr), file);
  }
  const std::string& text = std::get<std::string>(value);
  if (text.empty()) return;
  if (const std::optional<double> number = strict_number(text)) {
    return check(worksheet_write_number(sheet, row, column, *number, nullptr), file);
  }
  check(worksheet_write_string(sheet, row, column, text.c_str(), nullptr), file);
}

}  // namespace

QByteArray beams_workbook_bytes(const std::vector<Beam>& beams, const QString& file) {
  if (beams.size() >= LXW_ROW_MAX)
    fail(file, QStringLiteral("%1根梁超过工作表的行数").arg(beams.size()));
  const QTemporaryDir folder;
  if (!folder.isValid())
    fail(file, QStringLiteral("无法创建临时文件夹：%1").arg(folder.errorString()));
  const QString path = folder.filePath(QStringLiteral("beams.xlsx"));
  const QByteArray tmpdir = folder.path().toLocal8Bit();
  lxw_workbook_options options{};
  options.tmpdir = const_cast<char*>(tmpdir.constData());
  lxw_workbook* book = workbook_new_opt(path.toLocal8Bit().constData(), &options);
  if (book == nullptr) fail(file, QStringLiteral("无法创建工作簿"));
  // Closed on every way out: a failed workbook is only its temporary file.
  std::unique_ptr<lxw_workbook, lxw_error (*)(lxw_workbook*)> closing(book, workbook_close);
  lxw_worksheet* sheet = workbook_add_worksheet(book, "梁");
  std::vector<const InputField*> columns;
  if (!beams.empty()) {
    for (const GivenInput& input : beams.front().inputs) columns.push_back(input.field);
  }
  check(worksheet_write_string(sheet, 0, 0, std::string(kNameHeader).c_str(), nullptr), file);
  for (std::size_t c = 0; c < columns.size(); ++c) {
    const std::string key(columns[c]->key);
    check(worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c + 1), key.c_str(), nullptr),
          file);
  }
  for (std::size_t i = 0; i < beams.size(); ++i) {
    const auto row = static_cast<lxw_row_t>(i + 1);
    if (!beams[i].name.empty()) {
      check(worksheet_write_string(sheet, row, 0, beams[i].name.c_str(), nullptr), file);
    }
    for (std::size_t c = 0; c < columns.size(); ++c) {
      if (const InputValue* value = beams[i].given(columns[c]->key)) {
        write_value(sheet, row, static_cast<lxw_col_t>(c + 1), *value, file);
      }
    }
  }
  check(workbook_close(closing.release()), file);
  QFile written(path);
  if (!written.open(QIODevice::ReadOnly)) fail(file, written.errorString());
  return written.readAll();
}

}  // namespace platewise
