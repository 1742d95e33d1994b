#pragma once
// The report panel (RichTextBox1): a read-only, scrollable view of the
// calculation report. A double-click or Enter asks for the print preview.

#include <QTextBrowser>

namespace platewise {

class ReportView : public QTextBrowser {
  Q_OBJECT

 public:
  explicit ReportView(QWidget* parent);

 signals:
  void preview_requested();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace platewise
