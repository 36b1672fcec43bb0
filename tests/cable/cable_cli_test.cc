// telvane-cli's cable commands against telvane-sim: files written from what
// the simulated meter holds, and files sent to it and read back.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "base/cp1251.h"
#include "support/sim_process.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

struct CliRun {
  int status = -1;
  std::string output;  // stdout and stderr
};

CliRun Cli(const std::string& arguments) {
  CliRun run;
  const std::string command = std::string(TELVANE_CLI_PATH) + " " + arguments + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  for (int c; (c = fgetc(pipe)) != EOF;) run.output += static_cast<char>(c);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::string Text(const std::string& path) {
  const auto bytes = testing::ReadAll(path);
  return Cp1251ToUtf8(std::string(bytes.begin(), bytes.end()));
}

std::string Quote(const std::string& s) { return "'" + s + "'"; }

class CableCliTest : public ::testing::Test {
 protected:
  void StartSim(int kind) {
    sim_ = std::make_unique<testing::SimProcess>(
        ports_.path(), 1,
        std::vector<std::string>{"--kind", std::to_string(kind), "--serial", "C12345"});
    ASSERT_TRUE(sim_->ready());
  }
  testing::SimPortDir ports_;
  testing::TempDir dir_;
  std::unique_ptr<testing::SimProcess> sim_;
};

TEST(CableCliHelp, ListsTheCableCommands) {
  const CliRun run = Cli("--help");
  EXPECT_EQ(run.status, 0);
  for (const char* name : {"cable types receive", "cable types send", "cable base receive",
                           "cable base send", "cable base report", "cable planned receive",
                           "cable compact planned", "cable compact cables"}) {
    EXPECT_NE(run.output.find(name), std::string::npos) << name;
  }
}

TEST_F(CableCliTest, TypeTableReceivedAsTextSentBackAndReadAgain) {
  StartSim(2);
  const std::string text = dir_.File("types.txt");
  CliRun run = Cli("--yes --file " + Quote(text) + " cable types receive");
  ASSERT_EQ(run.status, 0) << run.output << sim_->Log();
  std::string content = Text(text);
  ASSERT_TRUE(content.starts_with("Тип кабеля      |Удел. сопр.  |Темп. коэф.  \r\n")) << content;
  EXPECT_NE(content.find("ТПП-0.32        |20           |0.004        \r\n"), std::string::npos);

  // Edit the second type in the text file and send the table whole.
  const std::string old_line = "ТПП-0.4         |27.25        |";
  const size_t at = content.find(old_line);
  ASSERT_NE(at, std::string::npos);
  content.replace(at, old_line.size(), "ПРАВКА          |31.5         |");
  const std::string edited = Utf8ToCp1251(content);
  testing::WriteAll(text, std::vector<uint8_t>(edited.begin(), edited.end()));
  run = Cli("--yes --file " + Quote(text) + " cable types send");
  ASSERT_EQ(run.status, 0) << run.output << sim_->Log();
  EXPECT_NE(run.output.find("Info: Complete"), std::string::npos) << run.output;
  // The file's 63 types become the page's table and count: all of them go.
  EXPECT_NE(run.output.find("current 63 maximum 63"), std::string::npos) << run.output;

  const std::string binary = dir_.File("types.bin");
  run = Cli("--yes --file " + Quote(binary) + " cable types receive");
  ASSERT_EQ(run.status, 0) << run.output;
  const auto bytes = testing::ReadAll(binary);
  ASSERT_EQ(bytes.size(), 63u * 32u);
  EXPECT_EQ(Cp1251ToUtf8(std::string(bytes.begin() + 32, bytes.begin() + 38)), "ПРАВКА");
  EXPECT_EQ(bytes[38], 0);     // NUL padding in the file
  EXPECT_EQ(bytes[48], 0x41);  // 31.5 = 0x41FC0000, most significant byte first
  EXPECT_EQ(bytes[49], 0xFC);
}

TEST_F(CableCliTest, ChosenTypesAreSentOneByOne) {
  StartSim(2);
  const std::string binary = dir_.File("types.bin");
  CliRun run = Cli("--yes --file " + Quote(binary) + " cable types receive");
  ASSERT_EQ(run.status, 0) << run.output;
  auto bytes = testing::ReadAll(binary);
  ASSERT_EQ(bytes.size(), 63u * 32u);
  // Rename types 3 and 5 in the file; only 3 is sent.
  bytes[2 * 32] = 'X';
  bytes[4 * 32] = 'Y';
  testing::WriteAll(binary, bytes);
  run = Cli("--yes --file " + Quote(binary) + " cable types send --only 3");
  ASSERT_EQ(run.status, 0) << run.output << sim_->Log();
  EXPECT_NE(run.output.find("Info: Complete"), std::string::npos) << run.output;

  const std::string again = dir_.File("again.bin");
  run = Cli("--yes --file " + Quote(again) + " cable types receive");
  ASSERT_EQ(run.status, 0) << run.output;
  const auto back = testing::ReadAll(again);
  ASSERT_EQ(back.size(), bytes.size());
  EXPECT_EQ(back[2 * 32], 'X');
  EXPECT_NE(back[4 * 32], 'Y');
}

TEST_F(CableCliTest, CableBaseFileReportExcelAndSendBack) {
  StartSim(6);
  const std::string base = dir_.File("base.bin");
  CliRun run = Cli("--i0b=0 --file " + Quote(base) + " cable base receive --port COM1 --kind 6");
  ASSERT_EQ(run.status, 0) << run.output << sim_->Log();
  auto bytes = testing::ReadAll(base);
  ASSERT_EQ(bytes.size(), 48u + 3u * 262u);
  EXPECT_EQ(bytes[20], 3);
  EXPECT_EQ(Cp1251ToUtf8(std::string(bytes.begin() + 48, bytes.begin() + 56)), "Кабель-1");

  const std::string report = dir_.File("report.txt");
  run = Cli("--i0b=0 --file " + Quote(base) + " --file " + Quote(report) + " cable base report");
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_TRUE(Text(report).starts_with("Текущее количество кабелей    |3"));

  run = Cli("--i0b=0 --file " + Quote(base) + " --folder " + Quote(dir_.path().string()) +
            " cable base excel --cable 2");
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_TRUE(std::filesystem::exists(dir_.File("Кабель-2/Параметры кабеля.xls")));

  // Change cable 3's length in the file, send that cable alone, read back.
  bytes[48 + 2 * 262 + 44] = 0x39;
  bytes[48 + 2 * 262 + 45] = 0x30;
  testing::WriteAll(base, bytes);
  run = Cli("--i0b=0 --file " + Quote(base) + " cable base send --cable 3 --port COM1 --kind 6");
  ASSERT_EQ(run.status, 0) << run.output << sim_->Log();
  const std::string again = dir_.File("again.bin");
  run = Cli("--i0b=0 --file " + Quote(again) + " cable base receive --port COM1 --kind 6");
  ASSERT_EQ(run.status, 0) << run.output;
  const auto back = testing::ReadAll(again);
  ASSERT_EQ(back.size(), bytes.size());
  EXPECT_EQ(back[48 + 2 * 262 + 44], 0x39);
  EXPECT_EQ(back[48 + 2 * 262 + 45], 0x30);
}

// The command line takes the program's "/i0B:" option; by default the first two
// cables of a list are locked, so cable 2 cannot be chosen until the option
// lowers the lock.
TEST_F(CableCliTest, LockedCablesFollowTheProgramOption) {
  StartSim(6);
  const std::string command = "--folder " + Quote(dir_.path().string()) +
                              " cable planned receive --cable 2 --port COM1 --kind 6";
  const std::string file = "Кабель-2/Плановые измерения/p_02_12_26.xls";
  CliRun run = Cli(command);
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_FALSE(std::filesystem::exists(dir_.File(file)));
  run = Cli("/I0B:1 " + command);
  ASSERT_EQ(run.status, 0) << run.output << sim_->Log();
  EXPECT_TRUE(std::filesystem::exists(dir_.File(file)));
}

TEST_F(CableCliTest, PlannedMeasurementsOfOneCableToExcel) {
  StartSim(6);
  const CliRun run = Cli("--i0b=0 --folder " + Quote(dir_.path().string()) +
                         " cable planned receive --cable 2 --port COM1 --kind 6");
  ASSERT_EQ(run.status, 0) << run.output << sim_->Log();
  EXPECT_TRUE(std::filesystem::exists(dir_.File("Кабель-2/Плановые измерения/p_02_12_26.xls")));
}

TEST_F(CableCliTest, CompactPlannedMeasurementsToCsv) {
  StartSim(7);
  const std::string csv = dir_.File("plan.csv");
  const CliRun run =
      Cli("--i0b=0 --yes --file " + Quote(csv) + ":1 cable compact planned --counts 12,8,12,20,30");
  ASSERT_EQ(run.status, 0) << run.output << sim_->Log();
  const std::string text = Text(csv);
  EXPECT_NE(text.find("Серийный номер: C12345\r"), std::string::npos);
  EXPECT_NE(text.find("Плановые измерения по Кабелю №12\r"), std::string::npos);
  EXPECT_NE(text.find("\r3;НЕТ ИЗМЕРЕНИЙ;"), std::string::npos);
  EXPECT_EQ(text.find('\n'), std::string::npos);
}

}  // namespace
}  // namespace telvane
