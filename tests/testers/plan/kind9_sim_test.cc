// Kind 9's cable list and planned measurements against telvane-sim: over
// the serial port and over IrDA through telvane-cli, and a plan written back
// and read again in-process.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "base/cp1251.h"
#include "cable/pages/sim_session.h"
#include "link/initial_transfer.h"
#include "support/sim_irda.h"
#include "support/sim_process.h"
#include "support/temp_dir.h"
#include "testers/plan/database_plan_page.h"
#include "testers/plan/kind9_cable_page.h"
#include "testers/plan/kind9_planned_page.h"

namespace telvane {
namespace {

// The simulator's seven records: five cables and two trailing working
// records; the list shows five and the cursor starts on the third.
const char kListOfSeven[] =
    "  | № | Наименование кабеля | Кол-во пар | Длина, м | Участки | Тип\n"
    "  | 1 | ТПП 10х2 Ленина | 10 | 350 | 1 | 1\n"
    "  | 2 | ТПП 20х2 Мира | 20 | 475 | 2 | 2\n"
    "> | 3 | ТГ 50х2 АТС-3 | 10 | 600 | 3 | 3\n"
    "  | 4 | ТПП 30х2 Садовая | 4 | 725 | 4 | 4\n"
    "  | 5 | КСПП 1х4 РШ-7 | 4 | 850 | 5 | 5\n";

TEST(Kind9SimTest, TheSerialListLeavesOutTheTrailingRecords) {
  testing::SimPortDir ports;
  testing::SimProcess sim(ports.path(), 6, {"--kind", "9", "--serial", "P00009", "--cables", "7"});
  ASSERT_TRUE(sim.ready());
  const auto run = testing::RunCli("pages kind9-cables --session 9:P00009:COM6 --print");
  ASSERT_EQ(run.status, 0) << run.output << sim.Log();
  EXPECT_NE(run.output.find(kListOfSeven), std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("РАБОЧИЙ"), std::string::npos) << run.output;
  EXPECT_EQ(sim.Log().find("confirmed with"), std::string::npos) << sim.Log();
}

TEST(Kind9SimTest, APlannedCableSavedAsCsvOverTheSerialPort) {
  testing::SimPortDir ports;
  testing::SimProcess sim(ports.path(), 6, {"--kind", "9", "--serial", "P00009", "--cables", "7"});
  ASSERT_TRUE(sim.ready());
  testing::TempDir dir;
  const std::string path = dir.File("cable4.csv");
  const auto run = testing::RunCli("--file " + testing::ShellQuote(path + ":1") +
                                   " pages kind9-planned --session 9:P00009:COM6 --cable 4 "
                                   "--receive --save --print");
  ASSERT_EQ(run.status, 0) << run.output << sim.Log();
  EXPECT_NE(run.output.find("Кабель №4: ТПП 30х2 Садовая\n"), std::string::npos) << run.output;
  const auto bytes = testing::ReadAll(path);
  const std::string csv = Cp1251ToUtf8(std::string(bytes.begin(), bytes.end()));
  const std::string head =
      "Наименование прибора: КВР-ПРО-8.500\r"
      "Серийный номер: P00009\r"
      "Плановые измерения по Кабелю №4\r"
      "Номер пары     ;Емкость AC     ;Емкость BC     ;Емкость AB     ;Изоляция AC    ;"
      "Изоляция BC    ;Изоляция AB    ;Rшл (Ом)       ;Rа (Ом)        \r"
      "0;46.2 нФ;47.0 нФ;45.5 нФ;>30000 МОм;   280 МОм ;   4.5 МОм \r";
  EXPECT_EQ(csv.substr(0, head.size()), head) << csv;
  // Four pairs; the fourth has no capacitance AC.
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\r'), 8);
  EXPECT_NE(csv.find("\r3;НЕТ ИЗМЕРЕНИЙ;"), std::string::npos) << csv;
}

TEST(Kind9SimTest, OverIrdaTheCablesAndPairsComeAsBlocks) {
  testing::IrdaSimDir irda;
  testing::IrdaSimProcess device(irda, "KVR",
                                 {"--kind", "9", "--serial", "P00009", "--cables", "7"});
  ASSERT_TRUE(device.ready());
  auto run = testing::RunCli("pages kind9-cables --session 9:P00009:irda --print");
  ASSERT_EQ(run.status, 0) << run.output << device.Log();
  EXPECT_NE(run.output.find(kListOfSeven), std::string::npos) << run.output;
  run = testing::RunCli("pages kind9-planned --session 9:P00009:irda --cable 5 --receive --print");
  ASSERT_EQ(run.status, 0) << run.output << device.Log();
  EXPECT_NE(run.output.find("Кабель №5: КСПП 1х4 РШ-7\n"), std::string::npos) << run.output;
  // Pair 1 of the fifth cable: 44 + (20 % 12) / 2 nF.
  EXPECT_NE(run.output.find("  | 1 | 48.8 нФ | 49.5 нФ | 48.0 нФ | >30000 МОм |    290 МОм  |"),
            std::string::npos)
      << run.output;
  EXPECT_EQ(device.Log().find("not confirmed"), std::string::npos) << device.Log();
}

TEST(Kind9SimTest, APlanWrittenBackIsReadAgainFromTheInstrument) {
  testing::SimSession session(9, {"--cables", "7"});
  ASSERT_TRUE(session.opened());
  ASSERT_TRUE(InitialTransferKind9(session.link(), session.link().port()));
  auto database = std::make_shared<Kind9Database>(2);
  DatabasePlanPage plan(session.context(), database);
  Kind9CablePage cables(session.context(), database);
  plan.Start();
  ASSERT_TRUE(cables.Receive());
  ASSERT_TRUE(plan.EditMaximumSections(3));
  EXPECT_EQ(plan.parameters().current_cables, 7);
  session.screen().Answer(Answer::kYes, "Передать");
  ASSERT_TRUE(cables.Send()) << session.Log();
  EXPECT_TRUE(session.screen().HasMessage("Complete"));

  // What the instrument now holds: the stored plan and the cut sections.
  ASSERT_TRUE(InitialTransferKind9(session.link(), session.link().port()));
  EXPECT_EQ(session.link().initial().kind9->maximum_sections, 3);
  EXPECT_EQ(session.link().initial().kind9->current_pairs, 0);
  auto fresh = std::make_shared<Kind9Database>(2);
  DatabasePlanPage plan_again(session.context(), fresh);
  Kind9CablePage cables_again(session.context(), fresh);
  plan_again.Start();
  ASSERT_TRUE(cables_again.Receive());
  std::vector<std::string> sections;
  for (const auto& row : cables_again.Rows()) sections.push_back(row[4]);
  EXPECT_EQ(sections, (std::vector<std::string>{"1", "2", "3", "3", "3"}));
  EXPECT_EQ(session.Log().find("confirmed with"), std::string::npos) << session.Log();
}

}  // namespace
}  // namespace telvane
