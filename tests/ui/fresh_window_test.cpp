// A window just started: facts typed from the window's design, checked on
// the widgets, the start state, the focus and the keyboard order, which the
// option boxes' controls join when ticked and leave when cleared.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScreen>

#include "window_fixture.h"

// The design stands under the menu bar: every place in it is offset by the menu bar's height.
TEST_F(WindowTest, OpensFixedAndCentredWithTheDesignBetweenMenuBarAndEmptyStatusLine) {
  EXPECT_EQ(window_->objectName() + "|" + window_->windowTitle(), "Form_sb|Platewise1.0");
  EXPECT_EQ(window_->windowIcon().availableSizes(), QList<QSize>({{32, 32}, {64, 64}}));
  const int menu = widget("menu_bar")->height();
  EXPECT_GT(menu, 0);
  EXPECT_EQ(widget("menu_bar")->geometry(), QRect(0, 0, 570, menu));
  EXPECT_EQ(widget("design")->geometry(), QRect(0, menu, 570, 486));
  QWidget* status_line = widget("status_line");
  EXPECT_EQ(status_line->geometry(), QRect(0, menu + 486, 570, status_line->height()));
  EXPECT_EQ(status(), "");
  EXPECT_EQ(window_->minimumSize(), QSize(570, menu + 486 + status_line->height()));
  EXPECT_EQ(window_->maximumSize(), window_->minimumSize());
  const QPoint offset =
      window_->geometry().center() - window_->screen()->availableGeometry().center();
  EXPECT_LE(offset.manhattanLength(), 2);
}

TEST_F(WindowTest, ControlsStandWhereTheDesignPutsThem) {
  const std::tuple<const char*, QRect, const char*, double> cases[] = {
      // name, pixels in the parent from the design's twips, text, points
      {"Label1(0)", {224, 10, 138, 21}, "Bondline", 12},
      {"Frame2", {9, 254, 294, 212}, "输出结果", 9},
      {"Command1", {184, 118, 97, 22}, "计算", 9},
      {"txt_lk(0)", {80, 16, 41, 18}, "250", 9},
      {"Text7", {128, 96, 154, 18}, "", 10.5},
      {"Line6", {196, 35, 192, 2}, "", 9},
      {"RichTextBox1", {8, 20, 233, 154}, "", 9},
  };
  for (const auto& [name, place, shown, points] : cases) {
    EXPECT_EQ(widget(name)->geometry(), place) << name;
    EXPECT_EQ(text(name), shown) << name;
    EXPECT_EQ(widget(name)->font().pointSizeF(), points) << name;
  }
  EXPECT_TRUE(widget("Label1(0)")->font().bold());
  EXPECT_EQ(widget("Label20")->toolTip() + "|" + widget("txt_m")->toolTip(),
            "裂缝计算条件|加固后裂缝验算用");
}

TEST_F(WindowTest, StartsWithDefaultTextsNoPickNoTickAndTheOptionalControlsHidden) {
  QStringList hidden, lists, fields;
  for (QWidget* w : window_->findChildren<QWidget*>()) {
    const QString name = w->objectName();
    if (name.isEmpty() || name.startsWith("qt_")) continue;
    if (w->isHidden()) hidden << name;
    if (qobject_cast<QComboBox*>(w) != nullptr) lists << name;
    if (qobject_cast<QComboBox*>(w) != nullptr || qobject_cast<QLineEdit*>(w) != nullptr) {
      fields << w->accessibleName();
    }
  }
  hidden.sort();
  EXPECT_EQ(hidden.join(' '),
            "Command2 CommonDialog1 Label10 Label21 Label22 Label26 Text4 Text5 Text8");
  EXPECT_EQ(lists.size(), 7);
  for (const QString& list : lists) {
    const std::string_view key = platewise::input_by_control(list.toStdString())->key;
    EXPECT_EQ(list_index(key), -1) << list.toStdString();
  }
  EXPECT_FALSE(widget<QCheckBox>("Check1")->isChecked() ||
               widget<QCheckBox>("Check2")->isChecked());
  EXPECT_EQ(texts({"cmb_sl", "cmb_gjpl", "cmb_bhc", "Cmb_Hnt", "cmb_ngj", "cmb_gb", "Txt_gj(0)"}),
            "II级|单排|35|C20|2|A3号钢|1.2");
  EXPECT_EQ(widget<QComboBox>("Cmb_Hnt")->itemText(6), "C40");
  // Every field has an accessible name of its own.
  EXPECT_EQ(fields.size(), 32);
  EXPECT_EQ(fields.removeDuplicates() + fields.count(""), 0);
  EXPECT_EQ(widget("txt_lk(0)")->accessibleName(), "梁宽(mm)");
}

TEST_F(WindowTest, FocusStartsOnCalculateAndTabFollowsTheDesignSkippingHiddenControls) {
  const QString all =
      "Command1 Text3 Command4 Command5 RichTextBox1 txt_lk(0) Txt_lg(1) Txt_gj(1) txt_gja "
      "Txt_gj(0) Txt_dj(1) txt_mj(0) cmb_gb txt_hgb Text1 Text2 Text4 Text6 cmb_ngj Cmb_Hnt Text7 "
      "cmb_gjpl txt_nd txt_dd cmb_sl txt_nm Txt_dm cmb_sm cmb_bhc Check1 Text8 Text9 txt_gba "
      "txt_du "
      "Text11 txt_m Check2 Text5 Command2";  // then CommonDialog1, which stays hidden
  const auto tab_round = [&] {
    QStringList visited;
    do {
      QWidget* w = QApplication::focusWidget();
      const bool part = w->objectName().isEmpty() || w->objectName().startsWith("qt_");
      visited << (part ? w->parentWidget() : w)->objectName();  // a list's text part: the list
      QTest::keyClick(w, Qt::Key_Tab);
    } while (QApplication::focusWidget() != widget("Command1") && visited.size() < 50);
    return visited.join(' ');
  };
  const QString unticked = QString(all).remove(QRegularExpression(" (Text4|Text8|Text5|Command2)"));
  EXPECT_EQ(tab_round(), unticked);
  for (const QString& round : {all, unticked}) {  // the boxes ticked, then cleared again
    click("Check1");
    click("Check2");
    widget("Command1")->setFocus();
    EXPECT_EQ(tab_round(), round);
  }
}
