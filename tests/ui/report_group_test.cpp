// The report group in the window: the panel, the two buttons before any run
// and with changed inputs, saving through the file dialog (and a save that
// cannot be written), printing and the preview. Saving and printing first
// confirm the report's information; report_info_test.cpp tests that dialog.

#include "report_group.h"

#include <QAction>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "report_info_dialog.h"
#include "report_view.h"
#include "window_fixture.h"

using platewise::ReportGroup;

class ReportGroupTest : public WindowTest {
 protected:
  QString panel() const { return widget<platewise::ReportView>("report_view")->text(); }

  // Accepts the report's information as offered.
  void confirm_report_info() {
    auto* info = open_dialog<platewise::ReportInfoDialog>();
    ASSERT_NE(info, nullptr);
    info->accept();
  }
};

TEST_F(ReportGroupTest, ButtonsTriggerTheirCommandsWhichBeforeAnyRunAskForACalculation) {
  type_into("selected_width", "1");  // fails before any run: the status line says why
  const QString status = text("status_line");
  ASSERT_FALSE(status.isEmpty());
  using platewise::WindowCommand;
  for (const auto& [button, command] :
       {std::pair{"save_report_button", WindowCommand::SaveReport},
        std::pair{"print_report_button", WindowCommand::PrintReport}}) {
    QSignalSpy triggered(window_->action(command), &QAction::triggered);
    click(button);
    EXPECT_EQ(triggered.count(), 1) << button;  // the button is its menu command
    QMessageBox* box = open_dialog<QMessageBox>();
    ASSERT_NE(box, nullptr) << button;
    EXPECT_EQ(box->windowTitle(), "Platewise1.0");
    EXPECT_EQ(box->text(), "请先点击“计算”");
    box->button(QMessageBox::Ok)->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  EXPECT_EQ(open_dialog<QFileDialog>(), nullptr);
  EXPECT_EQ(open_dialog<QPrintDialog>(), nullptr);
  EXPECT_EQ(text("status_line"), status);
  EXPECT_TRUE(panel().isEmpty());
}

TEST_F(ReportGroupTest, PanelFollowsEveryRunAndSaysWhenInputsChanged) {
  calculate();
  EXPECT_TRUE(panel().startsWith("计算书"));
  EXPECT_FALSE(panel().contains("注意：计算后"));
  type_into("selected_width", "140");
  EXPECT_TRUE(panel().contains("计算后实选宽度改为“140”"));
  type_into("beam_width", "300");
  EXPECT_TRUE(panel().contains("注意：计算后以下输入已修改，本计算书对应修改前的输入：梁宽(mm)。"));
  type_into("beam_width", "250");
  EXPECT_FALSE(panel().contains("注意：计算后"));
}

TEST_F(ReportGroupTest, ChangedInputsAskWhetherToSaveTheEarlierReportOrCalculateFirst) {
  QTemporaryDir dir;
  calculate();
  type_into("beam_width", "300");
  for (const QString& answer :
       {QString(ReportGroup::kUseEarlier), QString(ReportGroup::kCalculateFirst)}) {
    click("save_report_button");
    QMessageBox* question = open_dialog<QMessageBox>();
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(question->text(),
              "计算后以下输入已修改：梁宽(mm)。\n保存修改前输入的计算书，还是先重新计算？");
    press(question, answer);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    confirm_report_info();
    auto* save = open_dialog<QFileDialog>();
    ASSERT_NE(save, nullptr) << answer.toStdString();
    EXPECT_TRUE(save->selectedFiles().value(0).endsWith(".pdf"));
    save->selectFile(dir.filePath(answer));  // no extension: the PDF filter adds it
    static_cast<QDialog*>(save)->accept();
    QFile saved(dir.filePath(answer + ".pdf"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.read(5) == "%PDF-");
  }
  // Calculated first: the report now belongs to the changed width.
  EXPECT_EQ(text("bottom_plate"), "A3号钢:4(厚)X131(宽)");
  EXPECT_TRUE(panel().contains("梁宽 b = 300 mm"));
  EXPECT_FALSE(panel().contains("注意：计算后"));
}

// What stays of a folder saved into is calc's FolderAsTarget and program_test's
// ReportIntoAFolder....
TEST_F(ReportGroupTest, SaveThatCannotBeWrittenSaysWhy) {
  QTemporaryDir dir;
  const QString folder = dir.filePath("计算书.pdf");
  ASSERT_TRUE(QDir().mkdir(folder));
  calculate();
  click("save_report_button");
  confirm_report_info();
  auto* save = open_dialog<QFileDialog>();
  ASSERT_NE(save, nullptr);
  emit save->fileSelected(folder);  // the dialog itself would open the folder
  QMessageBox* box = open_dialog<QMessageBox>();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->text(), "“" + folder + "”：无法保存：是一个文件夹");
}

TEST_F(ReportGroupTest, PrintDialogPrintsToPdfWhereThereIsNoPrinter) {
  QTemporaryDir dir;
  calculate();
  click("print_report_button");
  confirm_report_info();
  QPrintDialog* dialog = open_dialog<QPrintDialog>();
  ASSERT_NE(dialog, nullptr);
  // No printer here: the dialog offers Qt's PDF printer, with a file name of our choosing.
  auto* file_name = dialog->findChild<QLineEdit*>("filename");
  ASSERT_NE(file_name, nullptr);
  EXPECT_TRUE(file_name->text().endsWith(".pdf")) << file_name->text().toStdString();
  file_name->setText(dir.filePath("printed.pdf"));
  dialog->accept();
  QFile printed(dir.filePath("printed.pdf"));
  ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
  EXPECT_TRUE(printed.read(5) == "%PDF-");
}

TEST_F(ReportGroupTest, DoubleClickOrEnterOnThePanelOpensALargePreview) {
  calculate();
  QTest::mouseDClick(widget("report_view")->findChild<QTextBrowser*>()->viewport(), Qt::LeftButton);
  QPrintPreviewDialog* preview = open_dialog<QPrintPreviewDialog>();
  ASSERT_NE(preview, nullptr);
  EXPECT_GT(preview->width(), window_->width());
  preview->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QTest::keyClick(widget("report_view"), Qt::Key_Return);
  ASSERT_NE(open_dialog<QPrintPreviewDialog>(), nullptr);
  open_dialog<QPrintPreviewDialog>()->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  window_->action(platewise::WindowCommand::PreviewReport)->trigger();
  ASSERT_NE(open_dialog<QPrintPreviewDialog>(), nullptr);
  open_dialog<QPrintPreviewDialog>()->close();
}
