// Beam files in the window: saving every input and opening it again, the
// caption and the question before closing, files the window must not read,
// wait on or write over, and beams computed by `calc` against the same beams
// worked in the window.

#include "beam_file.h"

#include <sys/stat.h>

#include <QAbstractButton>
#include <QDeadlineTimer>
#include <QDropEvent>
#include <QFileDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QTimer>
#include <functional>
#include <memory>

#include "beam_file_actions.h"
#include "compute_beam.h"
#include "design.h"
#include "file_io.h"
#include "report_view.h"
#include "window_fixture.h"

namespace {

using platewise::Beam;
using platewise::InputValue;
using Inputs = std::vector<std::pair<std::string_view, InputValue>>;

// Runs `answer` on the next modal box or dialog, once it is open; true once answered. A dialog
// that has not opened after a minute, however loaded the machine, is a failure, and the poll ends
// there rather than answer some later test's dialog.
std::shared_ptr<bool> answer_next_dialog(std::function<void(QWidget*)> answer) {
  auto answered = std::make_shared<bool>(false);
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout,
                   [poll, answer, answered, limit = QDeadlineTimer(std::chrono::minutes(1))] {
                     QWidget* modal = QApplication::activeModalWidget();
                     if (modal == nullptr && !limit.hasExpired()) return;
                     poll->stop();
                     poll->deleteLater();
                     if (modal == nullptr) {
                       ADD_FAILURE() << "no dialog opened within a minute to answer";
                       return;
                     }
                     answer(modal);
                     *answered = true;
                   });
  poll->start(5);
  return answered;
}

std::shared_ptr<bool> press(const QString& button_text) {
  return answer_next_dialog(
      [button_text](QWidget* box) { press(qobject_cast<QMessageBox*>(box), button_text); });
}

class BeamFileTest : public WindowTest {
 protected:
  // Types or ticks an input in the widgets, as the engineer does.
  void give(std::string_view key, const InputValue& value) {
    const QString control = QString::fromUtf8(platewise::input_by_key(key)->control.data());
    if (const bool* ticked = std::get_if<bool>(&value)) {
      if (*ticked) click(control);
    } else {
      type_into(control, QString::fromStdString(std::get<std::string>(value)));
    }
  }
  // Asks the window to close, answers its question; true when it closed.
  bool close_answering(const QString& answer) {
    const auto answered = press(answer);
    window_->close();
    // The question is queued: delivering it asks it, and the poll answers it
    // in the question's own event loop, however long that takes.
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(*answered);
    QApplication::processEvents();
    return window_->isHidden();
  }
  // Every result field, the hoop plates too.
  QStringList all_results() const {
    QStringList shown;
    for (const auto& field : platewise::result_fields()) shown << text(field.control.data());
    return shown;
  }
};

// Every input, each unlike its start text.
const std::vector<std::pair<std::string_view, InputValue>> kEveryInput = {
    {"beam_width", "300"},        {"beam_height", "700"},        {"cover", "60"},
    {"bottom_bar_grade", "I级"},  {"bottom_bar_diameter", "22"}, {"bottom_bar_count", "4"},
    {"bar_rows", "双排"},         {"top_bar_grade", "I级"},      {"top_bar_diameter", "20"},
    {"top_bar_count", "3"},       {"concrete_grade", "C30"},     {"stirrup_legs", "4"},
    {"stirrup_diameter", "10"},   {"stirrup_spacing", "150"},    {"top_area_req", "15"},
    {"bottom_area_req", "25"},    {"stirrup_area_req", "5"},     {"moment", "80"},
    {"plate_steel", "16Mn钢"},    {"plate_thickness", "5"},      {"u_plate_thickness", "4"},
    {"u_plate_spacing", "120"},   {"redistribution_on", true},   {"redistribution_percent", "80"},
    {"short_anchorage_on", true}, {"actual_anchorage", "100"},   {"selected_width", "300"},
};

TEST_F(BeamFileTest, EveryInputSavedComesBackOnOpening) {
  for (const auto& [key, value] : kEveryInput) {
    if (key == "short_anchorage_on")
      calculate();  // then the selected width, the option box and the actual anchorage, in the
                    // order given
    give(key, value);
  }
  click("hoop_button");
  ASSERT_TRUE(files().save_to(path("KL-3.json")));
  const QStringList saved_results = all_results();
  const QString checks = status();  // the checks' sum, as after the typed run
  ASSERT_EQ(checks, "验算：1 项注意，1 项注意（取整），详见计算书");

  // Opening runs the beam again: results unlike the file's would show in the status line.
  start(path("KL-3.json"));
  for (const auto& [key, value] : kEveryInput) {
    const char* control = platewise::input_by_key(key)->control.data();
    const auto* box = qobject_cast<QAbstractButton*>(widget(control));
    EXPECT_EQ(
        box != nullptr ? InputValue(box->isChecked()) : InputValue(text(control).toStdString()),
        value)
        << key;
  }
  EXPECT_EQ(all_results(), saved_results);
  EXPECT_EQ(status(), checks);
  EXPECT_EQ(caption(), "KL-3.json - Platewise1.0");
}

// The caption marks the changes to an opened file, not its results; closing asks only about them.
struct Closing {
  const char* name;
  bool opened;  // a beam file the window saved, opened in the next run and calculated
  Inputs changes;
  const char* caption;
  const char* answer;  // to the question; nullptr: nothing to ask
  bool closes;
  const char* saved_width;  // the file's beam width afterwards
};
void PrintTo(const Closing& c, std::ostream* out) { *out << c.name; }
class ClosingTest : public BeamFileTest, public ::testing::WithParamInterface<Closing> {};

TEST_P(ClosingTest, AsksOnlyAboutChangesToAFile) {
  const Closing& c = GetParam();
  if (c.opened) {
    ASSERT_TRUE(files().save_to(path("KL-3.json")));
    start();  // the program started again
    ASSERT_TRUE(files().open(path("KL-3.json")));
    calculate();
  }
  for (const auto& [key, value] : c.changes) give(key, value);
  EXPECT_EQ(caption(), c.caption);
  EXPECT_EQ(c.answer ? close_answering(c.answer) : window_->close(), c.closes);
  if (c.opened) {
    EXPECT_EQ(*saved("KL-3.json").beam.given("beam_width"), InputValue(c.saved_width));
  }
}

const Inputs kWidth320 = {{"beam_width", "320"}};
const char* const kChanged = "KL-3.json* - Platewise1.0";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Windows, ClosingTest, ::testing::Values(
    Closing{"ChangedFileCancelled", true, kWidth320, kChanged, "取消", false, "250"},
    Closing{"ChangedFileSaved", true, kWidth320, kChanged, "保存", true, "320"},
    Closing{"ChangedOptionNotSaved", true, {{"redistribution_on", true}}, kChanged, "不保存", true, "250"},
    Closing{"UnchangedFile", true, {}, "KL-3.json - Platewise1.0", nullptr, true, "250"},
    Closing{"NeverTiedToAFile", false, kWidth320, "Platewise1.0", nullptr, true, ""}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(BeamFileTest, StatusLineSaysWhatDiffersFromTheFile) {
  platewise::write_atomically(path("KL-3.json"), R"j({"format": "platewise-beam", "version": 1,
      "inputs": {"moment": "", "concrete_grade": "C45", "top_bar_grade": " i级 "},
      "results": {"bottom_plate": "A3号钢:4(厚)X130(宽)", "bottom_width": "130", "crack_width": ""}})j");
  ASSERT_TRUE(files().open(path("KL-3.json")));
  EXPECT_EQ(status(),
            "裂缝验算中断：除数为零；砼强度等级“C45”不在列表中，按C20计算；"
            "结果与文件中保存的不同：梁底钢板、梁底钢板实选宽度；验算：1 项注意，1 "
            "项注意（取整），详见计算书");
  EXPECT_EQ(text("top_bar_grade"), "I级");  // a named item shows as the list spells it
}

TEST_F(BeamFileTest, DroppedFileAndShortcutsOpenAndSave) {
  platewise::write_atomically(path("a.json"), R"({"format": "platewise-beam", "version": 1,
      "inputs": {"beam_width": "310"}})");
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(path("a.json"))});
  QWidget* field = widget("beam_width");
  QDragEnterEvent enter({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, {});
  QApplication::sendEvent(field, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, {});
  QApplication::sendEvent(field, &drop);
  EXPECT_EQ(text("beam_width"), "310");
  EXPECT_EQ(caption(), "a.json - Platewise1.0");
  const QString report = widget<platewise::ReportView>("report_view")->text();
  EXPECT_TRUE(report.contains("梁宽 b = 310 mm") && !report.contains("注意：计算后"))
      << report.toStdString();

  const auto pick = [](const QString& file) {
    answer_next_dialog([file](QWidget* dialog) {
      auto* files = qobject_cast<QFileDialog*>(dialog);
      files->selectFile(file);
      QMetaObject::invokeMethod(files, "accept");
    });
  };
  type_into("beam_width", "320");
  QTest::keyClick(window_.get(), Qt::Key_S, Qt::ControlModifier);
  pick(path("b"));
  QTest::keyClick(window_.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(caption(), "b.json - Platewise1.0");
  window_->activateWindow();  // back from the dialog
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  pick(path("a.json"));
  QTest::keyClick(window_.get(), Qt::Key_O, Qt::ControlModifier);
  for (const char* name : {"a.json", "b.json"})
    EXPECT_EQ(*saved(name).beam.given("beam_width"), InputValue("320")) << name;
  EXPECT_EQ(caption(), "a.json - Platewise1.0");
}

// A file made under its name; opening it or saving into it fails for the reason in the box.
struct Refused {
  const char* name;
  bool saving;  // else opening
  QString file;
  std::function<bool(const QString& path)> make;
  QString reason;        // after the file's name
  QByteArray kept = {};  // what the file still holds; nothing: not compared
};
void PrintTo(const Refused& r, std::ostream* out) { *out << r.name; }
class RefusedFileTest : public WindowTest, public testing::WithParamInterface<Refused> {};

TEST_P(RefusedFileTest, FailsAtOnceAndTheWindowKeepsItsInputs) {
  const Refused& c = GetParam();
  const QString file = path(c.file);
  ASSERT_TRUE(c.make(file));
  type_into("beam_width", "300");
  EXPECT_FALSE(c.saving ? files().save_to(file) : files().open(file));
  EXPECT_EQ(box_text(), "“" + file + "”" + c.reason);
  EXPECT_EQ(text("beam_width"), "300");
  EXPECT_EQ(caption(), "Platewise1.0");
  if (!c.kept.isEmpty()) {
    EXPECT_EQ(platewise::read_whole_file(file), c.kept);
  }
}

bool fifo(const QString& p) { return ::mkfifo(p.toUtf8().constData(), 0600) == 0; }
bool old(const QString& p) {
  platewise::write_atomically(p, "old");
  return true;
}

// Devices and huge files are refused by the same reading as calc's (program_test.cpp).
// clang-format off
INSTANTIATE_TEST_SUITE_P(Files, RefusedFileTest, testing::Values(
    Refused{"FifoOpened", false, "fifo.json", fifo, "：是一个管道(FIFO)，不是普通文件，不读取"},
    Refused{"NewerVersion", false, "KL-3.json",
            [](const QString& p) { platewise::write_atomically(p, R"({"format": "platewise-beam", "version": 3})"); return true; },
            "“version”：文件版本3比本程序能读的版本2新，请使用新版Platewise"},
    Refused{"FifoNobodyReadsSavedInto", true, "fifo.json", fifo, "：无法写入：是一个管道，没有程序在读它"},
    // No temporary file can be made beside a name this long, even by root.
    Refused{"NameTooLongToSaveBeside", true, QString(250, 'x') + ".json",
            old, "：无法保存，原文件未改动：文件名太长", "old"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Beams worked in the window through its widgets, and computed by `calc`.
struct WorkedBeam {
  const char* name;
  Inputs inputs;
};
void PrintTo(const WorkedBeam& beam, std::ostream* out) { *out << beam.name; }
class CalcMatchesTheWindow : public BeamFileTest,
                             public ::testing::WithParamInterface<WorkedBeam> {};

TEST_P(CalcMatchesTheWindow, SameResults) {
  Beam beam;
  for (const auto& [key, value] : GetParam().inputs)
    beam.inputs.push_back({platewise::input_by_key(key), value});
  const platewise::Design outcome = platewise::design(beam);

  for (const auto& [key, value] : GetParam().inputs) {
    if (key != "selected_width" && key != "short_anchorage_on" && key != "actual_anchorage")
      give(key, value);
  }
  calculate();
  if (const InputValue* width = beam.given("selected_width")) give("selected_width", *width);
  if (const InputValue* hoops = beam.given("short_anchorage_on")) {
    give("short_anchorage_on", *hoops);
    if (const InputValue* actual = beam.given("actual_anchorage"))
      give("actual_anchorage", *actual);
    click("hoop_button");
  }
  QStringList expected;
  for (const std::string& text : outcome.results) expected << QString::fromStdString(text);
  EXPECT_EQ(all_results(), expected);
  EXPECT_EQ(box_text().toStdString(), outcome.error ? describe(*outcome.error) : "");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Beams, CalcMatchesTheWindow, ::testing::Values(
    WorkedBeam{"Defaults", {}},
    WorkedBeam{"RedistributedOnTypedConcrete", {{"redistribution_on", true}, {"redistribution_percent", "60"}, {"concrete_grade", " c30 "}}},
    WorkedBeam{"SelectedWidthOf16MnPlates", {{"plate_steel", "16Mn钢"}, {"selected_width", "200"}, {"cover", "60"}}},
    WorkedBeam{"HoopPlatesByTheFirstFormula", {{"beam_width", "175"}, {"u_plate_spacing", "120"}, {"short_anchorage_on", true}, {"actual_anchorage", "150"}}},
    WorkedBeam{"HoopPlatesForTheFilledInLength", {{"short_anchorage_on", true}, {"concrete_grade", "C15"}}},
    WorkedBeam{"StoppedWithoutAMoment", {{"moment", ""}}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
