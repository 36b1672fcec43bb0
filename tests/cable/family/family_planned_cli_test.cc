// "telvane-cli pages family-planned" against telvane-sim: the reception, the
// cable choice with its locked leading entries, the printed table and the
// reports written through the save dialog's filters.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base/cp1251.h"
#include "support/sim_process.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

using testing::RunCli;
using testing::ShellQuote;

class FamilyPlannedCliTest : public ::testing::Test {
 protected:
  void Start(int kind) {
    sim_ = std::make_unique<testing::SimProcess>(
        ports_.path(), 2,
        std::vector<std::string>{"--kind", std::to_string(kind), "--serial", "P00001"});
    ASSERT_TRUE(sim_->ready());
  }
  testing::SimPortDir ports_;
  std::unique_ptr<testing::SimProcess> sim_;
  testing::TempDir dir_;
};

TEST_F(FamilyPlannedCliTest, Kind11PrintsTheSelectedCableAndSavesBothCsvForms) {
  Start(11);
  const std::string semicolon = dir_.File("plan1.csv");
  const std::string comma = dir_.File("plan2.csv");
  const auto run =
      RunCli("--file " + ShellQuote(semicolon + ":2") + " --file " + ShellQuote(comma + ":3") +
             " pages family-planned --session 11:P00001:COM2 --receive --cable 3"
             " --print --save --save");
  ASSERT_EQ(run.status, 0) << run.output << sim_->Log();
  EXPECT_NE(run.output.find("-  1 Ввод-А\n-  2 Магистраль 2\n*  3 Распределение №3\n"),
            std::string::npos)
      << run.output;
  EXPECT_NE(
      run.output.find("Имя плановых измерений: План-3\nДата проведения измерений: 05.11.2026"),
      std::string::npos);
  EXPECT_NE(run.output.find("\n5|    -----    |48.1 нФ|"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("\n1999|"), std::string::npos);
  const auto bytes = testing::ReadAll(semicolon);
  const std::string text = Cp1251ToUtf8(std::string(bytes.begin(), bytes.end()));
  EXPECT_EQ(text.rfind("Наименование прибора: ", 0), 0u) << text.substr(0, 200);
  EXPECT_NE(text.find("\rИмя плановых измерений: План-3Дата проведения измерений: 05.11.2026\r"),
            std::string::npos);
  EXPECT_NE(text.find("\r7;"), std::string::npos);
  EXPECT_NE(text.find(";1000.0 Ом ;"), std::string::npos);
  EXPECT_NE(text.find("\r1999;"), std::string::npos);
  const auto comma_bytes = testing::ReadAll(comma);
  const std::string comma_text = Cp1251ToUtf8(std::string(comma_bytes.begin(), comma_bytes.end()));
  EXPECT_NE(comma_text.find("\r8,"), std::string::npos);
  EXPECT_EQ(comma_text.find(";"), std::string::npos);
}

TEST_F(FamilyPlannedCliTest, ALockedCableIsRefused) {
  Start(11);
  const auto run =
      RunCli("pages family-planned --session 11:P00001:COM2 --receive --cable 2 --print");
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.output.find("--cable 2: a locked leading entry cannot be selected"),
            std::string::npos)
      << run.output;
  // Nothing after the failed action ran.
  EXPECT_EQ(run.output.find("Ввод-А"), std::string::npos);
}

TEST_F(FamilyPlannedCliTest, Kind14SavesTheWorksheet) {
  Start(14);
  const std::string sheet = dir_.File("k14.xls");
  const auto run =
      RunCli("--file " + ShellQuote(sheet) +
             " pages family-planned --session 14:P00001:COM2 --receive --save --print");
  ASSERT_EQ(run.status, 0) << run.output << sim_->Log();
  EXPECT_NE(run.output.find("Номер пары|Емкость AC|Емкость BC|Емкость AB|Изоляция AC|Изоляция BC|"
                            "Изоляция AB\n"),
            std::string::npos)
      << run.output;
  const auto bytes = testing::ReadAll(sheet);
  ASSERT_GT(bytes.size(), 18u);
  // BIFF2: BOF first, EOF last.
  EXPECT_EQ(bytes[0], 0x09);
  EXPECT_EQ(bytes[bytes.size() - 4], 0x0A);
}

}  // namespace
}  // namespace telvane
