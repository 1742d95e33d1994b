// A table of 100 000 beams through `platewise calc` to CSV, beside the
// engine alone designing the same beams (with the verdicts a CSV row shows):
// prints beams per second of processor time (the best of five runs), the
// ratio of the two, and whether they reach the 250 000 beams/s and the 0.7
// aimed at.

#include <QBuffer>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>
#include <utility>

#include "beam_table.h"
#include "calc_command.h"
#include "design.h"
#include "file_error.h"
#include "table_of_beams.h"

namespace {

constexpr int kBeams = 100000;
// Each figure is the best of a few runs: on a shared machine a run is slowed
// by others' work, never sped up.
constexpr int kRuns = 5;
constexpr double kAimBeamsPerSecond = 250000;
constexpr double kAimRatio = 0.7;

// The processor time `work` takes on this thread, in seconds: on a shared
// machine the wall clock also counts the time others' work took the core away.
double thread_seconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

template <class Work>
double seconds_of(Work&& work) {
  const double start = thread_seconds();
  work();
  return thread_seconds() - start;
}

// The least seconds of kRuns runs of `work`, or a negative number when one fails.
template <class Work>
double best_seconds(Work&& work) {
  double best = -1;
  for (int run = 0; run < kRuns; ++run) {
    const double seconds = work();
    if (seconds < 0) return seconds;
    if (best < 0 || seconds < best) best = seconds;
  }
  return best;
}

// Beams per second of design() alone on the beams of `table`, read beforehand.
double engine_rate(const QByteArray& table) {
  QBuffer in;
  in.setData(table);
  in.open(QIODevice::ReadOnly);
  std::vector<platewise::Beam> beams;
  try {
    const platewise::TextEncoding encoding = platewise::detect_encoding(in, "beams.csv");
    in.seek(0);
    platewise::BeamTable rows(in, "beams.csv", encoding);
    for (platewise::Beam beam; rows.next(beam);) beams.push_back(beam);
  } catch (const platewise::FileError& error) {
    std::fprintf(stderr, "%s\n", error.message().toLocal8Bit().constData());
    return -1;
  }
  platewise::Design design;
  return static_cast<double>(beams.size()) / best_seconds([&] {
           return seconds_of([&] {
             for (const platewise::Beam& beam : beams) {
               platewise::design(beam, platewise::Detail::Verdicts, design);
             }
           });
         });
}

// Seconds that `platewise calc TABLE -o OUT` takes, or a negative number when it fails.
double calc_seconds(const QTemporaryDir& dir, const QByteArray& bytes) {
  const QString table = dir.filePath("beams.csv");
  QFile file(table);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0) return -1;
  file.close();
  QBuffer err;
  err.open(QIODevice::WriteOnly);
  int status = 0;
  const double seconds = seconds_of([&] {
    status =
        platewise::run_calc({"platewise", "calc", table, "-o", dir.filePath("out.csv")}, {1, err});
  });
  std::fprintf(stderr, "%s", err.data().constData());
  return status > platewise::kSomeStopped ? -1 : seconds;
}

}  // namespace

int main() {
  QTemporaryDir dir;
  const QByteArray utf8 = table_of_beams(kBeams);
  const QByteArray gbk = QStringEncoder("GB18030")(QString::fromUtf8(utf8));
  const double engine_per_second = engine_rate(utf8);
  if (engine_per_second < 0) return 1;
  std::printf("engine alone, design() of the %d beams: %.0f beams/s\n", kBeams, engine_per_second);
  for (const auto& [encoding, bytes] : {std::pair{"UTF-8", &utf8}, std::pair{"GBK", &gbk}}) {
    const double seconds = best_seconds([&] { return calc_seconds(dir, *bytes); });
    if (seconds < 0) return 1;
    const double beams_per_second = kBeams / seconds;
    const double ratio = beams_per_second / engine_per_second;
    std::printf(
        "calc of a %s table of %d beams to CSV: %.2f s, %.0f beams/s (aim %.0f: %s) = %.2f x "
        "the engine alone (aim %.1f: %s)\n",
        encoding, kBeams, seconds, beams_per_second, kAimBeamsPerSecond,
        beams_per_second >= kAimBeamsPerSecond ? "reached" : "NOT REACHED", ratio, kAimRatio,
        ratio >= kAimRatio ? "reached" : "NOT REACHED");
  }
  return 0;
}
