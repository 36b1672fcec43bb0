// The memory plan page against telvane-sim through telvane-cli: the nine
// fields from kind 9's initial transfer and a plan stored after two edits.
#include <gtest/gtest.h>

#include "support/sim_irda.h"
#include "support/sim_process.h"

namespace telvane {
namespace {

TEST(PlanSimTest, TheParametersOfTheSearchAndAStoredPlan) {
  testing::SimPortDir ports;
  testing::SimProcess sim(ports.path(), 6, {"--kind", "9", "--serial", "P00009", "--cables", "4"});
  ASSERT_TRUE(sim.ready());
  const auto run = testing::RunCli(
      "pages plan --session 9:P00009:COM6 --print --max-cables 30 --max-sections 2 --print");
  ASSERT_EQ(run.status, 0) << run.output << sim.Log();
  // The simulator keeps 66 cables with the offset of 2, 5 sections, a 32K chip.
  const std::string before =
      "Максимальное кол-во КАБЕЛЕЙ в БД параметров: 64\n"
      "Текущее кол-во КАБЕЛЕЙ в БД параметров: 4\n"
      "Кол-во типов кабелей, в данной прошивке: 12\n";
  EXPECT_NE(run.output.find(before), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("Условный тип микросхемы-хранилища БД: AT25256 32K"),
            std::string::npos);
  // 32 cables of 2 sections: f = 32 × 51 + 41, p = (32768 − 1673) / 26.
  const std::string after =
      "Максимальное кол-во КАБЕЛЕЙ в БД параметров: 30\n"
      "Текущее кол-во КАБЕЛЕЙ в БД параметров: 4\n"
      "Кол-во типов кабелей, в данной прошивке: 12\n"
      "Макс. кол-во пар в БД плановых измерений: 1195\n"
      "Текущее кол-во пар в БД плановых измерений: 0\n"
      "Номер используемого рабочего кабеля: 1\n"
      "Максимальное кол-во участков в кабеле: 2\n"
      "Первый свободный байт в пр-ве БД план. изм.: 1673\n";
  EXPECT_NE(run.output.find(after), std::string::npos) << run.output;
}

TEST(PlanSimTest, OverIrdaTheParametersComeAsTheFirstBlockOf0x30) {
  testing::IrdaSimDir irda;
  testing::IrdaSimProcess device(irda, "KVR", {"--kind", "9", "--serial", "P00009"});
  ASSERT_TRUE(device.ready());
  const auto run = testing::RunCli("pages plan --session 9:P00009:irda --max-sections 2 --print");
  ASSERT_EQ(run.status, 0) << run.output << device.Log();
  EXPECT_NE(run.output.find("Текущее кол-во КАБЕЛЕЙ в БД параметров: 3\n"), std::string::npos)
      << run.output;
  // 66 cables of 2 sections: f = 66 × 51 + 41 = 3407, p = (32768 − 3407) / 26.
  EXPECT_NE(run.output.find("Макс. кол-во пар в БД плановых измерений: 1129\n"), std::string::npos)
      << run.output;
  EXPECT_EQ(device.Log().find("not confirmed"), std::string::npos) << device.Log();
}

}  // namespace
}  // namespace telvane
