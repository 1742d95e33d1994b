#include "project_model.h"

#include <QBrush>
#include <QUndoCommand>
#include <algorithm>
#include <functional>

#include "calc_error.h"
#include "option_words.h"
#include "qt_text.h"
#include "report_book.h"
#include "report_parts.h"
#include "table_header.h"
#include "tsv.h"

namespace platewise {
namespace {

using enum ProjectModel::ColumnKind;

constexpr std::string_view kVerdictHeading = "验算";
constexpr std::string_view kErrorHeading = "计算出错";
constexpr std::string_view kTicked = "是";
constexpr std::string_view kClear = "否";

std::vector<ProjectModel::Column> make_columns() {
  std::vector<ProjectModel::Column> columns{{Name}};
  for (const InputField& field : input_fields()) columns.push_back({Input, &field});
  // A result field that is also an input (the actual anchorage) is shown once, as the input.
  for (const ResultField& field : result_fields()) {
    if (input_by_key(field.key) == nullptr) columns.push_back({Result, nullptr, &field});
  }
  columns.push_back({Worst});
  columns.push_back({Failure});
  return columns;
}

std::size_t input_index(const InputField* field) {
  return static_cast<std::size_t>(field - input_fields().data());
}

// The members' table's reading of a verdict: 计算未完成 for a beam that stopped.
MemberRow member_of(const BeamOutcome& outcome, std::optional<Verdict> worst) {
  MemberRow member;
  member.worst = outcome.error ? std::nullopt : worst;
  member.complete = !outcome.error;
  return member;
}

// An undo step of two functions.
class UndoStep : public QUndoCommand {
 public:
  UndoStep(const QString& text, std::function<void()> redo, std::function<void()> undo)
      : QUndoCommand(text), redo_(std::move(redo)), undo_(std::move(undo)) {}
  void redo() override { redo_(); }
  void undo() override { undo_(); }

 private:
  std::function<void()> redo_, undo_;
};

}  // namespace

BeamRow row_of(const Beam& beam) {
  BeamRow row{beam.name, {}};
  for (const InputField& field : input_fields()) {
    if (field.kind == FieldKind::Check) {
      row.inputs.emplace_back(false);
    } else {
      row.inputs.emplace_back(std::string(field.start_text));
    }
  }
  for (const GivenInput& given : beam.inputs) row.inputs[input_index(given.field)] = given.value;
  return row;
}

std::span<const ProjectModel::Column> ProjectModel::columns() {
  static const std::vector<Column> columns = make_columns();
  return columns;
}

QString ProjectModel::heading(int column) {
  const Column& c = columns()[static_cast<std::size_t>(column)];
  switch (c.kind) {
    case Name:
      return qt_text(kNameLabel);
    case Input:
      return qt_text(c.input->label);
    case Result:
      return qt_text(c.result->label);
    case Worst:
      return qt_text(kVerdictHeading);
    case Failure:
      return qt_text(kErrorHeading);
  }
  return {};
}

std::optional<int> ProjectModel::column_of_heading(std::string_view heading_text) {
  const auto column_where = [](auto&& is) -> std::optional<int> {
    const auto found = std::ranges::find_if(columns(), is);
    if (found == columns().end()) return std::nullopt;
    return static_cast<int>(found - columns().begin());
  };
  if (is_name_header(heading_text)) return 0;
  if (const InputField* input = input_of_header(heading_text)) {
    return column_where([input](const Column& c) { return c.input == input; });
  }
  if (const ResultField* result = result_of_header(heading_text)) {
    // A result that is also an input is the input's column.
    if (const InputField* input = input_by_key(result->key)) {
      return column_where([input](const Column& c) { return c.input == input; });
    }
    return column_where([result](const Column& c) { return c.result == result; });
  }
  const QString wanted = qt_text(heading_text).trimmed();
  for (int i = 0; i < static_cast<int>(columns().size()); ++i) {
    if (!wanted.isEmpty() && wanted == heading(i)) return i;
  }
  return std::nullopt;
}

ProjectModel::ProjectModel(QObject* parent) : QAbstractTableModel(parent) {}

ProjectModel::Entry ProjectModel::designed(BeamRow beam) const {
  Entry entry{std::move(beam), {}, {}};
  Design outcome = design(to_beam(entry.beam, info_));
  entry.worst = worst_verdict(outcome.checks);
  entry.outcome = std::move(static_cast<BeamOutcome&>(outcome));
  return entry;
}

Beam ProjectModel::to_beam(const BeamRow& row, const ReportInfo& info) {
  Beam beam{row.name, {}, info};
  beam.report.member = row.name;
  for (std::size_t i = 0; i < row.inputs.size(); ++i) {
    beam.inputs.push_back({&input_fields()[i], row.inputs[i]});
  }
  return beam;
}

void ProjectModel::set_project(const std::vector<Beam>& beams, const ReportInfo& info) {
  beginResetModel();
  info_ = info;
  rows_.clear();
  rows_.reserve(beams.size());
  for (const Beam& beam : beams) rows_.push_back(designed(row_of(beam)));
  endResetModel();
  undo_.clear();
}

Beam ProjectModel::beam(int row) const { return to_beam(this->row(row), info_); }

std::vector<Beam> ProjectModel::beams() const {
  std::vector<Beam> beams;
  for (const Entry& entry : rows_) beams.push_back(to_beam(entry.beam, info_));
  return beams;
}

bool ProjectModel::needs_attention(int row) const {
  const Entry& entry = rows_.at(static_cast<std::size_t>(row));
  return entry.outcome.error || (entry.worst && *entry.worst >= Verdict::Attention);
}

std::string ProjectModel::cell_text(int row, int column) const {
  const Entry& entry = rows_.at(static_cast<std::size_t>(row));
  const Column& c = columns()[static_cast<std::size_t>(column)];
  switch (c.kind) {
    case Name:
      return entry.beam.name;
    case Input: {
      const InputValue& value = entry.beam.inputs[input_index(c.input)];
      if (const bool* ticked = std::get_if<bool>(&value)) {
        return std::string(*ticked ? kTicked : kClear);
      }
      return std::get<std::string>(value);
    }
    case Result:
      return result_text(entry.outcome, c.result->key);
    case Worst:
      return member_verdict_text(member_of(entry.outcome, entry.worst)).toStdString();
    case Failure:
      return entry.outcome.error ? describe(*entry.outcome.error) : std::string();
  }
  return {};
}

std::optional<BeamRow> ProjectModel::with_cell(BeamRow row, int column, std::string_view text) {
  const Column& c = columns()[static_cast<std::size_t>(column)];
  if (c.kind == Name) {
    row.name = text;
  } else if (c.kind == Input) {
    InputValue& value = row.inputs[input_index(c.input)];
    if (c.input->kind == FieldKind::Check) {
      const std::optional<bool> ticked = option_word(text);
      if (!ticked) return std::nullopt;
      value = *ticked;
    } else {
      value = std::string(text);
    }
  } else {
    return std::nullopt;
  }
  return row;
}

int ProjectModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ProjectModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns().size());
}

QVariant ProjectModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const Entry& entry = rows_[static_cast<std::size_t>(index.row())];
  const ColumnKind kind = columns()[static_cast<std::size_t>(index.column())].kind;
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return qt_text(cell_text(index.row(), index.column()));
    case Qt::ForegroundRole:
      if (kind == Worst) {
        if (const auto verdict = member_verdict_colour(member_of(entry.outcome, entry.worst))) {
          return QBrush(verdict_colour(*verdict));
        }
      }
      if (kind == Failure) return QBrush(QColor(kAlertColour));
      return {};
    case Qt::BackgroundRole:
      // Read-only cells on a faint ground, so that what may be typed stands out.
      if (kind == Result || kind == Worst || kind == Failure)
        return QBrush(QColor(0xf2, 0xf2, 0xf2));
      return {};
    case kSortRole:
      if (kind == Worst) {
        if (entry.outcome.error) return static_cast<int>(Verdict::NotSatisfied) + 2;
        return entry.worst ? 1 + static_cast<int>(*entry.worst) : 0;
      }
      return {};
    default:
      return {};
  }
}

bool ProjectModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole) return false;
  const std::string text = value.toString().toStdString();
  if (text == cell_text(index.row(), index.column())) return true;
  const std::optional<BeamRow> changed = with_cell(row(index.row()), index.column(), text);
  if (!changed) return false;
  replace_row(index.row(), *changed);
  return true;
}

Qt::ItemFlags ProjectModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  const ColumnKind kind = columns()[static_cast<std::size_t>(index.column())].kind;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (kind == Name || kind == Input) flags |= Qt::ItemIsEditable;
  return flags;
}

QVariant ProjectModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  if (section < 0 || section >= columnCount()) return {};
  return heading(section);
}

// The primitive changes.

void ProjectModel::put_rows(int first, const std::vector<BeamRow>& beams) {
  for (std::size_t i = 0; i < beams.size(); ++i) {
    rows_[static_cast<std::size_t>(first) + i] = designed(beams[i]);
  }
  if (beams.empty()) return;
  emit dataChanged(index(first, 0),
                   index(first + static_cast<int>(beams.size()) - 1, columnCount() - 1));
}

void ProjectModel::insert_raw(int first, const std::vector<BeamRow>& beams) {
  if (beams.empty()) return;
  beginInsertRows({}, first, first + static_cast<int>(beams.size()) - 1);
  std::vector<Entry> entries;
  for (const BeamRow& beam : beams) entries.push_back(designed(beam));
  rows_.insert(rows_.begin() + first, std::make_move_iterator(entries.begin()),
               std::make_move_iterator(entries.end()));
  endInsertRows();
}

void ProjectModel::remove_raw(int first, int count) {
  if (count <= 0) return;
  beginRemoveRows({}, first, first + count - 1);
  rows_.erase(rows_.begin() + first, rows_.begin() + first + count);
  endRemoveRows();
}

void ProjectModel::move_raw(int from, int to) {
  // Qt counts the place to move to before the move: one past it when moving down.
  beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
  Entry entry = std::move(rows_[static_cast<std::size_t>(from)]);
  rows_.erase(rows_.begin() + from);
  rows_.insert(rows_.begin() + to, std::move(entry));
  endMoveRows();
}

void ProjectModel::put_info(const ReportInfo& info) {
  info_ = info;
  for (Entry& entry : rows_) entry = designed(std::move(entry.beam));
  if (!rows_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

std::vector<BeamRow> ProjectModel::rows_between(int first, int count) const {
  std::vector<BeamRow> beams;
  for (int i = first; i < first + count; ++i) beams.push_back(row(i));
  return beams;
}

BeamRow ProjectModel::start_row(int number) const {
  BeamRow beam = row_of(Beam{});
  beam.name = "KL-" + std::to_string(number);
  return beam;
}

// The edits, as undo steps.

void ProjectModel::set_report_info(const ReportInfo& info) {
  if (info == info_) return;
  undo_.push(new UndoStep(
      QStringLiteral("修改计算书信息"), [this, info] { put_info(info); },
      [this, old = info_] { put_info(old); }));
}

void ProjectModel::insert_beams(int row, const std::vector<BeamRow>& beams) {
  if (beams.empty()) return;
  const int count = static_cast<int>(beams.size());
  undo_.push(new UndoStep(
      QStringLiteral("添加构件"), [this, row, beams] { insert_raw(row, beams); },
      [this, row, count] { remove_raw(row, count); }));
}

void ProjectModel::add_beam() { insert_beams(rowCount(), {start_row(rowCount() + 1)}); }

void ProjectModel::duplicate_rows(int first, int count) {
  if (count <= 0) return;
  std::vector<BeamRow> copies = rows_between(first, count);
  for (BeamRow& copy : copies) copy.name += "(复制)";
  insert_beams(first + count, copies);
}

void ProjectModel::remove_rows(int first, int count) {
  if (count <= 0) return;
  undo_.push(new UndoStep(
      QStringLiteral("删除构件"), [this, first, count] { remove_raw(first, count); },
      [this, first, beams = rows_between(first, count)] { insert_raw(first, beams); }));
}

void ProjectModel::move_row(int from, int to) {
  if (from == to || from < 0 || to < 0 || from >= rowCount() || to >= rowCount()) return;
  undo_.push(new UndoStep(
      QStringLiteral("移动构件"), [this, from, to] { move_raw(from, to); },
      [this, from, to] { move_raw(to, from); }));
}

void ProjectModel::replace_row(int row, const BeamRow& beam) {
  if (beam == this->row(row)) return;
  undo_.push(new UndoStep(
      QStringLiteral("修改构件"), [this, row, beam] { put_rows(row, {beam}); },
      [this, row, old = this->row(row)] { put_rows(row, {old}); }));
}

QString ProjectModel::paste(int row, int column, std::string_view tsv) {
  TsvRows cells = parse_tsv(tsv);
  if (cells.empty()) return {};
  // The columns the cells go to: as a header row names them, or from `column` on.
  std::vector<std::optional<int>> targets;
  const auto& first = cells.front();
  const bool header = std::ranges::any_of(first, [](const std::string& c) { return !c.empty(); }) &&
                      std::ranges::all_of(first, [](const std::string& c) {
                        return qt_text(c).trimmed().isEmpty() || column_of_heading(c).has_value();
                      });
  // A first row that names some columns and not others is a header with a
  // mistake in it, not a beam: nothing is pasted.
  if (!header && std::ranges::count_if(first, [](const std::string& c) {
                   return column_of_heading(c).has_value();
                 }) >= 2) {
    QStringList unknown;
    for (const std::string& cell : first) {
      if (!qt_text(cell).trimmed().isEmpty() && !column_of_heading(cell)) unknown << qt_text(cell);
    }
    return QStringLiteral("表头中的“%1”不是本表的列名").arg(unknown.join("”“"));
  }
  if (header) {
    // A heading met twice (the selected width, an input and a result) counts the first time.
    for (const std::string& cell : first) {
      std::optional<int> target = column_of_heading(cell);
      if (std::ranges::find(targets, target) != targets.end()) target.reset();
      targets.push_back(target);
    }
    cells.erase(cells.begin());
    if (cells.empty()) return {};
  } else {
    for (std::size_t i = 0; i < first.size(); ++i) targets.push_back(column + static_cast<int>(i));
  }
  row = std::clamp(row, 0, rowCount());
  const int count = static_cast<int>(cells.size());
  const int added = std::max(0, row + count - rowCount());
  std::vector<BeamRow> before = rows_between(row, count - added);
  std::vector<BeamRow> after = before;
  for (int i = 0; i < added; ++i) after.push_back(start_row(rowCount() + i + 1));
  QStringList refused;
  for (int r = 0; r < count; ++r) {
    const auto& line = cells[static_cast<std::size_t>(r)];
    for (std::size_t i = 0; i < line.size() && i < targets.size(); ++i) {
      if (!targets[i] || *targets[i] >= columnCount()) continue;
      const Column& c = columns()[static_cast<std::size_t>(*targets[i])];
      if (c.kind != Name && c.kind != Input) continue;  // results follow from the inputs
      BeamRow& beam = after[static_cast<std::size_t>(r)];
      if (auto changed = with_cell(beam, *targets[i], line[i])) {
        beam = std::move(*changed);
      } else {
        refused << QStringLiteral("第%1行“%2”：“%3”应为是/否")
                       .arg(row + r + 1)
                       .arg(heading(*targets[i]), qt_text(line[i]));
      }
    }
  }
  undo_.beginMacro(QStringLiteral("粘贴"));
  if (added > 0) {
    insert_beams(rowCount(), std::vector<BeamRow>(after.end() - added, after.end()));
  }
  if (before.size() > 0) {
    std::vector<BeamRow> changed(after.begin(), after.end() - added);
    undo_.push(new UndoStep(
        QStringLiteral("粘贴"), [this, row, changed] { put_rows(row, changed); },
        [this, row, before] { put_rows(row, before); }));
  }
  undo_.endMacro();
  return refused.join(QStringLiteral("；"));
}

std::string ProjectModel::copy(const std::vector<int>& rows,
                               const std::vector<int>& columns) const {
  TsvRows cells(1);
  for (int column : columns) cells.front().push_back(heading(column).toStdString());
  for (int row : rows) {
    auto& line = cells.emplace_back();
    for (int column : columns) line.push_back(cell_text(row, column));
  }
  return tsv_text(cells);
}

}  // namespace platewise
