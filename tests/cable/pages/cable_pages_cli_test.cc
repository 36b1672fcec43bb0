// telvane-cli's page commands against telvane-sim: the session opened with
// --session (no search), the page's reception, and the asked operations.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>

#include "support/sim_process.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

struct CliResult {
  int status = -1;
  std::string output;
};

CliResult RunCli(const std::string& arguments) {
  CliResult result;
  FILE* pipe = popen((std::string(TELVANE_CLI_PATH) + " " + arguments + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return result;
  for (int c; (c = fgetc(pipe)) != EOF;) result.output += static_cast<char>(c);
  const int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

class PagesCliTest : public ::testing::Test {
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

TEST_F(PagesCliTest, FullFamilyReceivesAndSavesTheBase) {
  Start(6);
  const std::string file = dir_.File("base.bin");
  const CliResult run =
      RunCli("--file " + file + " pages full --session 6:P00001:COM2 --receive --list --save-base");
  ASSERT_EQ(run.status, 0) << run.output << sim_->Log();
  EXPECT_NE(run.output.find("Кабели: 3 / 50"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("  3 Кабель-3"), std::string::npos) << run.output;
  EXPECT_EQ(testing::ReadAll(file).size(), 48u + 3u * 262u);
}

TEST_F(PagesCliTest, CableTypesAreListed) {
  Start(2);
  const CliResult run = RunCli("pages types --session 2::COM2 --receive --list");
  ASSERT_EQ(run.status, 0) << run.output << sim_->Log();
  EXPECT_NE(run.output.find(" 2 ТПП-0.4       27.25 0.004"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("Текущий 12, Максимальный 63"), std::string::npos);
  EXPECT_EQ(run.output.find("Время ожидания вышло"), std::string::npos) << run.output;
}

TEST_F(PagesCliTest, ASessionOfAnotherKindIsRefused) {
  Start(2);
  const CliResult run = RunCli("pages full --session 2::COM2");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("--session 6:SERIAL:PORT"), std::string::npos) << run.output;
}

}  // namespace
}  // namespace telvane
