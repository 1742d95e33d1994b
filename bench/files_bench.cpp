// Opening a building's beams and showing every result: a table of 1 000
// beams as .xlsx, as CSV and as a project file, read and each beam designed
// as the window's project grid shows it. The aim is under 1 s.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include "beams_workbook.h"
#include "design.h"
#include "project_file.h"
#include "table_file.h"
#include "table_of_beams.h"

namespace {

constexpr int kBeams = 1000;

struct Files {
  QTemporaryDir dir;
  QString csv = dir.filePath("beams.csv");
  QString xlsx = dir.filePath("beams.xlsx");
  QString project = dir.filePath("beams.pwproj");

  Files() {
    QFile table(csv);
    if (!table.open(QIODevice::WriteOnly)) throw std::runtime_error("cannot write the table");
    table.write(table_of_beams(kBeams));
    table.close();
    const std::vector<platewise::Beam> beams = platewise::read_table(csv);
    QFile workbook(xlsx);
    if (!workbook.open(QIODevice::WriteOnly)) throw std::runtime_error("cannot write the workbook");
    workbook.write(platewise::beams_workbook_bytes(beams, xlsx));
    workbook.close();
    platewise::write_project_file(project, platewise::read_project(csv));
  }
};

const Files& files() {
  static const Files made;
  return made;
}

void open_and_design(benchmark::State& state, const QString& path) {
  platewise::Design design;
  for (auto _ : state) {
    const platewise::Project project = platewise::read_project(path);
    for (const platewise::ProjectBeam& beam : project.beams) {
      platewise::design(beam.beam, platewise::Detail::Values, design);
      benchmark::DoNotOptimize(design.results);
    }
    if (project.beams.size() != kBeams) state.SkipWithError("not every beam was read");
  }
  state.counters["beams"] = kBeams;
}

void BM_Open1000BeamWorkbook(benchmark::State& state) { open_and_design(state, files().xlsx); }
void BM_Open1000BeamCsvTable(benchmark::State& state) { open_and_design(state, files().csv); }
void BM_Open1000BeamProjectFile(benchmark::State& state) {
  open_and_design(state, files().project);
}

BENCHMARK(BM_Open1000BeamWorkbook)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Open1000BeamCsvTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Open1000BeamProjectFile)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
