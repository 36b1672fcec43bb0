// "telvane-cli plan": the stored values of a plan, or its refusal.
#include <gtest/gtest.h>

#include "support/sim_process.h"

namespace telvane::testing {
namespace {

TEST(PlanCliTest, PrintsTheStoredValuesOfThePlan) {
  const CliResult result = RunCli("plan --chip 1 --cables 30 --sections 2 --offset 2");
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.output,
            "chip: AT25160 2K\ncables: 30\nsections: 2\nfirst free byte: 1673\npairs: 14\n");
  const CliResult lowered = RunCli("plan --chip 1 --cables 100 --sections 25");
  EXPECT_EQ(lowered.status, 0);
  EXPECT_EQ(lowered.output,
            "chip: AT25160 2K\ncables: 7\nsections: 20\nfirst free byte: 1958\npairs: 3\n");
}

TEST(PlanCliTest, RefusesAPlanThatCannotFitAndBadWords) {
  const CliResult refused = RunCli("plan --chip 5 --cables 1 --sections 1");
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.output.find("pairs"), std::string::npos);
  EXPECT_NE(refused.output.find("Ошибка: Введенные параметры БД некорректны!!!"),
            std::string::npos);
  EXPECT_EQ(RunCli("plan --chip 1 --cables 0 --sections 1").status, 2);
  EXPECT_EQ(RunCli("plan --chip 1 --sections 1").status, 2);
}

}  // namespace
}  // namespace telvane::testing
