// The project window: a table opened, edited, saved as a project and opened
// again; a failed save that keeps the grid and the old file; the form
// showing the chosen row and editing it; the building's report and the
// results workbook written.

#include "project_window.h"

#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QTableView>

#include "project_actions.h"
#include "project_file.h"
#include "window_fixture.h"

namespace {

using platewise::ProjectWindow;

constexpr char kTable[] =
    "name,beam_width,beam_height,redistribution_on\n"
    "KL-1,330,650,0\n"
    "KL-2,120,600,是\n";

class ProjectWindowTest : public WindowTest {
 protected:
  platewise::ProjectActions& projects() const {
    return *window_->findChild<platewise::ProjectActions*>();
  }
  ProjectWindow& project() const { return projects().window(); }
  // The whole grid as tab-separated text, in the model's order.
  std::string table() const {
    const platewise::ProjectModel& model = project().model();
    std::vector<int> rows, columns;
    for (int r = 0; r < model.rowCount(); ++r) rows.push_back(r);
    for (int c = 0; c < model.columnCount(); ++c) columns.push_back(c);
    return model.copy(rows, columns);
  }
  void close_boxes() const {
    for (QMessageBox* box : project().findChildren<QMessageBox*>()) box->close();
  }
  QString opened_table() {
    platewise::write_atomically(path("beams.csv"), kTable);
    return path("beams.csv");
  }
};

TEST_F(ProjectWindowTest, IsBuiltOnlyWhenFirstWantedAndOpensATableFromTheFormsMenuOrStart) {
  EXPECT_FALSE(projects().has_window());
  // `platewise beams.csv`: the project window comes up over the form.
  window_ = platewise::start_platewise(opened_table());
  ASSERT_TRUE(projects().has_window());
  EXPECT_TRUE(project().isVisible());
  EXPECT_EQ(project().model().rowCount(), 2);
  EXPECT_EQ(project().windowTitle(), "beams[*] - 工程 - Platewise1.0");
  EXPECT_FALSE(project().isWindowModified());
  EXPECT_EQ(project().file(), "");  // a table is not the project's file
}

TEST_F(ProjectWindowTest, EditedProjectIsSavedAndReadBackTheSame) {
  ASSERT_TRUE(projects().open(opened_table()));
  const auto count = [this] { return project().findChild<QLabel*>("project_count")->text(); };
  EXPECT_EQ(count(), "2 个构件，1 个不满足、注意或出错");
  platewise::ProjectModel& model = project().model();
  ASSERT_TRUE(model.setData(model.index(1, 1), QStringLiteral("300"), Qt::EditRole));
  EXPECT_EQ(count(), "2 个构件，0 个不满足、注意或出错");  // the count follows every edit
  EXPECT_TRUE(project().isWindowModified());
  const std::string edited = table();
  ASSERT_TRUE(project().save_to(path("办公楼.pwproj")));
  EXPECT_FALSE(project().isWindowModified());
  EXPECT_EQ(project().windowTitle(), "办公楼[*] - 工程 - Platewise1.0");

  ASSERT_TRUE(project().new_project());
  EXPECT_EQ(model.rowCount(), 0);
  ASSERT_TRUE(project().open(path("办公楼.pwproj")));
  EXPECT_EQ(table(), edited);
  EXPECT_EQ(project().file(), path("办公楼.pwproj"));
  const platewise::Project saved = platewise::read_project(path("办公楼.pwproj"));
  ASSERT_EQ(saved.beams.size(), 2u);
  EXPECT_EQ(saved.beams[1].results.at("bottom_plate"),
            model.cell_text(1, *platewise::ProjectModel::column_of_heading("bottom_plate")));
}

TEST_F(ProjectWindowTest, FailedSaveKeepsTheOldFileAndTheGrid) {
  ASSERT_TRUE(projects().open(opened_table()));
  ASSERT_TRUE(project().save_to(path("p.pwproj")));
  const QByteArray old = platewise::read_whole_file(path("p.pwproj"));
  project().model().remove_rows(0, 1);
  ASSERT_TRUE(QDir(path("")).mkdir("folder.pwproj"));
  EXPECT_FALSE(project().save_to(path("folder.pwproj")));
  close_boxes();
  EXPECT_TRUE(project().isWindowModified());
  EXPECT_EQ(project().model().rowCount(), 1);
  EXPECT_EQ(platewise::read_whole_file(path("p.pwproj")), old);
}

TEST_F(ProjectWindowTest, ChosenRowIsShownInTheFormAndTheFormEditsIt) {
  ASSERT_TRUE(projects().open(opened_table()));
  QTableView& grid = project().grid();
  grid.setCurrentIndex(grid.model()->index(1, 0));
  EXPECT_EQ(texts({"beam_width", "beam_height"}), "120|600");
  EXPECT_TRUE(widget<QAbstractButton>("redistribution_on")->isChecked());
  EXPECT_EQ(text("bottom_plate"),
            QString::fromStdString(project().model().cell_text(
                1, *platewise::ProjectModel::column_of_heading("bottom_plate"))));
  type_into("beam_width", "400");
  calculate();
  const platewise::ProjectModel& model = project().model();
  EXPECT_EQ(model.cell_text(1, 1), "400");
  EXPECT_EQ(model.cell_text(1, 0), "KL-2");
  EXPECT_EQ(QString::fromStdString(
                model.cell_text(1, *platewise::ProjectModel::column_of_heading("bottom_plate"))),
            text("bottom_plate"));
  project().model().undo_stack().undo();
  EXPECT_EQ(model.cell_text(1, 1), "120");
  // The form follows edits of its row in the grid, so that its next 计算
  // keeps them rather than putting its old inputs back.
  EXPECT_EQ(text("beam_width"), "120");
  EXPECT_EQ(project().model().paste(1, 1, "350"), "");
  EXPECT_EQ(text("beam_width"), "350");
  calculate();
  EXPECT_EQ(model.cell_text(1, 1), "350");
}

TEST_F(ProjectWindowTest, BuildingsReportIsWrittenWithEveryBeam) {
  ASSERT_TRUE(projects().open(opened_table()));
  const auto book = project().report().book();
  ASSERT_TRUE(book.has_value());
  EXPECT_EQ(book->members.size(), 2u);
  EXPECT_EQ(book->chapters.size(), 2u);
  EXPECT_EQ(project().report().save_to(path("book.pdf"), *book), "");
  EXPECT_TRUE(platewise::read_whole_file(path("book.pdf"), 1 << 28).startsWith("%PDF"));
  // The results as a workbook, read back as a table of the same beams' names.
  ASSERT_TRUE(project().export_results_to(path("results.xlsx")));
  EXPECT_TRUE(platewise::read_whole_file(path("results.xlsx"), 1 << 28).startsWith("PK"));
}

}  // namespace
