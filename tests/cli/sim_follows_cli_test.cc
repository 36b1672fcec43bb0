// The simulator follows what the program sends it: the number of cables of a
// whole-database send and the pair counts of the cables, and it is ready for
// the next session whatever the last one did. End to end with telvane-cli.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/cli_test_support.h"

namespace telvane::testing {
namespace {

class SimFollowsCliTest : public CliSimTest {
 protected:
  void ReceiveBase(const std::string& path, std::vector<uint8_t>& bytes);
};

constexpr size_t kHeader = 48;
constexpr size_t kPairFrame = 7 + 26 + 1;
constexpr size_t kRecord = 262;

// Frames of `length` bytes the simulator sent after each command frame
// `command` (as traced) until the next probe: one count per command.
std::vector<int> FramesSentAfter(const std::string& log, const std::string& command,
                                 size_t length) {
  std::vector<int> counts;
  bool counting = false;
  std::istringstream in(log);
  for (std::string line; std::getline(in, line);) {
    if (line == command) {
      counts.push_back(0);
      counting = true;
    } else if (line == "sim: <- 06") {
      counting = false;
    } else if (counting && line.starts_with("sim: -> ") && (line.size() - 7) / 3 == length) {
      ++counts.back();
    }
  }
  return counts;
}

void SetPairs(std::vector<uint8_t>& base, size_t cable, unsigned pairs) {
  base[kHeader + cable * kRecord + 42] = static_cast<uint8_t>(pairs);
  base[kHeader + cable * kRecord + 43] = static_cast<uint8_t>(pairs >> 8);
}

// Starts the simulator as kind 6 and saves its three cables in `path`.
void SimFollowsCliTest::ReceiveBase(const std::string& path, std::vector<uint8_t>& bytes) {
  StartSim(6);
  const CliResult run =
      RunCli("--i0b=0 --file " + ShellQuote(path) + " cable base receive --port COM1 --kind 6");
  ASSERT_EQ(run.status, 0) << run.output << Log();
  bytes = ReadAll(path);
  ASSERT_EQ(bytes.size(), kHeader + 3 * kRecord);
}

TEST_F(SimFollowsCliTest, PlannedPairsFollowTheCablesSent) {
  const std::string base = File("base.bin");
  std::vector<uint8_t> bytes;
  ASSERT_NO_FATAL_FAILURE(ReceiveBase(base, bytes));
  CliResult run;
  SetPairs(bytes, 0, 12);
  SetPairs(bytes, 1, 7);
  SetPairs(bytes, 2, 5);
  WriteAll(base, bytes);
  run = RunCli("--i0b=0 --file " + ShellQuote(base) + " cable base send --port COM1 --kind 6");
  ASSERT_EQ(run.status, 0) << run.output << Log();

  const std::string folder = ShellQuote(dir_.path().string());
  for (const char* cable : {"1", "3"}) {
    run = RunCli("--i0b=0 --folder " + folder + " cable planned receive --cable " + cable +
                 " --port COM1 --kind 6");
    ASSERT_EQ(run.status, 0) << cable << "\n" << run.output << Log();
    EXPECT_NE(run.output.find("Info: Complete"), std::string::npos) << run.output;
  }
  EXPECT_TRUE(std::filesystem::exists(File("Кабель-1/Плановые измерения/p_01_12_26.xls")));
  EXPECT_TRUE(std::filesystem::exists(File("Кабель-3/Плановые измерения/p_03_12_26.xls")));
  // 12 pair frames for cable 1 and 5 for cable 3.
  EXPECT_EQ(FramesSentAfter(Log(), "sim: <- 06 43 31 32 33 34 35 16 5E", kPairFrame),
            (std::vector<int>{12, 5}))
      << Log();

  // The next session finds the meter idle and holding the three cables.
  run = RunCli("--i0b=0 pages full --session 6::COM1 --receive --list");
  ASSERT_EQ(run.status, 0) << run.output << Log();
  EXPECT_NE(run.output.find("Пары: 24 / "), std::string::npos) << run.output;
}

TEST_F(SimFollowsCliTest, ShorterBaseSentIsTakenWholeAndTheMeterStaysReady) {
  const std::string base = File("base.bin");
  std::vector<uint8_t> bytes;
  ASSERT_NO_FATAL_FAILURE(ReceiveBase(base, bytes));
  CliResult run;
  bytes.resize(kHeader + 2 * kRecord);
  bytes[20] = 2;  // the current count
  WriteAll(base, bytes);
  run = RunCli("--i0b=0 --file " + ShellQuote(base) + " cable base send --port COM1 --kind 6");
  ASSERT_EQ(run.status, 0) << run.output << Log();

  // At once the next session: the meter answers, and announces two cables.
  const std::string again = File("again.bin");
  run = RunCli("--i0b=0 --file " + ShellQuote(again) + " cable base receive --port COM1 --kind 6");
  ASSERT_EQ(run.status, 0) << run.output << Log();
  EXPECT_EQ(run.output.find("VendorID"), std::string::npos) << run.output;
  const auto back = ReadAll(again);
  ASSERT_EQ(back.size(), kHeader + 2 * kRecord);
  EXPECT_EQ(back[20], 2);
  EXPECT_TRUE(std::equal(back.begin() + kHeader, back.end(), bytes.begin() + kHeader));
}

}  // namespace
}  // namespace telvane::testing
