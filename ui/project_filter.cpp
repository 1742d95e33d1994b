#include "project_filter.h"

#include "project_model.h"

namespace platewise {

ProjectFilter::ProjectFilter(ProjectModel& model, QObject* parent)
    : QSortFilterProxyModel(parent), model_(model) {
  setSourceModel(&model);
  // A row designed anew after an edit may now pass or fail the filter.
  setDynamicSortFilter(true);
}

void ProjectFilter::set_attention_only(bool only) {
  if (only == attention_only_) return;
  attention_only_ = only;
  invalidateFilter();
}

bool ProjectFilter::filterAcceptsRow(int source_row, const QModelIndex&) const {
  return !attention_only_ || model_.needs_attention(source_row);
}

bool ProjectFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  const QVariant left_weight = left.data(ProjectModel::kSortRole);
  const QVariant right_weight = right.data(ProjectModel::kSortRole);
  if (left_weight.isValid() && right_weight.isValid()) {
    return left_weight.toInt() < right_weight.toInt();
  }
  const QString a = left.data(Qt::DisplayRole).toString();
  const QString b = right.data(Qt::DisplayRole).toString();
  bool a_number = false, b_number = false;
  const double x = a.toDouble(&a_number), y = b.toDouble(&b_number);
  if (a_number && b_number) return x < y;
  if (a_number != b_number) return a_number;  // numbers before texts
  return a.localeAwareCompare(b) < 0;
}

}  // namespace platewise
