// The armour-wear page against telvane-sim through telvane-cli: the
// information read by the session's search transfer and a series of
// hundreds of measurements saved as CSV.
#include <gtest/gtest.h>

#include <string>

#include "support/sim_process.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

class WearSimTest : public ::testing::Test {
 protected:
  void Start(std::vector<std::string> more = {}) {
    std::vector<std::string> args = {"--kind", "8", "--serial", "W00008"};
    args.insert(args.end(), more.begin(), more.end());
    sim_ = std::make_unique<testing::SimProcess>(ports_.path(), 4, args);
    ASSERT_TRUE(sim_->ready());
  }
  testing::SimPortDir ports_;
  std::unique_ptr<testing::SimProcess> sim_;
  testing::TempDir dir_;
};

TEST_F(WearSimTest, ThreeHundredMeasurementsAreSavedWithCommas) {
  Start();
  const std::string file = dir_.File("wear.csv");
  const auto run = testing::RunCli("--file " + testing::ShellQuote(file + ":2") +
                                   " pages wear --session 8:W00008:COM4 --print --receive-save");
  ASSERT_EQ(run.status, 0) << run.output << sim_->Log();
  EXPECT_NE(run.output.find("100%-й износ кабеля: 812.5"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("Количество замеров, записанное в БД: 300"), std::string::npos);
  EXPECT_NE(run.output.find("Длительность интервала замера: 10"), std::string::npos);
  const auto bytes = testing::ReadAll(file);
  const std::string text(bytes.begin(), bytes.end());
  size_t lines = 0;
  for (char c : text) lines += c == '\r';
  EXPECT_EQ(lines, 3u + 300u);
  EXPECT_EQ(text.find('\n'), std::string::npos);
  EXPECT_EQ(text.find(';'), std::string::npos);
}

TEST_F(WearSimTest, NoMeasurementsRefusesToReceive) {
  Start({"--wear-count", "0"});
  const auto run = testing::RunCli("pages wear --session 8:W00008:COM4 --receive-save");
  EXPECT_NE(run.output.find("Нет данных. Прием невозможен."), std::string::npos) << run.output;
}

}  // namespace
}  // namespace telvane
