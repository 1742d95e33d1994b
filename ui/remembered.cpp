#include "remembered.h"

#include <QFileInfo>
#include <QSettings>

#include "qt_text.h"
#include "report_info_fields.h"

namespace platewise {
namespace {

const QString kRecentFiles = QStringLiteral("recent_files");

// Made on each use: QSettings keeps one shared copy of the file in memory
// and writes it back when the last QSettings of it goes.
QSettings settings() {
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("platewise"),
                   QStringLiteral("platewise"));
}

QString report_key(const ReportInfoField& field) {
  return QStringLiteral("report/") + qt_text(field.key);
}

}  // namespace

QStringList recent_files() {
  return settings().value(kRecentFiles).toStringList().mid(0, kRecentFileCount);
}

void remember_recent_file(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  QStringList files = recent_files();
  files.removeAll(absolute);
  files.prepend(absolute);
  settings().setValue(kRecentFiles, files.mid(0, kRecentFileCount));
}

void forget_recent_file(const QString& path) {
  QStringList files = recent_files();
  files.removeAll(QFileInfo(path).absoluteFilePath());
  settings().setValue(kRecentFiles, files);
}

ReportInfo remembered_report_info() {
  const QSettings remembered = settings();
  ReportInfo info;
  for (const ReportInfoField& field : kReportInfoFields) {
    if (!field.key.empty()) {
      info.*field.text = remembered.value(report_key(field)).toString().toStdString();
    }
  }
  return info;
}

void remember_report_info(const ReportInfo& info) {
  QSettings remembered = settings();
  for (const ReportInfoField& field : kReportInfoFields) {
    if (!field.key.empty()) remembered.setValue(report_key(field), qt_text(info.*field.text));
  }
}

}  // namespace platewise
