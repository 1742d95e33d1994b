#pragma once
// The project's grid as it is shown: sorted by a column, and, when asked,
// only the beams that need a look (不满足, 注意 or stopped by an error).
// Numbers sort as numbers, the verdict by its weight, other texts as
// Chinese readers order them.

#include <QSortFilterProxyModel>

namespace platewise {

class ProjectModel;

class ProjectFilter : public QSortFilterProxyModel {
  Q_OBJECT

 public:
  explicit ProjectFilter(ProjectModel& model, QObject* parent = nullptr);

  void set_attention_only(bool only);
  bool attention_only() const { return attention_only_; }

 protected:
  bool filterAcceptsRow(int source_row, const QModelIndex& source_parent) const override;
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

 private:
  ProjectModel& model_;
  bool attention_only_ = false;
};

}  // namespace platewise
