#include "pdf_text.h"

#include <QProcess>

namespace platewise::testing {

QString output_of(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished();
  return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList pdf_pages(const QString& path) {
  QStringList pages = output_of("pdftotext", {"-enc", "UTF-8", path, "-"}).split('\f');
  if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
  return pages;
}

QString pdf_info(const QString& path) { return output_of("pdfinfo", {"-enc", "UTF-8", path}); }

QString pdf_fonts(const QString& path) { return output_of("pdffonts", {path}); }

}  // namespace platewise::testing
