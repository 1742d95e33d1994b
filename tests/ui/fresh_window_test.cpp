// A window just started: facts typed from the window's design, checked on
// the widgets, the start state, the focus and the keyboard order.

#include <QCheckBox>
#include <QScreen>

#include "window_fixture.h"

namespace {

// The named control that holds the keyboard focus (a list's text part counts as the list).
QString focused_control() {
  QWidget* w = QApplication::focusWidget();
  if (w != nullptr && w->objectName().isEmpty()) w = w->parentWidget();
  return w != nullptr ? w->objectName() : QString();
}

}  // namespace

TEST_F(WindowTest, OpensFixedAndCentredWithAnEmptyStatusLineUnderTheDesign) {
  EXPECT_EQ(window_->objectName(), "Form_sb");
  EXPECT_EQ(window_->windowTitle(), "Platewise1.0");
  EXPECT_EQ(window_->windowIcon().availableSizes(), QList<QSize>({{32, 32}, {64, 64}}));
  auto* status = widget<QLabel>("status_line");
  EXPECT_EQ(status->geometry(), QRect(0, 486, 570, status->height()));
  EXPECT_EQ(status->text(), "");
  EXPECT_EQ(window_->minimumSize(), QSize(570, 486 + status->height()));
  EXPECT_EQ(window_->maximumSize(), window_->minimumSize());
  const QPoint offset =
      window_->geometry().center() - window_->screen()->availableGeometry().center();
  EXPECT_LE(offset.manhattanLength(), 2);
}

TEST_F(WindowTest, ControlsStandWhereTheDesignPutsThem) {
  const struct {
    const char* name;
    QRect place;  // pixels in the parent, from the design's twips
    const char* text;
    double points;
  } cases[] = {
      {"Label1(0)", {224, 10, 138, 21}, "Bondline", 12},
      {"Frame2", {9, 254, 294, 212}, "输出结果", 9},
      {"Command1", {184, 118, 97, 22}, "计算", 9},
      {"txt_lk(0)", {80, 16, 41, 18}, "250", 9},
      {"Text7", {128, 96, 154, 18}, "", 10.5},
      {"Line6", {196, 35, 192, 2}, "", 9},
      {"RichTextBox1", {8, 20, 233, 154}, "", 9},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(widget(c.name)->geometry(), c.place) << c.name;
    EXPECT_EQ(text(c.name), c.text) << c.name;
    EXPECT_EQ(widget(c.name)->font().pointSizeF(), c.points) << c.name;
  }
  EXPECT_TRUE(widget("Label1(0)")->font().bold());
  EXPECT_EQ(widget("Label20")->toolTip(), "裂缝计算条件");
  EXPECT_EQ(widget("txt_m")->toolTip(), "加固后裂缝验算用");
}

TEST_F(WindowTest, StartsWithDefaultTextsNoPickNoTickAndTheOptionalControlsHidden) {
  QStringList hidden, lists;
  for (QWidget* w : window_->findChildren<QWidget*>()) {
    const QString name = w->objectName();
    if (w->isHidden() && !name.isEmpty() && !name.startsWith("qt_")) hidden << name;
    if (auto* list = qobject_cast<QComboBox*>(w)) lists << list->objectName();
  }
  hidden.sort();
  EXPECT_EQ(hidden, QStringList({"Command2", "CommonDialog1", "Label10", "Label21", "Label22",
                                 "Label26", "Text4", "Text5", "Text8"}));
  for (const QString& list : lists) EXPECT_EQ(list_index(list.toUtf8()), -1) << list.toStdString();
  EXPECT_EQ(lists.size(), 7);
  EXPECT_FALSE(widget<QCheckBox>("Check1")->isChecked() ||
               widget<QCheckBox>("Check2")->isChecked());
  EXPECT_EQ(texts({"cmb_sl", "cmb_gjpl", "cmb_bhc", "Cmb_Hnt", "cmb_ngj", "cmb_gb", "Txt_gj(0)"}),
            "II级|单排|35|C20|2|A3号钢|1.2");
  auto* concrete = widget<QComboBox>("Cmb_Hnt");
  EXPECT_EQ(concrete->count(), 7);
  EXPECT_EQ(concrete->itemText(6), "C40");
}

TEST_F(WindowTest, FocusStartsOnCalculateAndTabFollowsTheDesignSkippingHiddenControls) {
  const QStringList all = {
      "Command1",  "Text3",   "Command4",  "Command5",  "RichTextBox1", "txt_lk(0)", "Txt_lg(1)",
      "Txt_gj(1)", "txt_gja", "Txt_gj(0)", "Txt_dj(1)", "txt_mj(0)",    "cmb_gb",    "txt_hgb",
      "Text1",     "Text2",   "Text4",     "Text6",     "cmb_ngj",      "Cmb_Hnt",   "Text7",
      "cmb_gjpl",  "txt_nd",  "txt_dd",    "cmb_sl",    "txt_nm",       "Txt_dm",    "cmb_sm",
      "cmb_bhc",   "Check1",  "Text8",     "Text9",     "txt_gba",      "txt_du",    "Text11",
      "txt_m",     "Check2",  "Text5",     "Command2"};  // CommonDialog1, last, stays hidden
  const auto tab_round = [&] {
    QStringList visited = {focused_control()};
    for (qsizetype i = 0; i < all.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      if (focused_control() == "Command1") break;
      visited << focused_control();
    }
    return visited;
  };
  QStringList shown = all;
  for (const char* name : {"Text4", "Text8", "Text5", "Command2"}) shown.removeOne(name);
  EXPECT_EQ(tab_round(), shown);
  click("Check1");
  click("Check2");
  widget("Command1")->setFocus();
  EXPECT_EQ(tab_round(), all);
}

TEST_F(WindowTest, EveryFieldHasItsOwnAccessibleName) {
  QStringList names;
  for (QWidget* w : window_->findChildren<QWidget*>()) {
    if (qobject_cast<QLineEdit*>(w) == nullptr && qobject_cast<QComboBox*>(w) == nullptr) continue;
    if (qobject_cast<QComboBox*>(w->parentWidget()) != nullptr) continue;  // a list's text part
    names << w->accessibleName();
  }
  EXPECT_EQ(names.size(), 32);  // 25 text fields and 7 drop-down lists
  EXPECT_EQ(names.removeDuplicates(), 0);
  EXPECT_FALSE(names.contains(""));
  EXPECT_EQ(widget("txt_lk(0)")->accessibleName(), "梁宽(mm)");
}
