#pragma once
// The dialog 计算书信息: who and what the calculation report is for — 工程名称,
// 构件编号, 裂缝宽度限值[w], 计算, 校对, 审核. It opens filled in, so that Enter
// accepts it and Esc cancels; [w] must be empty or a positive number.

#include <QDialog>
#include <array>
#include <functional>

#include "report_info.h"
#include "report_info_fields.h"

class QLabel;
class QLineEdit;

namespace platewise {

class ReportInfoDialog : public QDialog {
  Q_OBJECT

 public:
  ReportInfoDialog(const ReportInfo& shown, QWidget* parent);

  // What the fields say now, blanks around each text removed.
  ReportInfo info() const;
  // The field of a ReportInfo member: &ReportInfo::project …
  QLineEdit* field(std::string ReportInfo::*text) const;

  void accept() override;

 private:
  std::array<QLineEdit*, kReportInfoFields.size()> fields_{};
  QLabel* problem_;
};

// What the dialog offers for a beam whose window says `current`: the beam's
// own information when it carries any, else what was accepted last; the
// member is always the beam's.
ReportInfo report_info_to_offer(const ReportInfo& current, const ReportInfo& remembered);

// Opens the dialog over `window`, window-modal, filled in as
// report_info_to_offer() says with what was accepted last; once the engineer
// accepts it, remembers the information and passes it to `accepted`.
// Returns at once.
void ask_report_info(QWidget& window, const ReportInfo& current,
                     std::function<void(const ReportInfo&)> accepted);

}  // namespace platewise
