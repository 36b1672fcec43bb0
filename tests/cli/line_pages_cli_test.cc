// The line tester's pages on the command line against telvane-sim (kind 17):
// versions below and from 4, the serial port and the IrDA socket, exit codes,
// the delete question, usage errors before anything is sent, printed output
// and the files written.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "cli/cli_test_support.h"
#include "support/sim_irda.h"

namespace telvane::testing {
namespace {

class LinePagesCliTest : public CliSimTest {
 protected:
  static std::string Session() { return std::string(" --session 17:") + kSerial + ":COM1 "; }
};

TEST_F(LinePagesCliTest, InformationRecordsAndListBelowVersion4) {
  StartSim(17, {"--firmware", "3.2"});
  CliResult run = RunCli("pages line-info" + Session() + "--print");
  ASSERT_EQ(run.status, 0) << run.output << Log();
  EXPECT_NE(run.output.find("Версия прибора: 3.200\n"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("Число записей УП: 3\n"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("Число Рефлектограмм: 3\n"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("Число записей в Списке частот: 6\n"), std::string::npos);

  // Levels: codes 224, 324, 424 → 256, 456, 696 kHz at -10, -17, -24 dB.
  run = RunCli("pages line-records" + Session() + "--code 1 --receive --print");
  ASSERT_EQ(run.status, 0) << run.output << Log();
  EXPECT_NE(run.output.find("Запись № 01\r\n0256 кГц,\t\t -10 дБ \r\n"), std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("Запись № 03\r\n0800 кГц,\t\t -24 дБ \r\n"), std::string::npos);
  EXPECT_EQ(CommandsReceived(0x01), 1);

  // Spectra from version 1.5: 151-byte records, 32 kHz by 16 kHz.
  run = RunCli("pages line-records" + Session() + "--code 2 --receive --print");
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("Запись № 01\r\n09.12.26 г,\t14:05\r\n\r\n0032 кГц,\t\t -40 дБ \r\n"
                            "0048 кГц,\t\t -40 дБ \r\n"),
            std::string::npos)
      << run.output;

  // The report of the modem records.
  run = RunCli("--file " + Quoted("modem.xls") + " pages line-records" + Session() +
               "--code 10 --receive --report");
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(CommandsReceived(0x09), 1);
  EXPECT_EQ(CommandsReceived(0x0A), 1);
  const auto xls = ReadAll(File("modem.xls"));
  ASSERT_GT(xls.size(), 100u);
  EXPECT_EQ(xls[0], 0x09);  // BOF of an Excel 2.1 worksheet
  EXPECT_EQ(xls[1], 0x00);

  // A code outside the six: the page's own refusal, nothing received.
  run = RunCli("pages line-records" + Session() + "--code 5 --receive");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find("Обратитесь к разработчикам"), std::string::npos) << run.output;
  for (int code : {0x01, 0x02, 0x0A}) EXPECT_EQ(CommandsReceived(code), 1) << code;
  for (int code : {0x03, 0x04, 0x08}) EXPECT_EQ(CommandsReceived(code), 0) << code;
}

TEST_F(LinePagesCliTest, FrequencyListEditedSentAndReturnedAsSent) {
  StartSim(17, {"--firmware", "2.0"});
  CliResult run = RunCli("pages frequencies" + Session() + "--print");
  ASSERT_EQ(run.status, 0) << run.output << Log();
  EXPECT_NE(run.output.find("32\n64\n256\n258\n1024\n4096\n"), std::string::npos) << run.output;

  run = RunCli("pages frequencies" + Session() + "--add 4088 --remove 64 --send --print");
  ASSERT_EQ(run.status, 0) << run.output << Log();
  EXPECT_EQ(CommandsReceived(0x06), 1);
  run = RunCli("pages frequencies" + Session() + "--receive --print");
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("32\n256\n258\n1024\n4096\n4088\n"), std::string::npos) << run.output;

  // Not on the grid: the add fails and the send after it does not run.
  run = RunCli("pages frequencies" + Session() + "--add 257 --send");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_EQ(CommandsReceived(0x06), 1);
}

TEST_F(LinePagesCliTest, DeleteAsksAndOnlyYesDeletes) {
  StartSim(17, {"--firmware", "3.0"});
  CliResult run = RunCli("--answers n pages line-delete" + Session() + "--delete");
  EXPECT_EQ(run.status, 1) << run.output << Log();
  EXPECT_EQ(CommandsReceived(0x1E), 0);
  run = RunCli("pages line-info" + Session() + "--print");
  EXPECT_NE(run.output.find("Число записей УП: 3\n"), std::string::npos) << run.output;

  run = RunCli("--yes pages line-delete" + Session() + "--delete");
  ASSERT_EQ(run.status, 0) << run.output << Log();
  EXPECT_EQ(CommandsReceived(0x1E), 1);
  run = RunCli("pages line-info" + Session() + "--print");
  EXPECT_NE(run.output.find("Число записей УП: 0\n"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("Число Рефлектограмм: 0\n"), std::string::npos) << run.output;
  run = RunCli("pages line-traces" + Session() + "--receive --print");
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("Рефлектограмм нет"), std::string::npos) << run.output;
  EXPECT_EQ(CommandsReceived(0x07), 0);
}

TEST_F(LinePagesCliTest, ReflectogramsReceivedPrintedAndSaved) {
  StartSim(17, {"--firmware", "3.2"});
  CliResult run = RunCli("--file " + Quoted("t2.tdr") + ":3 pages line-traces" + Session() +
                         "--receive --select 2 --print --save");
  ASSERT_EQ(run.status, 0) << run.output << Log();
  EXPECT_NE(run.output.find("  1 РФГ №01  Pair 1\n> 2 РФГ №02  Pair 2\n  3 РФГ №03  Pair 3\n"),
            std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("Диапазон, м: 500\n"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("К.У.: 1.550\n"), std::string::npos) << run.output;
  // The shorted end of the second line is found.
  EXPECT_NE(run.output.find("likely end"), std::string::npos) << run.output;
  EXPECT_EQ(CommandsReceived(0x07), 1);
  const auto tdr = ReadAll(File("t2.tdr"));
  ASSERT_EQ(tdr.size(), 144u + 128u);
  EXPECT_EQ(tdr[28] | tdr[29] << 8, 550);  // k 1.55
  EXPECT_EQ(std::string(tdr.begin() + 1, tdr.begin() + 13), "      Pair 2");

  run =
      RunCli("--file " + Quoted("t1.rfg") + " pages line-traces" + Session() + "--receive --save");
  ASSERT_EQ(run.status, 0) << run.output;
  const auto rfg = ReadAll(File("t1.rfg"));
  ASSERT_EQ(rfg.size(), 520u);
  EXPECT_EQ(std::string(rfg.begin() + 347, rfg.begin() + 353), "Pair 1");

  // Beyond the received traces: the action fails and the save does not run.
  run = RunCli("--file " + Quoted("t9.rfg") + " pages line-traces" + Session() +
               "--receive --select 9 --save");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find("--select 9: the page holds 3 reflectograms"), std::string::npos)
      << run.output;
  EXPECT_FALSE(std::filesystem::exists(File("t9.rfg")));
}

TEST_F(LinePagesCliTest, UsageErrorsSendNothing) {
  StartSim(17, {"--firmware", "3.2"});
  for (const std::string& arguments : {"pages line-records" + Session() + "--code 256 --receive",
                                       "pages frequencies" + Session() + "--add 31",
                                       "pages frequencies" + Session() + "--remove 5000",
                                       "pages line-traces" + Session() + "--select 0",
                                       "pages line-traces" + Session() + "--frobnicate"}) {
    const CliResult run = RunCli(arguments);
    EXPECT_EQ(run.status, 2) << arguments << "\n" << run.output;
  }
  EXPECT_EQ(Log().find("sim: <-"), std::string::npos) << Log();
}

TEST_F(LinePagesCliTest, FromVersion4TheMeasurementPagesAreNotOffered) {
  StartSim(17, {"--firmware", "4.1"});
  CliResult run = RunCli("pages frequencies" + Session() + "--print");
  ASSERT_EQ(run.status, 0) << run.output << Log();
  EXPECT_NE(run.output.find("32\n64\n"), std::string::npos) << run.output;
  run = RunCli("pages line-traces" + Session() + "--receive");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find("version 4.100 has no reflectogram page"), std::string::npos)
      << run.output;
  EXPECT_EQ(CommandsReceived(0x07), 0);
}

TEST(LinePagesIrdaCliTest, RecordsAndTracesOverTheSocket) {
  IrdaSimDir irda;
  IrdaSimProcess device(irda, "LT", {"--kind", "17", "--serial", "L00017", "--firmware", "1.2"});
  CliResult run = RunCli("pages line-records --session 17:L00017:irda --code 2 --receive --print");
  ASSERT_EQ(run.status, 0) << run.output;
  // 138-byte spectra below 1.5: range index 0 (32 kHz on) by 31750 Hz.
  EXPECT_NE(run.output.find("0032 кГц,\t\t -40 дБ \r\n0063 кГц,\t\t -40 дБ \r\n"),
            std::string::npos)
      << run.output;
  run = RunCli("pages line-traces --session 17:L00017:irda --receive --select 3 --print");
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("> 3 РФГ №03  Pair 3\n"), std::string::npos) << run.output;
}

}  // namespace
}  // namespace telvane::testing
