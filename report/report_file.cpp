#include "report_file.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

#include "docx_writer.h"
#include "odt_writer.h"
#include "program_version.h"
#include "report_document.h"
#include "report_pages.h"
#include "sketch_picture.h"

namespace platewise {
namespace {

// Why a file operation failed, in the engineer's words.
QString reason_of(const QFileDevice& file) {
  switch (file.error()) {
    case QFileDevice::PermissionsError:
      return QStringLiteral("没有写入权限");
    case QFileDevice::ResourceError:
      return QStringLiteral("磁盘空间不足");
    case QFileDevice::OpenError:
      return QStringLiteral("无法创建文件（文件夹不存在或不可写）");
    case QFileDevice::WriteError:
      return QStringLiteral("写入失败（磁盘可能已满）");
    case QFileDevice::NoError:
      return QStringLiteral("写入失败");
    default:
      return file.errorString();
  }
}

}  // namespace

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

ReportFileError::ReportFileError(Kind kind, const QString& path, const QString& reason)
    : std::runtime_error(reason.toStdString()), kind_(kind), path_(path), reason_(reason) {}

QString ReportFileError::message() const {
  return QStringLiteral("无法保存计算书“%1”：%2").arg(path_, reason_);
}

// The file's bytes, made in memory: the writers may close the device they write to.
QByteArray report_bytes(const ReportModel& report, ReportFormat format) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  switch (format) {
    case ReportFormat::Pdf: {
      QPdfWriter writer(&buffer);
      writer.setPageLayout(report_page_layout());
      writer.setTitle(QString::fromStdString(report.title));
      writer.setCreator(QStringLiteral("%1 %2").arg(kProgramName, kProgramVersion));
      if (paint_report(report, writer) == 0) return {};
      break;
    }
    case ReportFormat::Odt:
    case ReportFormat::Docx: {
      ReportBook book;  // of one beam: no title page, no members' table
      book.project = report.info.project;
      book.chapters = {report};
      const auto sketches = sketch_pictures(book);
      return format == ReportFormat::Odt ? odt_bytes(book, sketches) : docx_bytes(book, sketches);
    }
    case ReportFormat::Html:
      return report_html(report).toUtf8();
  }
  return buffer.data();
}

void save_report(const ReportModel& report, const QString& path, ReportFormat format) {
  using Kind = ReportFileError::Kind;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) throw ReportFileError(Kind::Open, path, reason_of(file));
  const QByteArray bytes = report_bytes(report, format);
  if (bytes.isEmpty() || file.write(bytes) != bytes.size()) {
    const QString reason = reason_of(file);
    file.cancelWriting();
    throw ReportFileError(Kind::Write, path, reason);
  }
  if (!file.commit()) throw ReportFileError(Kind::Commit, path, reason_of(file));
}

}  // namespace platewise
