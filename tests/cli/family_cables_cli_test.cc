// "pages family-cables" against telvane-sim: kinds 10, 12 and 14 list and
// print their cables' own fields, send marked cables one by one or the whole
// database, keep what was sent, write and read the computer's database, and
// refuse bad numbers before anything reaches the instrument.
#include <gtest/gtest.h>

#include "cli/cli_test_support.h"
#include "support/db_query.h"

namespace telvane::testing {
namespace {

using FamilyCablesCliTest = CliSimTest;

TEST_F(FamilyCablesCliTest, Kind14PrintsItsFieldsAndSendsByTheMarks) {
  StartSim(14, {"--cables", "3"});
  CliResult run = RunCli("--i0b=0 pages family-cables --session 14:C12345:COM1 --print");
  ASSERT_EQ(run.status, 0) << run.output << Log();
  EXPECT_NE(run.output.find("Количество пар: 2000"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("Температура (С): -10"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("Участок №02: "), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("Длина (м): 225.000;"), std::string::npos) << run.output;
  // Nothing is sent without the question answered Yes.
  run = RunCli("--i0b=0 pages family-cables --session 14:C12345:COM1 --mark 2 --send");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_EQ(CommandsReceived(4), 0);
  // Two of three marked: two single transactions; all three: one whole one.
  run = RunCli(
      "--i0b=0 --yes pages family-cables --session 14:C12345:COM1 --mark 3,2 --cable 2 --set "
      "pairs=1234 "
      "--set s1.v1=10,0 --set s1.v3=2 --send");
  ASSERT_EQ(run.status, 0) << run.output << Log();
  EXPECT_EQ(CommandsReceived(4), 2);
  EXPECT_EQ(CommandsReceived(2), 0);
  EXPECT_NE(run.output.find("Info: Complete"), std::string::npos) << run.output;
  run = RunCli("--i0b=0 --yes pages family-cables --session 14:C12345:COM1 --mark 1,2,3 --send");
  ASSERT_EQ(run.status, 0) << run.output << Log();
  EXPECT_EQ(CommandsReceived(2), 1);
  EXPECT_EQ(CommandsReceived(4), 2);
  // The instrument returns what it was sent.
  run = RunCli("--i0b=0 pages family-cables --session 14:C12345:COM1 --cable 2 --print");
  ASSERT_EQ(run.status, 0) << run.output << Log();
  EXPECT_NE(run.output.find("Количество пар: 1234"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("Длина (м): 10.000; Уд. емк.(нФ/км): 45.000; К.У.: 2.000; R шлейфа "
                            "(Ом): 280.000; Длина (точек): 13.000"),
            std::string::npos)
      << run.output;
}

TEST_F(FamilyCablesCliTest, NumbersOutOfRangeAreUsageErrorsOrRefusedBeforeSending) {
  StartSim(10, {"--cables", "3"});
  for (const char* words : {"--cable 0 --send", "--cable 501 --send", "--mark 1,x --send"}) {
    const CliResult run =
        RunCli(std::string("--yes pages family-cables --session 10:C12345:COM1 ") + words);
    EXPECT_EQ(run.status, 2) << words << run.output;
  }
  EXPECT_EQ(CommandsReceived(0x50), 0);
  // Within the fixed range but beyond the database: the action fails, nothing
  // after it runs.
  CliResult run =
      RunCli("--i0b=0 --yes pages family-cables --session 10:C12345:COM1 --mark 1,7 --send");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find("--mark 7: the page holds 3 cables"), std::string::npos) << run.output;
  EXPECT_EQ(CommandsReceived(0x51) + CommandsReceived(0x52), 0);
  // Kind 10's sections have no fourth value and its cables no pairs.
  run = RunCli("--i0b=0 --yes pages family-cables --session 10:C12345:COM1 --set s1.v4=3 --send");
  EXPECT_EQ(run.status, 1) << run.output;
  run = RunCli("--i0b=0 --yes pages family-cables --session 10:C12345:COM1 --set pairs=3 --send");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_EQ(CommandsReceived(0x51) + CommandsReceived(0x52), 0);
  // The third cable has all twenty sections.
  run = RunCli("--i0b=0 pages family-cables --session 10:C12345:COM1 --cable 3 --print");
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("Участок №20: "), std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("Количество пар"), std::string::npos) << run.output;
}

TEST_F(FamilyCablesCliTest, Kind12WritesAndReadsTheDatabase) {
  StartSim(12, {"--cables", "3"});
  ASSERT_EQ(RunCli("--i0b=0 db create " + Quoted("cables.mdb")).status, 0);
  CliResult run = RunCli("--i0b=0 --file " + Quoted("cables.mdb") +
                         " pages family-cables --session 12:C12345:COM1 --mark 1,3 --save");
  ASSERT_EQ(run.status, 0) << run.output << Log();
  EXPECT_EQ(QueryNumber(File("cables.mdb"), "SELECT COUNT(*) FROM tbl_CableParams"), 2);
  EXPECT_EQ(QueryNumber(File("cables.mdb"), "SELECT COUNT(*) FROM tbl_Frames"), 4);
  // Read back with every listed cable: the two are marked beside the third,
  // so sending takes the whole database in one transaction.
  run = RunCli("--i0b=0 --yes --file " + Quoted("cables.mdb") +
               " pages family-cables --session 12:C12345:COM1 --mark 2 --open --send --print");
  ASSERT_EQ(run.status, 0) << run.output << Log();
  EXPECT_EQ(CommandsReceived(0x62), 1);
  EXPECT_EQ(CommandsReceived(0x61), 0);
  EXPECT_NE(run.output.find("  1 [x] "), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("  3 [x] "), std::string::npos) << run.output;
  // A database file that is not there: the action fails, nothing is sent.
  run = RunCli("--i0b=0 --yes --file " + Quoted("none.mdb") +
               " pages family-cables --session 12:C12345:COM1 --mark 1 --open --send");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_EQ(CommandsReceived(0x61), 0);
}

}  // namespace
}  // namespace telvane::testing
