#pragma once
// Printing the report: Qt's print dialog and its print preview, with one
// printer for the program's life, so that the engineer's choices stay.

#include <QString>
#include <functional>
#include <memory>

class QPagedPaintDevice;
class QPageLayout;
class QPrinter;
class QWidget;

namespace platewise {

// Paints the report on a printer's pages; gives the number of pages, 0 on failure.
using PaintPages = std::function<int(QPagedPaintDevice&)>;

class ReportPrinter {
 public:
  ReportPrinter();
  ~ReportPrinter();

  // Opens the print dialog over `window`, pages laid out as `layout` until
  // the engineer chooses otherwise; where there is no printer it offers a
  // PDF file `name`-打印.pdf in the documents folder. `failed` is told when the
  // chosen printer could not print.
  void print(QWidget& window, const QPageLayout& layout, const QString& name, PaintPages paint,
             std::function<void()> failed);
  // Opens a large print preview over `window`.
  void preview(QWidget& window, const QPageLayout& layout, const QString& name, PaintPages paint);

 private:
  QPrinter& printer(const QPageLayout& layout, const QString& name);

  std::unique_ptr<QPrinter> printer_;
};

}  // namespace platewise
