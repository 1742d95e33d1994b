#pragma once
// Printing and the print preview live in a module of their own, loaded the
// first time the engineer prints, so that the window starts without Qt's
// print support.

#include <QString>
#include <functional>

class QPagedPaintDevice;
class QPageLayout;
class QWidget;

namespace platewise {

// Paints the report on a printer's pages; gives the number of pages, 0 on failure.
using PaintPages = std::function<int(QPagedPaintDevice&)>;

class PrintSupport {
 public:
  virtual ~PrintSupport() = default;
  // Opens the print dialog over `window`, pages laid out as `layout` until
  // the engineer chooses otherwise; where there is no printer it offers a
  // PDF file `name`-打印.pdf in the documents folder. `failed` is told when the
  // chosen printer could not print.
  virtual void print(QWidget& window, const QPageLayout& layout, const QString& name,
                     PaintPages paint, std::function<void()> failed) = 0;
  // Opens a large print preview over `window`.
  virtual void preview(QWidget& window, const QPageLayout& layout, const QString& name,
                       PaintPages paint) = 0;
};

// The print module, loaded on first use; nullptr, with `why` set, when it cannot be.
PrintSupport* print_support(QString& why);

}  // namespace platewise

// The module's one entry point.
#define PLATEWISE_PRINT_ENTRY "platewise_print_support"
