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
#include "sketch_picture.h"

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

// The file's bytes, made in memory: the writers may close the device they write to.
QByteArray report_bytes(const ReportBook& given, ReportFormat format) {
  std::optional<ReportBook> made;
  const ReportBook& book = shown_book(given, made);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  switch (format) {
    case ReportFormat::Pdf: {
      QPdfWriter writer(&buffer);
      writer.setPageLayout(report_page_layout());
      writer.setTitle(document_title(book));
      writer.setCreator(QStringLiteral("%1 %2").arg(kProgramName, kProgramVersion));
      if (paint_report(book, writer) == 0) return {};
      break;
    }
    case ReportFormat::Odt:
    case ReportFormat::Docx: {
      const auto sketches = sketch_pictures(book);
      return format == ReportFormat::Odt ? odt_bytes(book, sketches) : docx_bytes(book, sketches);
    }
    case ReportFormat::Html:
      return report_html(book).toUtf8();
  }
  return buffer.data();
}

QByteArray report_bytes(const ReportModel& report, ReportFormat format) {
  return report_bytes(one_beam_book(report), format);
}

}  // namespace platewise
