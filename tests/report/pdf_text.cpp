#include "pdf_text.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>

namespace platewise::testing {

void save_report(const ReportBook& book, const QString& path, ReportFormat format) {
  QFile file(path);
  const QByteArray bytes = report_bytes(book, format);
  ASSERT_FALSE(bytes.isEmpty()) << path.toStdString();
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
      << path.toStdString();
}

QString output_of(const QString& program, const QStringList& arguments) {
  const std::string command = (program + ' ' + arguments.join(' ')).toStdString();
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForStarted(-1)) {
    ADD_FAILURE() << "cannot run " << command << ": " << process.errorString().toStdString();
    return {};
  }
  // Far longer than these tools take on any file of the tests, however loaded the machine.
  if (!process.waitForFinished(120'000)) {
    process.kill();
    process.waitForFinished(-1);
    ADD_FAILURE() << command << " still running after 2 minutes; ended";
    return {};
  }
  if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
    ADD_FAILURE() << command << " failed (exit status " << process.exitCode()
                  << "): " << process.readAllStandardError().toStdString();
  }
  return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList pdf_pages(const QString& path) {
  QStringList pages = output_of("pdftotext", {"-enc", "UTF-8", path, "-"}).split('\f');
  if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
  return pages;
}

}  // namespace platewise::testing
