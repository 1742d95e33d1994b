#include "beam_table.h"

#include <QFileInfo>
#include <algorithm>

#include "file_error.h"
#include "option_words.h"
#include "qt_utf8.h"
#include "table_header.h"

namespace platewise {
namespace {

bool all_empty(const std::vector<std::string>& cells) {
  return std::ranges::all_of(cells, [](const std::string& cell) { return cell.empty(); });
}

}  // namespace

BeamTable::BeamTable(QIODevice& in, const QString& file, TextEncoding encoding)
    : file_(file),
      unnamed_(utf8(QFileInfo(file).fileName()) + ':'),
      csv_(std::make_unique<CsvReader>(in, encoding, file)),
      rows_(*csv_) {
  read_header();
}

BeamTable::BeamTable(TableRows& rows, const QString& file)
    : file_(file), unnamed_(utf8(QFileInfo(file).fileName()) + ':'), rows_(rows) {
  read_header();
}

BeamTable::~BeamTable() = default;

void BeamTable::read_header() {
  do {
    if (!rows_.next(cells_)) {
      throw FileError(FileFault::NoHeader, file_, 0, {}, QStringLiteral("没有表头行"));
    }
  } while (all_empty(cells_));
  for (const std::string& cell : cells_) {
    const QString key = qstring(cell).trimmed();
    if (key.isEmpty()) {
      throw FileError(FileFault::UnknownKey, file_, rows_.line(), {},
                      QStringLiteral("第%1列没有列名").arg(columns_.size() + 1));
    }
    const InputField* field = input_of_header(cell);
    if (field == nullptr && !is_name_header(cell)) {
      throw FileError(FileFault::UnknownKey, file_, rows_.line(), key,
                      QStringLiteral("不是梁的输入项"));
    }
    if (std::ranges::find(columns_, field) != columns_.end()) {
      throw FileError(FileFault::DuplicateColumn, file_, rows_.line(), key,
                      QStringLiteral("列名重复"));
    }
    columns_.push_back(field);
  }
}

bool BeamTable::next_row() {
  do {
    if (!rows_.next(cells_)) return false;
  } while (all_empty(cells_));
  if (cells_.size() != columns_.size()) {
    throw FileError(
        FileFault::CellCount, file_, rows_.line(), {},
        QStringLiteral("有%1个单元格，表头有%2列").arg(cells_.size()).arg(columns_.size()));
  }
  return true;
}

bool BeamTable::option_in(std::size_t column) const {
  const std::optional<bool> ticked = option_word(cells_[column]);
  if (!ticked) {
    throw FileError(FileFault::WrongType, file_, rows_.line(), qstring(columns_[column]->key),
                    QStringLiteral("“%1”应为true/false、1/0或是/否").arg(qstring(cells_[column])));
  }
  return *ticked;
}

bool BeamTable::next(Beam& beam) {
  if (!next_row()) return false;
  // A table without a name column names its beams by file and line.
  if (std::ranges::find(columns_, nullptr) == columns_.end()) {
    beam.name = unnamed_ + std::to_string(rows_.line());
  }
  beam.inputs.resize(columns_.size() -
                     static_cast<std::size_t>(std::ranges::count(columns_, nullptr)));
  auto input = beam.inputs.begin();
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    const InputField* field = columns_[i];
    if (field == nullptr) {
      beam.name = std::move(cells_[i]);
      continue;
    }
    input->field = field;
    if (field->kind != FieldKind::Check) {
      (input++)->value = std::move(cells_[i]);
    } else {
      (input++)->value = option_in(i);
    }
  }
  return true;
}

bool BeamTable::check_next() {
  if (!next_row()) return false;
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    if (columns_[i] != nullptr && columns_[i]->kind == FieldKind::Check) option_in(i);
  }
  return true;
}

}  // namespace platewise
