// A window just started: its frame, every control of the design in its
// start state, the focus and the keyboard order.

#include <QCheckBox>
#include <QScreen>
#include <QStringList>

#include "control_factory.h"
#include "form_design.h"
#include "qt_text.h"
#include "window_fixture.h"

namespace design = platewise::design;

namespace {

using platewise::qt_text;

// The name of the design control that holds the keyboard focus.
QString focused_control() {
  for (QWidget* w = QApplication::focusWidget(); w != nullptr; w = w->parentWidget()) {
    if (design::find(w->objectName().toStdString()) != nullptr) return w->objectName();
  }
  return {};
}

}  // namespace

TEST_F(WindowTest, WindowIsNamedFixedCentredAndHasAnEmptyStatusLineUnderTheDesign) {
  EXPECT_EQ(window_->objectName(), "Form_sb");
  EXPECT_EQ(window_->windowTitle(), "Platewise1.0");
  EXPECT_EQ(window_->windowIcon().availableSizes(), QList<QSize>({{32, 32}, {64, 64}}));
  auto* status = widget<QLabel>("status_line");
  EXPECT_EQ(status->geometry(), QRect(0, 486, 570, status->height()));
  EXPECT_TRUE(status->text().isEmpty());
  EXPECT_EQ(window_->minimumSize(), QSize(570, 486 + status->height()));
  EXPECT_EQ(window_->maximumSize(), window_->minimumSize());
  const QPoint offset =
      window_->geometry().center() - window_->screen()->availableGeometry().center();
  EXPECT_LE(offset.manhattanLength(), 2);
}

TEST_F(WindowTest, EveryControlStartsAsDesigned) {
  for (const design::Control& c : design::controls()) {
    SCOPED_TRACE(c.name);
    QWidget* w = widget(qt_text(c.name));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->parentWidget()->objectName(), c.parent.empty() ? "Form_sb" : qt_text(c.parent));
    EXPECT_EQ(w->isHidden(), c.hidden_at_start);
    EXPECT_EQ(w->toolTip(), qt_text(c.tooltip));
    if (c.kind != design::Kind::Line && c.kind != design::Kind::PictureBox) {
      EXPECT_EQ(text(qt_text(c.name)), qt_text(c.text));
      EXPECT_EQ(w->font(), platewise::design_font(c.font));
    }
    if (auto* list = qobject_cast<QComboBox*>(w)) {
      QStringList items;
      for (std::string_view item : c.items) items << qt_text(item);
      QStringList shown;
      for (int i = 0; i < list->count(); ++i) shown << list->itemText(i);
      EXPECT_EQ(shown, items);
      EXPECT_EQ(list_index(c.name.data()), -1);
    }
    if (auto* box = qobject_cast<QCheckBox*>(w)) {
      EXPECT_FALSE(box->isChecked());
    }
  }
}

TEST_F(WindowTest, ControlsStandAtTheirDesignPlacesInPixels) {
  const std::vector<std::pair<QString, QRect>> places = {
      {"Frame2", {9, 254, 294, 212}},      {"Command1", {184, 118, 97, 22}},
      {"txt_lk(0)", {80, 16, 41, 18}},     {"Line6", {196, 35, 192, 2}},
      {"RichTextBox1", {8, 20, 233, 154}},
  };
  for (const auto& [name, place] : places)
    EXPECT_EQ(widget(name)->geometry(), place) << name.toStdString();
}

TEST_F(WindowTest, OnlyTheEightOptionalControlsAndTheUnusedDialogStartHidden) {
  QStringList hidden;
  for (const design::Control& c : design::controls()) {
    if (widget(qt_text(c.name))->isHidden()) hidden << qt_text(c.name);
  }
  hidden.sort();
  EXPECT_EQ(hidden, QStringList({"Command2", "CommonDialog1", "Label10", "Label21", "Label22",
                                 "Label26", "Text4", "Text5", "Text8"}));
}

TEST_F(WindowTest, FocusStartsOnCalculateAndTabFollowsTheDesignSkippingHiddenControls) {
  const QStringList all = {
      "Command1",  "Text3",   "Command4",  "Command5",  "RichTextBox1", "txt_lk(0)", "Txt_lg(1)",
      "Txt_gj(1)", "txt_gja", "Txt_gj(0)", "Txt_dj(1)", "txt_mj(0)",    "cmb_gb",    "txt_hgb",
      "Text1",     "Text2",   "Text4",     "Text6",     "cmb_ngj",      "Cmb_Hnt",   "Text7",
      "cmb_gjpl",  "txt_nd",  "txt_dd",    "cmb_sl",    "txt_nm",       "Txt_dm",    "cmb_sm",
      "cmb_bhc",   "Check1",  "Text8",     "Text9",     "txt_gba",      "txt_du",    "Text11",
      "txt_m",     "Check2",  "Text5",     "Command2"};  // CommonDialog1, last, stays hidden
  auto tab_round = [&] {
    QStringList visited = {focused_control()};
    for (qsizetype i = 0; i < all.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << focused_control();
    }
    return visited;
  };
  auto visible_in_order = [&] {
    QStringList expected;
    for (const QString& name : all) {
      if (!widget(name)->isHidden()) expected << name;
    }
    while (expected.size() <= all.size()) expected << expected;  // the order wraps round
    return expected.mid(0, all.size() + 1);
  };

  EXPECT_EQ(tab_round(), visible_in_order());
  click("Check1");
  click("Check2");
  widget("Command1")->setFocus();
  EXPECT_EQ(tab_round(), visible_in_order());
  EXPECT_EQ(visible_in_order().mid(0, all.size()), all);
}

TEST_F(WindowTest, EveryFieldHasItsOwnAccessibleName) {
  QStringList names;
  for (QWidget* w : window_->findChildren<QWidget*>()) {
    if (qobject_cast<QLineEdit*>(w) == nullptr && qobject_cast<QComboBox*>(w) == nullptr) continue;
    if (qobject_cast<QComboBox*>(w->parentWidget()) != nullptr) continue;  // a list's text part
    EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
    names << w->accessibleName();
  }
  EXPECT_EQ(names.size(), 32);  // 25 text fields and 7 drop-down lists
  EXPECT_EQ(names.removeDuplicates(), 0);
  EXPECT_EQ(widget("txt_lk(0)")->accessibleName(), "梁宽(mm)");
  EXPECT_EQ(widget("Text3")->accessibleName(), "梁底钢板");
}
