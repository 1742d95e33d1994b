// A table of 100 000 beams through `platewise calc`, beside the engine's own
// Calculate rate: prints beams per second, the ratio of the two, and whether
// the table took under the 2 s aimed at.

#include <QBuffer>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <utility>

#include "calc_command.h"
#include "form_handlers.h"
#include "headless_form.h"
#include "table_of_beams.h"

namespace {

constexpr int kBeams = 100000;
constexpr double kAimSeconds = 2.0;

template <class Work>
double seconds_of(Work&& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double engine_rate() {
  platewise::BeamState state;
  platewise::HeadlessForm form;
  platewise::FormHandlers handlers(state, form);
  constexpr int kRuns = 200000;
  return kRuns / seconds_of([&] {
           for (int i = 0; i < kRuns; ++i) handlers.calculate();
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
  const double calculate_per_second = engine_rate();
  std::printf("engine Calculate alone: %.0f runs/s\n", calculate_per_second);
  for (const auto& [encoding, bytes] : {std::pair{"UTF-8", &utf8}, std::pair{"GBK", &gbk}}) {
    const double seconds = calc_seconds(dir, *bytes);
    if (seconds < 0) return 1;
    const double beams_per_second = kBeams / seconds;
    std::printf(
        "calc of a %s table of %d beams: %.2f s, %.0f beams/s = %.2f x the Calculate rate "
        "(aim < %.1f s: %s)\n",
        encoding, kBeams, seconds, beams_per_second, beams_per_second / calculate_per_second,
        kAimSeconds, seconds < kAimSeconds ? "within aim" : "OVER AIM");
  }
  return 0;
}
