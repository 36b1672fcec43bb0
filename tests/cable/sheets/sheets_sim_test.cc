// The sheet page against telvane-sim through telvane-cli: the simulator's
// four sheets and two notebook entries, the report of a sheet read back with
// python3-xlrd, and kind 13's second page from version 302.
#include <gtest/gtest.h>

#include <algorithm>

#include "cable/sheets/sheet_samples.h"
#include "support/sim_process.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

class SheetsSimTest : public ::testing::Test {
 protected:
  void Start(int kind, std::vector<std::string> more = {}) {
    std::vector<std::string> args = {"--kind", std::to_string(kind), "--serial", "S00013"};
    args.insert(args.end(), more.begin(), more.end());
    sim_ = std::make_unique<testing::SimProcess>(ports_.path(), 3, args);
    ASSERT_TRUE(sim_->ready());
  }
  testing::SimPortDir ports_;
  std::unique_ptr<testing::SimProcess> sim_;
  testing::TempDir dir_;
};

TEST_F(SheetsSimTest, Kind14ListsTheSheetsAndTheNotebookAndSavesAReport) {
  Start(14);
  const std::string file = dir_.File("sheet.xls");
  const auto run = testing::RunCli("--file " + testing::ShellQuote(file) +
                                   " pages sheets --session 14:S00013:COM3 --select 1 --print "
                                   "--save --select 3 --print");
  ASSERT_EQ(run.status, 0) << run.output << sim_->Log();
  for (const char* line :
       {" 1 Отбор пар (Лист № 01)", " 4 Отбор пар (Лист № 04)",
        " 5 Блокнот измерителя (запись № 1)", " 6 Блокнот измерителя (запись № 2)",
        "Измерения есть", "  16.00 кГц", "Данный лист БД измерений пуст."}) {
    EXPECT_NE(run.output.find(line), std::string::npos) << line << "\n" << run.output;
  }
  const auto cells = testing::XlrdReportCells(file);
  ASSERT_FALSE(cells.empty());
  EXPECT_EQ(cells[0], "1 5 text ПРОТОКОЛ xf 9");
  // The simulator's table of 8 pairs holds both markers: "П" cells, and
  // 127 cells left empty, so fewer than the 28 cells of the triangle.
  int pair_cells = 0;
  int over_range = 0;
  for (const std::string& cell : cells) {
    const int row = std::stoi(cell);
    if (row >= 45 && row <= 51 && cell.find(" 1 ") != cell.find(' ') &&
        cell.find("xf 5") != std::string::npos) {
      ++pair_cells;
      if (cell.find("text П") != std::string::npos) ++over_range;
    }
  }
  EXPECT_GT(over_range, 0);
  EXPECT_GT(pair_cells, 0);
  EXPECT_LT(pair_cells, 28);
}

TEST_F(SheetsSimTest, Kind13FromVersion302ReadsOnItsSecondPage) {
  Start(13, {"--sheet-version", "302"});
  const auto run = testing::RunCli("pages sheets --session 13:S00013:COM3 --print");
  ASSERT_EQ(run.status, 0) << run.output << sim_->Log();
  EXPECT_NE(run.output.find(" 4 Плановые АЧХ (Лист № 04)"), std::string::npos) << run.output;
}

TEST_F(SheetsSimTest, SavingWithoutASelectionFails) {
  Start(13);
  const auto run = testing::RunCli("pages sheets --session 13:S00013:COM3 --save");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find("Ошибка: Нет выделенных листов!"), std::string::npos) << run.output;
}

}  // namespace
}  // namespace telvane
