#include "report_printer.h"

#include <QDir>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QStandardPaths>
#include <QWidget>

namespace platewise {

ReportPrinter::ReportPrinter() = default;
ReportPrinter::~ReportPrinter() = default;

void ReportPrinter::print(QWidget& window, const QPageLayout& layout, const QString& name,
                          PaintPages paint, std::function<void()> failed) {
  auto* dialog = new QPrintDialog(&printer(layout, name), &window);
  dialog->setWindowTitle(QStringLiteral("打印计算书"));
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  QObject::connect(dialog, qOverload<QPrinter*>(&QPrintDialog::accepted), dialog,
                   [paint, failed](QPrinter* chosen) {
                     if (paint(*chosen) == 0) failed();
                   });
  dialog->open();
}

void ReportPrinter::preview(QWidget& window, const QPageLayout& layout, const QString& name,
                            PaintPages paint) {
  auto* dialog = new QPrintPreviewDialog(&printer(layout, name), &window);
  dialog->setWindowTitle(QStringLiteral("计算书预览"));
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  const QRect screen = window.screen()->availableGeometry();
  dialog->resize(screen.width() * 4 / 5, screen.height() * 9 / 10);
  QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
                   [paint](QPrinter* shown) { paint(*shown); });
  dialog->open();
}

QPrinter& ReportPrinter::printer(const QPageLayout& layout, const QString& name) {
  if (!printer_) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setPageLayout(layout);
  }
  printer_->setDocName(name);
  // Without a printer, Qt's print dialog offers printing to a PDF file: name
  // one apart from the saved report's, which it must not overwrite.
  if (QPrinterInfo::availablePrinters().isEmpty()) {
    printer_->setOutputFileName(
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(name + "-打印.pdf"));
  }
  return *printer_;
}

}  // namespace platewise
