// A handler that stops on an error: commands report it in a message box,
// width edits in the status line, and the window carries on.

#include <QMessageBox>
#include <QPushButton>

#include "calc_error.h"
#include "window_fixture.h"

using platewise::CalcError;
using platewise::FaultKind;
using platewise::Step;

class FailureTest : public WindowTest {
 protected:
  QMessageBox* message_box() const { return window_->findChild<QMessageBox*>(); }

  static QString message(FaultKind kind, Step step) {
    return QString::fromStdString(describe(CalcError(kind, step)));
  }

  void close_message_box() {
    QTest::mouseClick(message_box()->button(QMessageBox::Ok), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
};

TEST_F(FailureTest, CalculateErrorOpensASelectableModalBoxAndTheWindowCarriesOn) {
  type_into("txt_gja", "");
  calculate();
  QMessageBox* box = message_box();
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->isVisible());
  EXPECT_EQ(box->windowTitle(), "Platewise1.0");
  EXPECT_EQ(box->text(), message(FaultKind::DivisionByZero, Step::StirrupAreas));
  EXPECT_EQ(box->windowModality(), Qt::WindowModal);
  EXPECT_EQ(box->textInteractionFlags(), Qt::TextSelectableByMouse);
  EXPECT_EQ(text("Text3"), "");

  close_message_box();
  EXPECT_EQ(message_box(), nullptr);
  type_into("txt_gja", "100");
  calculate();
  EXPECT_EQ(text("Text3"), "A3号钢:4(厚)X131(宽)");
  EXPECT_EQ(message_box(), nullptr);
}

TEST_F(FailureTest, StoppedCalculateKeepsWhatItWroteBeforeTheError) {
  type_into("txt_m", "");
  calculate();
  ASSERT_NE(message_box(), nullptr);
  EXPECT_EQ(message_box()->text(), message(FaultKind::DivisionByZero, Step::CrackCheck));
  const Texts expected = {
      {"Text3", "A3号钢:4(厚)X131(宽)"},
      {"Text9", "131"},
      {"Text2", ""},
      {"Text1", ""},
      {"Text7", ""},
  };
  EXPECT_EQ(shown(expected), expected);
}

TEST_F(FailureTest, WidthEditBeforeAnyCalculationReportsInTheStatusLineOnly) {
  type_into("Text9", "1");
  EXPECT_EQ(message_box(), nullptr);
  EXPECT_EQ(text("status_line"), message(FaultKind::DivisionByZero, Step::CrackCheck));
  EXPECT_EQ(text("Text7"), "");

  calculate();
  EXPECT_EQ(text("status_line"), "");
  EXPECT_EQ(text("Text7"), "0.038");
}
