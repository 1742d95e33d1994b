#include "report_info_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "crack_limit.h"
#include "qt_text.h"
#include "remembered.h"

namespace platewise {

ReportInfoDialog::ReportInfoDialog(const ReportInfo& shown, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("report_info_dialog"));
  setWindowTitle(QStringLiteral("计算书信息"));
  auto* form = new QFormLayout;
  for (std::size_t i = 0; i < kReportInfoFields.size(); ++i) {
    const ReportInfoField& field = kReportInfoFields[i];
    fields_[i] = new QLineEdit(qt_text(shown.*field.text), this);
    fields_[i]->setMinimumWidth(fontMetrics().horizontalAdvance(QString(24, u'宽')));
    form->addRow(qt_text(field.label) + QStringLiteral("："), fields_[i]);
  }
  field(&ReportInfo::crack_limit)->setPlaceholderText(QStringLiteral("留空取默认值"));

  problem_ = new QLabel(this);
  problem_->setObjectName(QStringLiteral("problem"));
  problem_->setStyleSheet(QStringLiteral("color: #c00000"));
  problem_->hide();

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
  ok->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(problem_);
  layout->addWidget(buttons);
  setSizeGripEnabled(false);
}

QLineEdit* ReportInfoDialog::field(std::string ReportInfo::*text) const {
  const auto found = std::ranges::find(kReportInfoFields, text, &ReportInfoField::text);
  return fields_[static_cast<std::size_t>(found - kReportInfoFields.begin())];
}

ReportInfo ReportInfoDialog::info() const {
  ReportInfo info;
  for (std::size_t i = 0; i < kReportInfoFields.size(); ++i) {
    info.*kReportInfoFields[i].text = fields_[i]->text().trimmed().toStdString();
  }
  return info;
}

void ReportInfoDialog::accept() {
  if (!is_crack_limit_text(info().crack_limit)) {
    problem_->setText(QString::fromUtf8(kCrackLimitRule));
    problem_->show();
    field(&ReportInfo::crack_limit)->setFocus();
    field(&ReportInfo::crack_limit)->selectAll();
    return;
  }
  QDialog::accept();
}

ReportInfo report_info_to_offer(const ReportInfo& current, const ReportInfo& remembered) {
  ReportInfo offered = carries_report_info(current) ? current : remembered;
  offered.member = current.member;
  return offered;
}

void ask_report_info(QWidget& window, const ReportInfo& current,
                     std::function<void(const ReportInfo&)> accepted) {
  auto* dialog =
      new ReportInfoDialog(report_info_to_offer(current, remembered_report_info()), &window);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  QObject::connect(dialog, &QDialog::accepted, &window, [dialog, accepted] {
    const ReportInfo info = dialog->info();
    remember_report_info(info);
    accepted(info);
  });
  dialog->open();
}

}  // namespace platewise
