#pragma once
// ProjectModel: the beams of a project (工程) as a table, one row a beam.
// Columns: 构件编号, every input as the form labels it, every result field
// that is not also an input, the worst verdict of the checks and the
// run-time error that stopped the beam. Each row is designed once when its
// inputs change (design.h) and its outcome kept; painting only reads it.
// Input cells are edited as text (the two options as 是/否); result cells
// are read-only. Every edit is one step of the model's QUndoStack, so that
// it can be undone and redone.

#include <QAbstractTableModel>
#include <QUndoStack>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "beam.h"
#include "design.h"
#include "report_info.h"

namespace platewise {

// One beam as a row holds it: every input given, in the order of input_fields().
struct BeamRow {
  std::string name;
  std::vector<InputValue> inputs;

  bool operator==(const BeamRow&) const = default;
};

// The row of `beam`: the inputs it does not give keep their start texts.
BeamRow row_of(const Beam& beam);

class ProjectModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum class ColumnKind { Name, Input, Result, Worst, Failure };
  struct Column {
    ColumnKind kind;
    const InputField* input = nullptr;    // ColumnKind::Input
    const ResultField* result = nullptr;  // ColumnKind::Result
  };
  // Every column, in order.
  static std::span<const Column> columns();
  // The column a header cell names: its heading, or the role key of its field
  // ("name" for 构件编号); nullopt for none.
  static std::optional<int> column_of_heading(std::string_view heading);
  static QString heading(int column);

  // The order by weight a row's verdict column sorts by; Qt::UserRole gives it.
  static constexpr int kSortRole = Qt::UserRole;

  explicit ProjectModel(QObject* parent = nullptr);

  // Replaces the whole project; the undo history starts afresh.
  void set_project(const std::vector<Beam>& beams, const ReportInfo& info);
  // Each beam as the row gives it, with the project's report information and
  // its name as 构件编号.
  Beam beam(int row) const;
  std::vector<Beam> beams() const;
  const BeamRow& row(int row) const { return rows_.at(static_cast<std::size_t>(row)).beam; }
  // What the row's beam came to: the result texts in the order of result_fields().
  const BeamOutcome& outcome(int row) const {
    return rows_.at(static_cast<std::size_t>(row)).outcome;
  }
  // Whether a check ended in 不满足 or 注意, or a run-time error stopped the beam.
  bool needs_attention(int row) const;

  const ReportInfo& report_info() const { return info_; }

  QUndoStack& undo_stack() { return undo_; }
  const QUndoStack& undo_stack() const { return undo_; }

  // The edits; each is one undo step.
  void set_report_info(const ReportInfo& info);  // every row designed again
  void insert_beams(int row, const std::vector<BeamRow>& beams);
  void add_beam();  // a beam of start texts, after the last
  void duplicate_rows(int first, int count);
  void remove_rows(int first, int count);
  void move_row(int from, int to);
  void replace_row(int row, const BeamRow& beam);
  // Pastes tab-separated text at the cell (row, column), rows added after the
  // last as needed. A first row whose cells all name columns is a header: the
  // cells below go to the columns it names, from `row` on; a first row that
  // names two columns or more but not all is refused whole. Cells of result
  // columns are left alone. Returns what could not be pasted, or empty.
  QString paste(int row, int column, std::string_view tsv);
  // The cells of `rows` × `columns` (both in order) as tab-separated text
  // under a row of their headings, results included.
  std::string copy(const std::vector<int>& rows, const std::vector<int>& columns) const;

  // The text of a cell, as shown.
  std::string cell_text(int row, int column) const;

  // QAbstractTableModel
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  struct Entry {
    BeamRow beam;
    BeamOutcome outcome;
    std::optional<Verdict> worst;
  };
  Entry designed(BeamRow beam) const;
  static Beam to_beam(const BeamRow& row, const ReportInfo& info);
  // `row` with `text` put in `column`; nullopt when the text is no value of its field.
  static std::optional<BeamRow> with_cell(BeamRow row, int column, std::string_view text);
  // The primitive changes the undo steps make.
  void put_rows(int first, const std::vector<BeamRow>& beams);
  void insert_raw(int first, const std::vector<BeamRow>& beams);
  void remove_raw(int first, int count);
  void move_raw(int from, int to);
  void put_info(const ReportInfo& info);
  std::vector<BeamRow> rows_between(int first, int count) const;
  BeamRow start_row(int number) const;

  std::vector<Entry> rows_;
  ReportInfo info_;
  QUndoStack undo_;
};

}  // namespace platewise
