#pragma once
// The calculation report of a whole project: a title page, the members'
// table (构件一览表) and a chapter for each beam, saved as PDF, ODT, HTML or
// Word, or printed. The beams' chapters are made one after another, and a
// PDF's pages laid out and written, under progress dialogs that the
// engineer may cancel; the window keeps painting meanwhile. The printer is made on first use and
// kept for the window's life.

#include <QString>
#include <memory>
#include <optional>

#include "report_book.h"

class QWidget;

namespace platewise {

class ProjectModel;
class ReportPrinter;

class ProjectReport {
 public:
  ProjectReport(QWidget& window, const ProjectModel& model);
  ~ProjectReport();

  // The book of every beam, or nullopt when the engineer cancelled.
  std::optional<ReportBook> book() const;
  // Asks for a file, then writes the book into it whole or not at all.
  void save();
  // Writes the book into `path`, in the format its name asks for (PDF
  // without one), under a progress dialog; the message of what failed, or
  // empty (also when the engineer cancelled: the old file is then kept).
  QString save_to(const QString& path, const ReportBook& book) const;
  void print();

 private:
  QWidget& window_;
  const ProjectModel& model_;
  std::unique_ptr<ReportPrinter> printer_;
  QString folder_;  // where the last book was saved
};

}  // namespace platewise
