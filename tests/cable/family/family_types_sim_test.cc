// The cable-type tabs against telvane-sim: the simulator's types arrive on
// the page, the checked types written go back into the simulator's list, and
// the next reading returns them; the same from the command line.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "base/fixed_record.h"
#include "base/values.h"
#include "cable/family/family_type_page.h"
#include "cable/pages/sim_session.h"
#include "support/sim_process.h"

namespace telvane {
namespace {

using testing::SimSession;

// Every type record of a fresh reading of the simulator's list.
std::vector<FamilyModel::TypeRecord> ReadBack(SimSession& sim, const FamilyLayout& layout) {
  FamilyModel again(layout);
  if (!again.Read(sim.context()) || !again.ReadTypes(sim.context())) return {};
  return again.types();
}

TEST(FamilyTypesSim, Kind16CheckedTypesGoOneByOneAndAllTogether) {
  SimSession sim(16, {"--cables", "2"});
  ASSERT_TRUE(sim.opened());
  auto model = std::make_shared<FamilyModel>(kFamily435);
  FamilyTypePage page(sim.context(), model);
  ASSERT_TRUE(page.Receive());
  ASSERT_EQ(page.Names(),
            (std::vector<std::string>{"ТП-0.4", "ТП-0.5", "ТГ-0.7", "КСПП-1x4", "МКС-4x4"}));
  page.Select(2);
  EXPECT_EQ(page.ValueField(0), "50.000");
  EXPECT_EQ(page.ValueField(1), "1.600");
  EXPECT_EQ(page.ValueField(2), "95.000");

  // Types 2 and 4 edited and sent alone.
  page.EditName("ТГ-0.7 бронированный");
  page.EditValue(0, "52,5");
  page.Select(4);
  page.EditValue(2, "30");
  for (int i = 0; i < 5; ++i) page.SetChecked(i, i == 2 || i == 4);
  sim.screen().Answer(Answer::kYes, "Продолжить?");
  ASSERT_TRUE(page.Send());
  EXPECT_EQ(sim.screen().MessageLines(), (std::vector<std::string>{"Info: Complete"}));
  EXPECT_EQ(ReadBack(sim, kFamily435), model->types());

  // Every type checked: the whole list in one transaction.
  page.Select(0);
  page.EditValue(1, "1,45");
  for (int i = 0; i < 5; ++i) page.SetChecked(i, true);
  sim.screen().Answer(Answer::kYes, "Продолжить?");
  ASSERT_TRUE(page.Send());
  const std::vector<FamilyModel::TypeRecord> back = ReadBack(sim, kFamily435);
  EXPECT_EQ(back, model->types());
  ASSERT_EQ(back.size(), 5u);
  EXPECT_EQ(LoadLeFloat(back[0].data() + 23), 1.45f);
  // The name was cut to 18 characters.
  EXPECT_EQ(ReadTextField(back[2].data(), 19), "ТГ-0.7 бронированн");
}

TEST(FamilyTypesSim, Kind12TypesHoldCrossSectionsAndKind14WritesWithItsOwnCode) {
  {
    SimSession sim(12);
    ASSERT_TRUE(sim.opened());
    auto model = std::make_shared<FamilyModel>(kFamily435);
    FamilyTypePage page(sim.context(), model);
    ASSERT_TRUE(page.Receive());
    EXPECT_EQ(page.ValueField(0), "0.126");
    EXPECT_EQ(page.ValueField(2), "139.000");
  }
  SimSession sim(14, {"--cables", "2"});
  ASSERT_TRUE(sim.opened());
  auto model = std::make_shared<FamilyModel>(kFamily233);
  FamilyTypePage page(sim.context(), model);
  ASSERT_TRUE(page.Receive());
  ASSERT_EQ(page.type_count(), 5);
  page.Select(1);
  page.EditName("ТПП-0.5");
  page.SetChecked(0, false);
  sim.screen().Answer(Answer::kYes, "Продолжить?");
  ASSERT_TRUE(page.Send());
  const std::vector<FamilyModel::TypeRecord> back = ReadBack(sim, kFamily233);
  EXPECT_EQ(back, model->types());
  ASSERT_EQ(back.size(), 5u);
  EXPECT_EQ(ReadTextField(back[1].data(), 19), "ТПП-0.5");
}

using testing::CliResult;
using testing::RunCli;

class FamilyTypesCliTest : public ::testing::Test {
 protected:
  void Start(int kind) {
    sim_ = std::make_unique<testing::SimProcess>(
        ports_.path(), 2,
        std::vector<std::string>{"--kind", std::to_string(kind), "--serial", "P00001"});
    ASSERT_TRUE(sim_->ready());
  }
  testing::SimPortDir ports_;
  std::unique_ptr<testing::SimProcess> sim_;
};

TEST_F(FamilyTypesCliTest, AnEditedTypeIsSentAndReadBack) {
  Start(11);
  CliResult run = RunCli(
      "--yes pages family-types --session 11:P00001:COM2 --receive --type 3 --set name=Новый "
      "--set v1=51,5 --mark 3 --send --receive --type 2 --print");
  ASSERT_EQ(run.status, 0) << run.output << sim_->Log();
  EXPECT_NE(run.output.find("Тип кабеля | Уд. емк.(нФ/км): | К.У.: | R шлейфа (Ом):"),
            std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("   3 Новый | 51.500 | 1.600 | 95.000 [x]"), std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("*  2 ТП-0.5 | 45.000 | 1.500 | 180.000 [x]"), std::string::npos)
      << run.output;
}

TEST_F(FamilyTypesCliTest, RefusalsEndTheRun) {
  Start(14);
  // A value that is no number fails the run: nothing after it runs.
  CliResult run = RunCli(
      "--yes pages family-types --session 14:P00001:COM2 --receive --mark 1 --set v2=x --print");
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.output.find("not a number"), std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("Тип кабеля |"), std::string::npos) << run.output;
  run = RunCli("pages family-types --session 14:P00001:COM2 --receive --type 6");
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.output.find("--type 6: the page holds 5 cable types"), std::string::npos)
      << run.output;
  run = RunCli("pages family-types --session 14:P00001:COM2 --receive --mark 2 --send");
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.output.find("Заменяемые типы кабелей"), std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("Complete"), std::string::npos) << run.output;
}

TEST(FamilyTypesCli, TheTypeTabsOfFourKindsReachTheCommand) {
  const CliResult list = RunCli("pages --list");
  ASSERT_EQ(list.status, 0) << list.output;
  for (const char* line :
       {"11\tБД типов кабелей\tfamily-types\t", "12\tБД типов кабелей\tfamily-types\t",
        "14\tБД типов кабелей\tfamily-types\t", "16\tБД типов кабелей\tfamily-types\t"}) {
    EXPECT_NE(list.output.find(line), std::string::npos) << line << "\n" << list.output;
  }
}

}  // namespace
}  // namespace telvane
