// telvane-cli against telvane-sim: the commands that talk to a meter obey the
// rules of the page they spell (counts, whole-table sends, questions,
// "Complete"), and a failed action ends the run with nothing after it.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/cli_test_support.h"
#include "support/db_query.h"

namespace telvane::testing {
namespace {

using PageRulesCliTest = CliSimTest;

// The header says 5 cables, the maximum 3: the page takes 3, both ways.
TEST_F(PageRulesCliTest, FullFamilyTakesTheSmallerOfCurrentAndMaximum) {
  StartSim(6, {"--cables", "5", "--max-cables", "3"});
  CliResult run =
      RunCli("--i0b=0 --file " + Quoted("base.bin") + " cable base receive --port COM1 --kind 6");
  ASSERT_EQ(run.status, 0) << run.output << Log();
  EXPECT_EQ(run.output.find("TIMEOUT"), std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("Время ожидания"), std::string::npos) << run.output;
  EXPECT_EQ(CommandsReceived(0x15), 1);

  run = RunCli("--i0b=0 pages full --session 6:C12345:COM1 --receive --list");
  ASSERT_EQ(run.status, 0) << run.output << Log();
  EXPECT_NE(run.output.find("  3 Кабель-3 [x]"), std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("Кабель-4"), std::string::npos) << run.output;

  // Sending the base back: one whole-database transfer of three records.
  const int records_before = RecordsReceived(262);
  run = RunCli("--i0b=0 --file " + Quoted("base.bin") + " cable base send --port COM1 --kind 6");
  ASSERT_EQ(run.status, 0) << run.output << Log();
  EXPECT_EQ(CommandsReceived(0x12), 1);
  EXPECT_EQ(CommandsReceived(0x11), 0);
  EXPECT_EQ(RecordsReceived(262) - records_before, 3) << Log();
}

// Every enabled type checked: one 0x02 transfer, no 0x01; some checked: one
// 0x01 per type and "Complete".
TEST_F(PageRulesCliTest, TypePageSendsTheWholeTableWhenEveryTypeIsChecked) {
  StartSim(2);
  CliResult run =
      RunCli("pages types --session 2::COM1 --receive --only 1,2,3,4,5,6,7,8,9,10,11,12 --send");
  ASSERT_EQ(run.status, 0) << run.output << Log();
  EXPECT_EQ(CommandsReceived(0x02), 1);
  EXPECT_EQ(CommandsReceived(0x01), 0);

  run = RunCli("pages types --session 2::COM1 --receive --only 3,5 --send --show-counts");
  ASSERT_EQ(run.status, 0) << run.output << Log();
  EXPECT_EQ(CommandsReceived(0x01), 2);
  EXPECT_NE(run.output.find("Info: Complete"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("current 12 maximum 63"), std::string::npos) << run.output;

  // A greyed slot cannot be chosen: the action fails before anything is sent.
  run = RunCli("pages types --session 2::COM1 --only 13 --send");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find("--only 13: the page holds 12 types"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("not run: --send"), std::string::npos) << run.output;
  EXPECT_EQ(CommandsReceived(0x01), 2);
}

// "--keep" marks and sends through the page: the question comes first, No
// sends nothing, Yes sends the whole image of the maximum's slots.
TEST_F(PageRulesCliTest, CompactSendAsksFirstAndNoSendsNothing) {
  StartSim(7);
  CliResult run = RunCli("--i0b=0 cable compact cables --keep 2 --port COM1 --kind 7");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find("ПРЕДУПРЕЖДЕНИЕ: База данных параметров кабелей в приборе будет "
                            "изменена! Продолжить? [No]"),
            std::string::npos)
      << run.output;
  EXPECT_EQ(CommandsReceived(0x24), 0);

  run = RunCli("--i0b=0 --answers y cable compact cables --keep 2 --port COM1 --kind 7");
  ASSERT_EQ(run.status, 0) << run.output << Log();
  EXPECT_EQ(CommandsReceived(0x24), 1);
  EXPECT_EQ(RecordsReceived(45), 30) << Log();  // the image: every slot of the maximum

  run = RunCli("--i0b=0 pages compact --session 7::COM1 --receive --list");
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("В приборе 2, максимум 30"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("  2 ЛИНИЯ 2 "), std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("ЛИНИЯ 3"), std::string::npos) << run.output;
}

// Numbers outside their fixed range are usage errors before the port opens;
// the meter's list is never touched.
TEST_F(PageRulesCliTest, NumbersOutsideTheirRangeAreUsageErrors) {
  StartSim(7);
  struct Case {
    const char* arguments;
    const char* message;
  };
  const Case cases[] = {
      {"--yes cable compact cables --keep -1 --port COM1 --kind 7",
       "--keep takes a whole number from 0 to 255, not '-1'"},
      {"--yes cable compact cables --keep abc --port COM1 --kind 7",
       "--keep takes a whole number from 0 to 255, not 'abc'"},
      {"--yes pages compact --session 7::COM1 --receive --keep 256 --send",
       "--keep takes a whole number from 0 to 255, not '256'"},
      {"pages planned --session 7::COM1 --receive --csv 0",
       "--csv takes a whole number from 1 to 255, not '0'"},
      {"cable base receive --cable 0 --port COM1 --kind 6",
       "--cable takes a whole number from 1 to 255, not '0'"},
      {"--file x cable base excel --cable 1x", "--cable takes a whole number from 1 to 255"},
      {"--answers y,maybe pages compact --session 7::COM1 --send", "--answers takes y, n or c"},
      {"--choose 0 pages compact --session 7::COM1", "--choose takes"},
      {"cable types send --only 2,,3 --port COM1 --kind 2", "--only takes"},
      {"pages compact --session 7::COM1 --frobnicate",
       "pages compact has no action '--frobnicate'"},
  };
  for (const Case& c : cases) {
    const CliResult run = RunCli(c.arguments);
    EXPECT_EQ(run.status, 2) << c.arguments << "\n" << run.output;
    EXPECT_NE(run.output.find(c.message), std::string::npos) << c.arguments << "\n" << run.output;
  }
  EXPECT_EQ(Log().find("sim: <-"), std::string::npos) << Log();
}

// A number only the data bounds fails its action with a message; nothing is
// written or sent for it and nothing after it runs.
TEST_F(PageRulesCliTest, NumbersBeyondTheDataFailTheirAction) {
  StartSim(6);
  const std::string folder = dir_.path().string();
  CliResult run = RunCli("--i0b=0 --yes --folder " + ShellQuote(folder) +
                         " pages full --session 6::COM1 --receive --cable 99 --save-parameters");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find("--cable 99: the page holds 3 cables"), std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("not run: --save-parameters"), std::string::npos) << run.output;
  EXPECT_FALSE(std::filesystem::exists(File("Кабель-1")));

  // A saved 3-cable base: cable 5 is not in it.
  run = RunCli("--i0b=0 --file " + Quoted("base.bin") + " cable base receive --port COM1 --kind 6");
  ASSERT_EQ(run.status, 0) << run.output;
  run = RunCli("--i0b=0 --file " + Quoted("base.bin") + " --folder " + ShellQuote(folder) +
               " cable base excel --cable 5");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find("--cable 5: the page holds 3 cables"), std::string::npos) << run.output;
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()),
                          std::filesystem::directory_iterator()),
            1);  // base.bin alone

  StartSim(7);
  run = RunCli("--file " + Quoted("plan.csv") +
               ":1 pages planned --session 7::COM1 --receive --csv 99");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find("--csv 99: the page holds 12 cables"), std::string::npos) << run.output;
  EXPECT_FALSE(std::filesystem::exists(File("plan.csv")));
}

// "cable base send --cable N" is the page's series of one: "Complete" at the
// end, one 0x11 transfer.
TEST_F(PageRulesCliTest, SingleCableSendEndsWithComplete) {
  StartSim(6);
  CliResult run =
      RunCli("--i0b=0 --file " + Quoted("base.bin") + " cable base receive --port COM1 --kind 6");
  ASSERT_EQ(run.status, 0) << run.output;
  run = RunCli("--i0b=0 --file " + Quoted("base.bin") +
               " cable base send --cable 2 --port COM1 --kind 6");
  ASSERT_EQ(run.status, 0) << run.output << Log();
  EXPECT_NE(run.output.find("Info: Complete"), std::string::npos) << run.output;
  EXPECT_EQ(CommandsReceived(0x11), 1);
  EXPECT_EQ(CommandsReceived(0x12), 0);
}

// A planned-measurement reception that fails ends the run: the save after it
// never runs, and the rows saved before stay as they were.
TEST_F(PageRulesCliTest, FailedReceiveLeavesTheDatabaseSavedBefore) {
  const std::string mdb = File("cables.mdb");
  ASSERT_EQ(RunCli("db create " + ShellQuote(mdb)).status, 0);
  const std::string folder = ShellQuote(dir_.path().string());
  const std::string save = "--i0b=0 --yes --folder " + folder + " --file " + ShellQuote(mdb) +
                           " pages full --session 6::COM1 --receive --only 1 --planned"
                           " --cable 1 --save-planned";
  StartSim(6);
  CliResult run = RunCli(save);
  ASSERT_EQ(run.status, 0) << run.output << Log();
  const std::string rows = "SELECT COUNT(*) FROM tbl_PlanMeasures WHERE CableName='Кабель-1'";
  ASSERT_EQ(QueryNumber(mdb, rows), 2000);
  const std::string measured =
      "SELECT COUNT(*) FROM tbl_PlanMeasures WHERE CableName='Кабель-1' AND CAP_ab <> 0";
  const long long measured_before = QueryNumber(mdb, measured);

  // Records 0-5 are the initial transfer, 6-8 the cables, 9 the date: the
  // first pair's sum is always wrong.
  StartSim(6, {"--fault", "bad-sum:10:100"});
  run = RunCli(save);
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find("Неудачная попытка вызова OnRCVPlanIzm6"), std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("--planned failed; not run: --cable --save-planned"), std::string::npos)
      << run.output;
  EXPECT_EQ(QueryNumber(mdb, rows), 2000);
  EXPECT_EQ(QueryNumber(mdb, measured), measured_before);
}

// A file or database the page cannot write fails its action: exit 1, and the
// actions after it do not run.
TEST_F(PageRulesCliTest, FileAndDatabaseRefusalsFailTheirAction) {
  StartSim(6);
  const std::string junk = File("junk.mdb");
  WriteAll(junk, {'j', 'u', 'n', 'k', '\n'});
  const struct {
    std::string arguments;
    const char* message;
  } cases[] = {
      {"--file /dev/full pages full --session 6::COM1 --receive --save-text --list",
       "--save-text failed; not run: --list"},
      {"--file " + Quoted("missing/base.bin") +
           " pages full --session 6::COM1 --receive --save-base --list",
       "--save-base failed; not run: --list"},
      {"--yes --folder " + ShellQuote(dir_.path().string()) + " --file " + ShellQuote(junk) +
           " pages full --session 6::COM1 --receive --save-parameters --list",
       "--save-parameters failed; not run: --list"},
      {"pages full --session 6::COM1 --receive --save-base --list",
       "--save-base failed; not run: --list"},  // no --file: the dialog is cancelled
  };
  for (const auto& c : cases) {
    const CliResult run = RunCli(c.arguments);
    EXPECT_EQ(run.status, 1) << c.arguments << "\n" << run.output;
    EXPECT_NE(run.output.find(c.message), std::string::npos) << c.arguments << "\n" << run.output;
    EXPECT_EQ(run.output.find("Кабель-1 [x]"), std::string::npos) << run.output;
  }
  EXPECT_FALSE(std::filesystem::exists(File("missing")));
}

// Answers go to the questions in the order they are asked: "Выделить все?"
// gets No, the send's warning Yes, and the page then refuses an empty choice.
TEST_F(PageRulesCliTest, AnswersAreTakenInOrder) {
  StartSim(7);
  const CliResult run = RunCli(
      "--i0b=0 --answers n,y pages compact --session 7::COM1 --receive --mark-all --send --list");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find("Выделить все? [No]"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("Продолжить? [Yes]"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("Ошибка: Необходимо выбрать хотябы одну запись!"), std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("--send failed; not run: --list"), std::string::npos) << run.output;
  EXPECT_EQ(CommandsReceived(0x24), 0);
}

// Every page command lists its actions, and the listing of the tabs names the
// command of every tab a command reaches.
TEST(PagesCliHelpTest, PagesListTheirActionsAndTheirTabs) {
  const struct {
    const char* page;
    std::vector<const char*> actions;
  } pages[] = {
      {"types", {"--receive", "--send", "--only N[,N...]", "--open-text", "--save-excel"}},
      {"full", {"--receive", "--send", "--planned", "--cable N", "--save-planned", "--save-base"}},
      {"compact", {"--receive", "--send", "--keep N", "--mark-all", "--create-db"}},
      {"planned", {"--receive", "--copy", "--csv N", "--csv-all"}},
      {"reflectograms",
       {"--cable N", "--mark N[,N...]", "--cursor N", "--receive", "--send", "--files", "--db",
        "--save", "--open", "--print"}},
  };
  for (const auto& page : pages) {
    const CliResult run = RunCli(std::string("pages ") + page.page + " --help");
    EXPECT_EQ(run.status, 0) << run.output;
    for (const char* action : page.actions) {
      EXPECT_NE(run.output.find(std::string("  ") + action + " "), std::string::npos)
          << page.page << " " << action << "\n"
          << run.output;
    }
  }
  const CliResult list = RunCli("pages --list");
  ASSERT_EQ(list.status, 0) << list.output;
  for (const char* line :
       {"2\tБаза данных\ttypes\t", "4\tБаза плановых измерений\tplanned\t",
        "6\tИнформация о базе данных\tfull\t", "6\tБаза кабелей\tfull\t",
        "6\tПараметры кабеля\t-\t", "7\tБаза плановых измерений\tplanned\t",
        "7\tБаза параметров кабелей\tcompact\t", "10\tБД рефлектограмм\treflectograms\t",
        "12\tБД рефлектограмм\treflectograms\t"}) {
    EXPECT_NE(list.output.find(line), std::string::npos) << line << "\n" << list.output;
  }
  // Tabs offered by version carry their condition.
  for (const char* line :
       {"11\txDSL\txdsl\tversion >= 8.027\n", "13\tБД Измерений\tsheets\tversion < 302\n",
        "13\tБД Измерений\tsheets\tversion >= 302\n", "17\tИзмерения\tfolders\tversion >= 4\n",
        "18\tФайлы\tfiles\tversion > 2.003\n"}) {
    EXPECT_NE(list.output.find(line), std::string::npos) << line << "\n" << list.output;
  }
  EXPECT_EQ(RunCli("pages nosuchpage --help").status, 2);
}

}  // namespace
}  // namespace telvane::testing
