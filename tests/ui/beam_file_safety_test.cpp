// Beam files the window must not read, wait on or write over. A file refused
// or a save that fails leaves the window's inputs as they were and a box says why.

#include <sys/stat.h>

#include <QFile>
#include <functional>

#include "window_fixture.h"

namespace {

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

}  // namespace
