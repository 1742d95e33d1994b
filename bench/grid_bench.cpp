// The project window's grid with a building of 10 000 beams, as the engineer
// works in it: one input cell edited, its row designed again and the grid
// repainted (aim: under 16 ms, one frame), of the row the form shows and of
// another, and the grid scrolled a page at a time, each page painted (aim:
// the same). The window is the program's own,
// on Qt's offscreen platform.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>

#include "main_window.h"
#include "project_actions.h"
#include "project_window.h"
#include "startup.h"
#include "table_of_beams.h"

namespace {

using namespace platewise;

constexpr int kBeams = 10000;

// The program's window with the project window open on a table of kBeams beams.
struct OpenProject {
  QTemporaryDir dir;
  std::unique_ptr<MainWindow> form;
  ProjectWindow* window = nullptr;

  OpenProject() {
    const QString table = dir.filePath("beams.csv");
    QFile file(table);
    const QByteArray bytes = table_of_beams(kBeams);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return;
    file.close();
    form = start_platewise();
    auto* projects = form->findChild<ProjectActions*>();
    if (projects == nullptr || !projects->open(table)) return;
    window = &projects->window();
    window->grid().setCurrentIndex(window->grid().model()->index(0, 0));
    QApplication::processEvents();
  }
};

// The project window, opened once for all the benchmarks; null, the benchmark skipped, if it did
// not open.
ProjectWindow* opened(benchmark::State& state) {
  static OpenProject project;
  if (project.window == nullptr) state.SkipWithError("the project did not open");
  return project.window;
}

// Row 0 is the one the form shows, and follows: the form computes it again
// and lays its report panel out anew. Row 5 000 is any other.
void EditOneCellOf10000Beams(benchmark::State& state) {
  ProjectWindow* window = opened(state);
  if (window == nullptr) return;
  QTableView& grid = window->grid();
  const QModelIndex cell = grid.model()->index(static_cast<int>(state.range(0)),
                                               *ProjectModel::column_of_heading("bottom_area_req"));
  int n = 0;
  for (auto _ : state) {
    // What typing a value and pressing Enter does, then the frame it shows.
    grid.model()->setData(cell, QString::number(15 + n++ % 7), Qt::EditRole);
    grid.viewport()->repaint();
  }
  state.counters["rows"] = grid.model()->rowCount();
}
BENCHMARK(EditOneCellOf10000Beams)
    ->ArgName("row")
    ->Arg(0)
    ->Arg(5000)
    ->Unit(benchmark::kMillisecond);

void ScrollOnePageOf10000Beams(benchmark::State& state) {
  ProjectWindow* window = opened(state);
  if (window == nullptr) return;
  QTableView& grid = window->grid();
  QScrollBar& bar = *grid.verticalScrollBar();
  for (auto _ : state) {
    bar.setValue(bar.value() >= bar.maximum() ? 0 : bar.value() + bar.pageStep());
    grid.viewport()->repaint();
  }
  state.counters["rows"] = grid.model()->rowCount();
}
BENCHMARK(ScrollOnePageOf10000Beams)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
