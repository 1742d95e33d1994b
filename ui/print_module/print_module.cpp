// The print module: Qt's print dialog and print preview for the report.

#include <QDir>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QStandardPaths>
#include <QWidget>

#include "print_support.h"

namespace platewise {
namespace {

class QtPrintSupport : public PrintSupport {
 public:
  void print(QWidget& window, const QPageLayout& layout, const QString& name, PaintPages paint,
             std::function<void()> failed) override {
    auto* dialog = new QPrintDialog(&printer(layout, name), &window);
    dialog->setWindowTitle(QStringLiteral("打印计算书"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, qOverload<QPrinter*>(&QPrintDialog::accepted), dialog,
                     [paint, failed](QPrinter* chosen) {
                       if (paint(*chosen) == 0) failed();
                     });
    dialog->open();
  }

  void preview(QWidget& window, const QPageLayout& layout, const QString& name,
               PaintPages paint) override {
    auto* dialog = new QPrintPreviewDialog(&printer(layout, name), &window);
    dialog->setWindowTitle(QStringLiteral("计算书预览"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    const QRect screen = window.screen()->availableGeometry();
    dialog->resize(screen.width() * 4 / 5, screen.height() * 9 / 10);
    QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
                     [paint](QPrinter* shown) { paint(*shown); });
    dialog->open();
  }

 private:
  // One printer for the program's life, so that the engineer's choices stay.
  QPrinter& printer(const QPageLayout& layout, const QString& name) {
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

  std::unique_ptr<QPrinter> printer_;
};

}  // namespace
}  // namespace platewise

extern "C" Q_DECL_EXPORT platewise::PrintSupport* platewise_print_support() {
  static platewise::QtPrintSupport support;
  return &support;
}
