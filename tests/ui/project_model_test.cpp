// The project's beams as a table: each row is its beam designed as the form
// designs it, edits design the row again and undo as one step each, paste
// with and without a header row, copy gives what paste takes, the filter
// keeps the beams that need a look.

#include "project_model.h"

#include <gtest/gtest.h>

#include "project_filter.h"
#include "tsv.h"

namespace platewise {
namespace {

// Beams that end in each way: 满足 at start texts, a bottom plate wider
// than the beam, a division by zero, a top plate wider than the beam.
std::vector<Beam> sample_beams() {
  const auto with = [](std::string name,
                       std::vector<std::pair<std::string_view, InputValue>> given) {
    Beam beam{std::move(name), {}, {}};
    for (auto& [key, value] : given) beam.inputs.push_back({input_by_key(key), value});
    return beam;
  };
  return {
      with("KL-1", {{"beam_width", std::string("330")}, {"beam_height", std::string("650")}}),
      with("KL-2", {{"beam_width", std::string("120")}, {"bottom_area_req", std::string("60")}}),
      with("KL-3", {{"beam_height", std::string("0")}}),
      with("KL-4", {{"top_area_req", std::string("30")}}),
  };
}

// The whole table as tab-separated text, header first.
std::string table(const ProjectModel& model) {
  std::vector<int> rows, columns;
  for (int r = 0; r < model.rowCount(); ++r) rows.push_back(r);
  for (int c = 0; c < model.columnCount(); ++c) columns.push_back(c);
  return model.copy(rows, columns);
}

// The line the table shows for `beam` as design() works it out.
std::vector<std::string> expected_row(const Beam& beam, const ReportInfo& info) {
  Beam given = beam;
  given.report = info;
  given.report.member = beam.name;
  const Design outcome = design(given);
  const BeamRow row = row_of(beam);
  std::vector<std::string> cells{beam.name};
  for (const InputValue& value : row.inputs) {
    const bool* ticked = std::get_if<bool>(&value);
    cells.push_back(ticked ? (*ticked ? "是" : "否") : std::get<std::string>(value));
  }
  for (const ResultField& field : result_fields()) {
    if (input_by_key(field.key) == nullptr) cells.push_back(result_text(outcome, field.key));
  }
  const auto worst = worst_verdict(outcome.checks);
  cells.push_back(outcome.error ? "计算未完成" : worst ? std::string(verdict_word(*worst)) : "");
  cells.push_back(outcome.error ? describe(*outcome.error) : "");
  return cells;
}

std::string expected_table(const std::vector<Beam>& beams, const ReportInfo& info = {}) {
  TsvRows rows(1);
  for (int c = 0; c < static_cast<int>(ProjectModel::columns().size()); ++c) {
    rows[0].push_back(ProjectModel::heading(c).toStdString());
  }
  for (const Beam& beam : beams) rows.push_back(expected_row(beam, info));
  return tsv_text(rows);
}

int column_of(std::string_view key) { return *ProjectModel::column_of_heading(key); }

class ProjectModelTest : public testing::Test {
 protected:
  ProjectModelTest() { model_.set_project(sample_beams(), {}); }
  // The beams with `key` of row `row` given as `text`.
  std::vector<Beam> edited(std::vector<Beam> beams, std::size_t row, std::string_view key,
                           InputValue value) {
    beams[row].inputs.push_back({input_by_key(key), std::move(value)});
    return beams;
  }
  QModelIndex cell(int row, std::string_view key) const {
    return model_.index(row, column_of(key));
  }
  ProjectModel model_;
};

TEST_F(ProjectModelTest, ColumnsAreTheFormsLabelsThenResultsVerdictAndError) {
  const TsvRows header = parse_tsv(table(model_));
  ASSERT_FALSE(header.empty());
  const std::vector<std::string>& h = header[0];
  EXPECT_EQ(h.front(), "构件编号");
  EXPECT_EQ(h[1], "梁宽(mm)");
  EXPECT_EQ(h[input_fields().size()], "梁底钢板实选宽度");  // the input typed after 计算
  EXPECT_EQ(std::vector<std::string>(h.end() - 10, h.end()),
            (std::vector<std::string>{
                "梁底钢板", "梁底钢板实选宽度", "梁面钢板", "梁面钢板实选宽度", "计算锚固长度(mm)",
                "梁侧U型钢板", "加固后裂缝验算(mm)", "钢板端部锚固区U型箍板", "验算", "计算出错"}));
  EXPECT_EQ(h.size(), 1 + input_fields().size() + 8 + 2);
}
TEST_F(ProjectModelTest, EveryRowIsItsBeamDesignedAndAnEditDesignsItsRowAgain) {
  EXPECT_EQ(table(model_), expected_table(sample_beams()));
  ASSERT_TRUE(model_.setData(cell(0, "beam_width"), QStringLiteral("200"), Qt::EditRole));
  ASSERT_TRUE(model_.setData(cell(3, "redistribution_on"), QStringLiteral(" TRUE "), Qt::EditRole));
  EXPECT_FALSE(model_.setData(cell(3, "redistribution_on"), QStringLiteral("也许"), Qt::EditRole));
  EXPECT_FALSE(model_.setData(cell(0, "crack_width"), QStringLiteral("0.1"), Qt::EditRole));
  const auto after = edited(edited(sample_beams(), 0, "beam_width", std::string("200")), 3,
                            "redistribution_on", true);
  EXPECT_EQ(table(model_), expected_table(after));

  model_.undo_stack().undo();
  EXPECT_EQ(table(model_),
            expected_table(edited(sample_beams(), 0, "beam_width", std::string("200"))));
  model_.undo_stack().undo();
  EXPECT_EQ(table(model_), expected_table(sample_beams()));
  model_.undo_stack().redo();
  model_.undo_stack().redo();
  EXPECT_EQ(table(model_), expected_table(after));
}

TEST_F(ProjectModelTest, ReportInformationsCrackLimitDesignsEveryRowAgain) {
  const ReportInfo tight{"办公楼", "", "张三", "", "", "0.01"};
  model_.set_report_info(tight);
  EXPECT_EQ(table(model_), expected_table(sample_beams(), tight));
  EXPECT_EQ(model_.beam(1).report, (ReportInfo{"办公楼", "KL-2", "张三", "", "", "0.01"}));
  model_.undo_stack().undo();
  EXPECT_EQ(table(model_), expected_table(sample_beams()));
}

TEST_F(ProjectModelTest, RowsAreAddedDuplicatedRemovedAndMovedEachAsOneStep) {
  const auto names = [this] {
    std::string names;
    for (const Beam& beam : model_.beams()) names += beam.name + ' ';
    return names;
  };
  model_.add_beam();
  model_.duplicate_rows(0, 2);
  model_.remove_rows(3, 1);
  model_.move_row(0, 3);
  EXPECT_EQ(names(), "KL-2 KL-1(复制) KL-3 KL-1 KL-4 KL-5 ");
  EXPECT_EQ(model_.row(5), row_of(Beam{"KL-5", {}, {}}));  // start texts
  const std::vector<std::string> steps = {
      "KL-1 KL-2 KL-1(复制) KL-3 KL-4 KL-5 ",
      "KL-1 KL-2 KL-1(复制) KL-2(复制) KL-3 KL-4 KL-5 ",
      "KL-1 KL-2 KL-3 KL-4 KL-5 ",
      "KL-1 KL-2 KL-3 KL-4 ",
  };
  for (const std::string& step : steps) {
    model_.undo_stack().undo();
    EXPECT_EQ(names(), step);
  }
  EXPECT_EQ(table(model_), expected_table(sample_beams()));
}

TEST_F(ProjectModelTest, PasteWithoutHeaderFillsFromTheCellAndAddsRows) {
  // Two rows of beam width and height, from the third beam on: one replaced, one added.
  const QString refused =
      model_.paste(3, column_of("beam_width"), "280\t700\n\"2\"\"50\"\t\"6\n00\"\r\n");
  EXPECT_EQ(refused, "");
  auto beams = edited(edited(sample_beams(), 3, "beam_width", std::string("280")), 3, "beam_height",
                      std::string("700"));
  beams.push_back(Beam{"KL-5",
                       {{input_by_key("beam_width"), std::string("2\"50")},
                        {input_by_key("beam_height"), std::string("6\n00")}},
                       {}});
  EXPECT_EQ(table(model_), expected_table(beams));
  model_.undo_stack().undo();  // the whole paste is one step
  EXPECT_EQ(table(model_), expected_table(sample_beams()));
}

TEST_F(ProjectModelTest, PasteWithHeaderGoesByLabelOrKeyAndLeavesResultsAlone) {
  const QString refused = model_.paste(
      1, 5, "梁高(mm)\tname\t梁底钢板\tredistribution_on\n800\tKL-2a\t随便\t是\n\tKL-3a\t\t不\n");
  EXPECT_EQ(refused, "第3行“梁面筋调幅”：“不”应为是/否");
  auto beams = edited(edited(sample_beams(), 1, "beam_height", std::string("800")), 1,
                      "redistribution_on", true);
  beams[1].name = "KL-2a";
  beams = edited(beams, 2, "beam_height", std::string(""));
  beams[2].name = "KL-3a";
  EXPECT_EQ(table(model_), expected_table(beams));
}

// A heading the grid does not have ("梁底筋" for 加固所需梁底筋(cm2)) would
// otherwise paste the header as a beam.
TEST_F(ProjectModelTest, PasteUnderAHeaderWithAnUnknownHeadingChangesNothing) {
  EXPECT_EQ(model_.paste(4, 0, "构件编号\t梁宽(mm)\t梁底筋\t备注\nKL-9\t250\t18.2\t\n"),
            "表头中的“梁底筋”“备注”不是本表的列名");
  EXPECT_EQ(table(model_), expected_table(sample_beams()));
  EXPECT_FALSE(model_.undo_stack().canUndo());
}

TEST_F(ProjectModelTest, CopyOfRowsPastesIntoAnotherProjectAsTheSameBeams) {
  ProjectModel other;
  std::vector<int> columns;
  for (int c = 0; c < model_.columnCount(); ++c) columns.push_back(c);
  EXPECT_EQ(other.paste(0, 0, model_.copy({3, 1}, columns)), "");
  EXPECT_EQ(table(other), expected_table({sample_beams()[3], sample_beams()[1]}));
  EXPECT_EQ(model_.copy({0}, {0, column_of("beam_width"), column_of("redistribution_on")}),
            "构件编号\t梁宽(mm)\t梁面筋调幅\nKL-1\t330\t否\n");
}

TEST_F(ProjectModelTest, FilterKeepsTheBeamsWithNotSatisfiedAttentionOrAnError) {
  std::string verdicts;
  for (int r = 0; r < model_.rowCount(); ++r) {
    verdicts += model_.cell_text(r, column_of("验算")) + '|';
  }
  // The samples reach every kind of ending the filter tells apart.
  EXPECT_EQ(verdicts, "注意（取整）|不满足|计算未完成|注意|");  // rounding is no warning
  ProjectFilter filter(model_);
  filter.set_attention_only(true);
  const auto shown = [&] {
    std::string names;
    for (int r = 0; r < filter.rowCount(); ++r)
      names += filter.index(r, 0).data().toString().toStdString() + ' ';
    return names;
  };
  EXPECT_EQ(shown(), "KL-2 KL-3 KL-4 ");
  // A fixed beam leaves the filtered grid at once.
  model_.replace_row(1, row_of(sample_beams()[0]));
  EXPECT_EQ(shown(), "KL-3 KL-4 ");
  filter.set_attention_only(false);
  filter.sort(column_of("验算"), Qt::DescendingOrder);
  EXPECT_EQ(shown(), "KL-3 KL-4 KL-1 KL-1 ");
  filter.sort(column_of("beam_height"), Qt::AscendingOrder);
  EXPECT_EQ(shown(), "KL-3 KL-4 KL-1 KL-1 ");
}

}  // namespace
}  // namespace platewise
