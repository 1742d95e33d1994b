// The program as a hostile user runs it from a shell: outputs that are
// inputs, FIFOs, devices, full disks, closed and appended standard output,
// huge files, an environment without XDG_RUNTIME_DIR (cron, ssh, containers).
// Each row: the command, its exit status, every byte it wrote to standard
// output and error, and what the files look like afterwards. A row that has
// not ended after 5 minutes, far beyond what any takes on a loaded two-core
// machine, fails; the seconds taken are recorded.

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct ProgramCase {
  const char* title;
  const char* setup;    // in a fresh folder; exit status 77 skips the row
  const char* command;  // $P is the program, $E the examples folder, $TMPDIR the run's own
  int status;
  std::string out;
  std::string err;
  const char* after;  // what it prints is compared with `after_out`
  std::string after_out;
};

void PrintTo(const ProgramCase& c, std::ostream* out) { *out << c.title; }

struct Finished {
  bool finished = false;
  int status = -1;
  std::string out, err;
};

class ProgramTest : public ::testing::TestWithParam<ProgramCase> {
 protected:
  // Runs `script` with sh in the folder, without XDG_RUNTIME_DIR and with a
  // temporary folder of its own; its whole process group is ended if it is
  // still running after 5 minutes.
  Finished shell(const char* script) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("P", PLATEWISE_PROGRAM);
    environment.insert("E", PLATEWISE_EXAMPLES);
    environment.remove("XDG_RUNTIME_DIR");
    environment.insert("TMPDIR", tmp_.path());
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(dir_.path());
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
    process.start("sh", {"-c", script});
    Finished run;
    run.finished = process.waitForFinished(5 * 60 * 1000);
    if (!run.finished) {
      ::kill(-static_cast<pid_t>(process.processId()), SIGKILL);
      process.waitForFinished();
    }
    run.status = process.exitCode();
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
  }

  QTemporaryDir dir_, tmp_;
};

TEST_P(ProgramTest, EndsAndWritesOnlyWhatItShould) {
  const ProgramCase& c = GetParam();
  if (shell(c.setup).status == 77) GTEST_SKIP() << "cannot set up: " << c.setup;
  QElapsedTimer clock;
  clock.start();
  const Finished run = shell(c.command);
  RecordProperty("seconds", std::to_string(clock.elapsed() / 1000.0));
  ASSERT_TRUE(run.finished) << "still running after 5 minutes: " << c.command;
  EXPECT_EQ(run.status, c.status);
  EXPECT_EQ(run.out, c.out);
  EXPECT_EQ(run.err, c.err);
  EXPECT_EQ(shell(c.after).out, c.after_out);
}

const char* const kIntact = "cmp KL-1.json old && echo intact";
const char* const kTableIntact = "cmp b.csv old && echo intact";
const std::string kSameAs = "：就是输入文件“";
const std::string kNothing = "”，不能同时作输出；什么也没写\n";

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Faults, ProgramTest,
    ::testing::Values(
        // Data loss.
        ProgramCase{"IntoItsOwnTableThroughALink", "cp $E/beams-gbk.csv b.csv && cp b.csv old && ln -s b.csv out.csv",
                    "$P calc b.csv -o out.csv", 2, "", "“out.csv”" + kSameAs + "b.csv" + kNothing, kTableIntact, "intact\n"},
        ProgramCase{"DevStdoutAppendsToTheLog", "echo earlier > log.txt",
                    "( $P calc $E/KL-1.json -o /dev/stdout ) >> log.txt", 0, "", "",
                    "head -n 2 log.txt", "earlier\n梁：KL-1\n"},
        ProgramCase{"FifoTargetStaysAFifo", "mkfifo out.fifo",
                    "cat out.fifo > got & $P calc $E/KL-1.json -o out.fifo; s=$?; wait; exit $s", 0, "", "",
                    "stat -c %F out.fifo && head -n 1 got", "fifo\n梁：KL-1\n"},
        ProgramCase{"DeviceTargetStaysADevice", "mknod null c 1 3 || exit 77", "$P calc $E/KL-1.json -o null", 0, "", "",
                    "stat -c %F null", "character special file\n"},
        ProgramCase{"ReportIntoItsOwnBeamFile", "cp $E/KL-1.json . && cp KL-1.json old && ln -s KL-1.json k.pdf",
                    "$P report KL-1.json -o k.pdf", 2, "", "“k.pdf”" + kSameAs + "KL-1.json" + kNothing, kIntact, "intact\n"},
        // Hangs and crashes: refused at once.
        ProgramCase{"FifoTable", "mkfifo x.csv", "$P calc x.csv", 2, "", "“x.csv”：是一个管道(FIFO)，不是普通文件，不读取\n",
                    "stat -c %F x.csv", "fifo\n"},
        ProgramCase{"FifoBeamFile", "mkfifo x.json", "$P report x.json -o r.pdf", 2, "",
                    "“x.json”：是一个管道(FIFO)，不是普通文件，不读取\n", "ls", "x.json\n"},
        ProgramCase{"BeamFileLinkedToDevZero", "ln -s /dev/zero z.json", "$P calc z.json", 2, "",
                    "“z.json”：是一个设备，不是普通文件，不读取\n", "ls", "z.json\n"},
        ProgramCase{"WorkbookOf200Mb", "truncate -s 200M big.xlsx", "$P calc big.xlsx", 2, "",
                    "“big.xlsx”：超过64 MB，不像梁文件，不读取\n", "ls", "big.xlsx\n"},
        ProgramCase{"WorkbookSavedAsCsv", "cp $E/beams-gbk.csv b.xlsx", "$P report b.xlsx -o r.pdf", 2, "",
                    "“b.xlsx”：不是.xlsx工作簿（不是zip文件）\n", "ls", "b.xlsx\n"},
        ProgramCase{"BeamFileOf200Mb", "truncate -s 200M big.json", "$P calc big.json", 2, "",
                    "“big.json”：超过16 MB，不像梁文件，不读取\n", "ls", "big.json\n"},
        // Failures reported as failures.
        ProgramCase{"FullDiskAsStandardOutput", "", "$P calc $E/beams-gbk.csv > /dev/full", 2, "",
                    "“标准输出”：无法写入：磁盘已满\n", "ls", ""},
        ProgramCase{"FullDiskAsTarget", "mknod full c 1 7 || exit 77", "$P calc $E/beams-gbk.csv -o full", 2, "",
                    "“full”：无法写入：磁盘已满\n", "stat -c %F full", "character special file\n"},
        ProgramCase{"ReportOnAFullDisk", "mknod full.pdf c 1 7 || exit 77", "$P report $E/KL-1.json -o full.pdf", 2, "",
                    "“full.pdf”：无法写入：磁盘已满\n", "stat -c %F full.pdf", "character special file\n"},
        ProgramCase{"ClosedStandardOutput", "", "$P calc $E/KL-1.json >&-", 2, "", "“标准输出”：无法写入：已经关闭\n",
                    "ls", ""},
        ProgramCase{"VersionOnAFullDisk", "", "$P --version > /dev/full", 2, "", "“标准输出”：无法写入：磁盘已满\n",
                    "ls", ""},
        // Messages in Chinese.
        ProgramCase{"UnknownOption", "", "$P calc --bogus", 2, "", "命令行有误：未知选项“bogus”。\n", "ls", ""},
        ProgramCase{"HelpNamesTheCommand", "", "$P calc --help | grep -c '^用法：.*platewise calc \\[选项\\] FILE…$'", 0,
                    "1\n", "", "ls", ""},
        ProgramCase{"ReportIntoAFolderNamedLikeAPdf", "mkdir x.pdf", "$P report $E/KL-1.json -o x.pdf", 2, "",
                    "“x.pdf”：无法保存：是一个文件夹\n", "ls x.pdf", ""},
        // What a file holds is told, never acted on.
        ProgramCase{"KeyTwiceRefused",
                    "printf '{\"format\": \"platewise-beam\", \"version\": 1,\\n\"inputs\": {\"beam_height\": \"650\",\\n\"beam_height\": \"0\"}}' > d.json",
                    "$P calc d.json", 2, "", "“d.json”第3行“beam_height”：键重复出现，同一对象中每个键只能有一次\n",
                    "ls", "d.json\n"},
        ProgramCase{"NulNeverRawInACsvCell",
                    "printf '{\"format\": \"platewise-beam\", \"version\": 1, \"name\": \"KL\\\\u0000-1\", \"inputs\": {}}' > n.json",
                    "$P calc n.json -f csv | tr -cd '\\000' | wc -c", 0, "0\n", "", "ls", "n.json\n"},
        ProgramCase{"RightToLeftOverrideShownEscaped",
                    "printf '{\"format\": \"platewise-beam\", \"version\": 1, \"name\": \"\\\\u202eKL-1\", \"inputs\": {}}' > r.json",
                    "$P calc r.json | head -n 1", 0, "梁：\\u202eKL-1\n", "", "ls", "r.json\n"},
        ProgramCase{"CrackLimitInExponentForm", "", "$P report $E/KL-1.json -o r.pdf --crack-limit 1e-1", 0, "", "",
                    "ls", "r.pdf\n"},
        // No word of Qt's, no folder left in $TMPDIR without XDG_RUNTIME_DIR.
        ProgramCase{"ReportWithoutRuntimeFolder", "", "$P report $E/KL-1.json -o r.pdf", 0, "", "",
                    "ls; ls -A \"$TMPDIR\"", "r.pdf\n"},
        ProgramCase{"ReportHelpWithoutRuntimeFolder", "", "$P report --help | grep -c '^用法：.*platewise report'", 0,
                    "1\n", "", "ls -A \"$TMPDIR\"", ""},
        ProgramCase{"ReportOfAProjectUnderAnotherName",
                    "echo '{\"format\": \"platewise-project\", \"version\": 1, \"report\": {\"project\": \"旧楼\"}, "
                    "\"beams\": [{\"name\": \"KL-1\", \"inputs\": {}}, {\"name\": \"KL-2\", \"inputs\": {}}]}' > p.pwproj",
                    "$P report p.pwproj -o r.pdf --project 新楼 && pdftotext r.pdf t && ! grep 旧楼 t && grep -m1 -c '新楼 KL-2 计算书' t", 0,
                    "1\n", "", "ls", "p.pwproj\nr.pdf\nt\n"},
        ProgramCase{"ReportToStandardOutput", "", "$P report $E/KL-1.json -o - > r.pdf && head -c 5 r.pdf", 0,
                    "%PDF-", "", "ls", "r.pdf\n"}),
    [](const auto& info) { return std::string(info.param.title); });
// clang-format on

}  // namespace
