#pragma once
// The report panel: a sunken panel that shows the calculation
// report, read-only and scrollable. The text view inside it is made with the
// first report, so that the window starts without it. A double-click or
// Enter asks for the print preview.

#include <QFrame>

class QTextBrowser;

namespace platewise {

class ReportView : public QFrame {
  Q_OBJECT

 public:
  explicit ReportView(QWidget* parent);

  // Shows `html`, staying where the engineer had scrolled to.
  void show_html(const QString& html);
  // The text shown; empty before the first report.
  QString text() const;

 signals:
  void preview_requested();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QTextBrowser* browser_ = nullptr;
};

}  // namespace platewise
