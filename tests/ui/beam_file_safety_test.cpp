// Beam files the window must not read or wait on, and the beam's name kept
// on saving. A FIFO, a device or a huge file is refused at once: the window
// keeps its inputs and a box says why.

#include <sys/stat.h>

#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <functional>

#include "beam_file.h"
#include "beam_file_actions.h"
#include "file_io.h"
#include "window_fixture.h"

namespace {

class BeamFileSafetyTest : public WindowTest {
 protected:
  platewise::BeamFileActions& files() const {
    return *window_->findChild<platewise::BeamFileActions*>();
  }
  QString path(const QString& name) const { return dir_.filePath(name); }
  // The text of the box shown over the window, which is then closed.
  QString box_text() const {
    auto* box = window_->findChild<QMessageBox*>();
    const QString text = box != nullptr ? box->text() : QString();
    delete box;
    return text;
  }
  std::string saved_name(const QString& name) const {
    return platewise::parse_beam_file(platewise::read_whole_file(path(name)), name).beam.name;
  }

  QTemporaryDir dir_;
};

// A file that is no beam file, made under its name; its reason in the box.
struct Refused {
  const char* name;
  const char* file;
  std::function<bool(const QString& path)> make;
  QString reason;
};
void PrintTo(const Refused& r, std::ostream* out) { *out << r.name; }
class RefusedFileTest : public BeamFileSafetyTest, public testing::WithParamInterface<Refused> {};

TEST_P(RefusedFileTest, IsRefusedAtOnceAndTheWindowKeepsItsInputs) {
  const QString file = path(GetParam().file);
  ASSERT_TRUE(GetParam().make(file));
  type_into("beam_width", "300");
  EXPECT_FALSE(files().open(file));
  EXPECT_EQ(box_text(), "“" + file + "”：" + GetParam().reason);
  EXPECT_EQ(text("beam_width"), "300");
  EXPECT_EQ(window_->windowHandle()->title(), "Platewise1.0");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Files, RefusedFileTest, testing::Values(
    Refused{"Fifo", "fifo.json", [](const QString& p) { return ::mkfifo(p.toUtf8().constData(), 0600) == 0; },
            "是一个管道(FIFO)，不是普通文件，不读取"},
    Refused{"Device", "zero.json", [](const QString& p) { return QFile::link("/dev/zero", p); },
            "是一个设备，不是普通文件，不读取"},
    // Sparse: no disk used.
    Refused{"Huge", "big.json", [](const QString& p) { QFile big(p); return big.open(QIODevice::WriteOnly) && big.resize(200 << 20); },
            "超过16 MB，不像梁文件，不读取"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(BeamFileSafetyTest, SavingIntoAFifoNobodyReadsDoesNotWait) {
  ASSERT_EQ(::mkfifo(path("fifo.json").toUtf8().constData(), 0600), 0);
  type_into("beam_width", "300");
  EXPECT_FALSE(files().save_to(path("fifo.json")));
  EXPECT_EQ(box_text(), "“" + path("fifo.json") + "”：无法写入：是一个管道，没有程序在读它");
  EXPECT_EQ(text("beam_width"), "300");
}

TEST_F(BeamFileSafetyTest, SavingKeepsTheNameTheFileGaveTheBeam) {
  platewise::write_atomically(path("KL-9.json"), R"j({"format": "platewise-beam", "version": 1,
      "name": "一层KL-9(东跨)", "inputs": {"beam_width": "300"}})j");
  platewise::write_atomically(path("unnamed.json"), R"({"format": "platewise-beam", "version": 1,
      "inputs": {"beam_width": "300"}})");
  ASSERT_TRUE(files().save_to(path("new.json")));  // a new beam
  EXPECT_EQ(saved_name("new.json"), "new");

  ASSERT_TRUE(files().open(path("KL-9.json")));
  type_into("beam_width", "320");
  ASSERT_TRUE(files().save());
  EXPECT_EQ(saved_name("KL-9.json"), "一层KL-9(东跨)");
  ASSERT_TRUE(files().save_to(path("copy.json")));
  EXPECT_EQ(saved_name("copy.json"), "一层KL-9(东跨)");

  ASSERT_TRUE(files().open(path("unnamed.json")));
  ASSERT_TRUE(files().save_to(path("renamed.json")));
  EXPECT_EQ(saved_name("renamed.json"), "renamed");
}

}  // namespace
