#include "report_file.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPdfWriter>
#include <QTextDocument>

#include "docx_writer.h"
#include "odt_writer.h"
#include "program_version.h"
#include "report_document.h"
#include "report_html.h"
#include "report_pages.h"
#include "report_parts.h"

namespace platewise {
std::optional<ReportFormat> format_of_name(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == "pdf") return ReportFormat::Pdf;
  if (suffix == "odt") return ReportFormat::Odt;
  if (suffix == "html" || suffix == "htm") return ReportFormat::Html;
  if (suffix == "docx") return ReportFormat::Docx;
  return std::nullopt;
}

QString extension_of(ReportFormat format) {
  switch (format) {
    case ReportFormat::Odt:
      return QStringLiteral("odt");
    case ReportFormat::Html:
      return QStringLiteral("html");
    case ReportFormat::Docx:
      return QStringLiteral("docx");
    case ReportFormat::Pdf:
      break;
  }
  return QStringLiteral("pdf");
}

QString name_for(const QString& path, ReportFormat chosen) {
  return format_of_name(path) ? path : path + "." + extension_of(chosen);
}

namespace {

// Passes what is written on to `target`, and no more: the PDF writer closes
// the device it writes to when it ends, which a QSaveFile must not be.
class PassOn final : public QIODevice {
 public:
  explicit PassOn(QIODevice& target) : target_(target) { open(QIODevice::WriteOnly); }
  bool isSequential() const override { return true; }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 size) override { return target_.write(data, size); }

 private:
  QIODevice& target_;
};

bool write_pdf(const ReportBook& book, QIODevice& out, const PaintProgress& progress) {
  PassOn pass_on(out);
  QPdfWriter writer(&pass_on);
  writer.setPageLayout(report_page_layout());
  writer.setTitle(document_title(book));
  writer.setCreator(QStringLiteral("%1 %2").arg(kProgramName, kProgramVersion));
  return paint_report(book, writer, progress) > 0;
}

bool write_whole(const QByteArray& bytes, QIODevice& out) {
  return !bytes.isEmpty() && out.write(bytes) == bytes.size();
}

}  // namespace

bool write_report(const ReportBook& given, ReportFormat format, QIODevice& out,
                  const PaintProgress& progress) {
  std::optional<ReportBook> made;
  const ReportBook& book = shown_book(given, made);
  switch (format) {
    case ReportFormat::Pdf:
      return write_pdf(book, out, progress);
    case ReportFormat::Odt:
    case ReportFormat::Docx:
      return write_whole(format == ReportFormat::Odt ? odt_bytes(book) : docx_bytes(book), out);
    case ReportFormat::Html:
      return write_whole(report_html(book).toUtf8(), out);
  }
  return false;
}

QByteArray report_bytes(const ReportBook& book, ReportFormat format) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  return write_report(book, format, buffer) ? buffer.data() : QByteArray();
}

QByteArray report_bytes(const ReportModel& report, ReportFormat format) {
  return report_bytes(one_beam_book(report), format);
}

}  // namespace platewise
