#include "cable/planned_format.h"

#include <gtest/gtest.h>

#include "base/values.h"

namespace telvane {
namespace {

const InsulationLimit kOldVersion{8.026, 1000.0f};

std::string Insulation(float v, const InsulationLimit& limit = kOldVersion) {
  return FormatPlannedValue(v, PlannedValueMode::kInsulation, limit);
}

TEST(FormatPlannedValue, InsulationRoundsWhereFormatMeasurementCuts) {
  std::string cut;
  FormatMeasurement(999.0f, kInsulation, cut);
  EXPECT_EQ(cut, "   990 КОм ");
  EXPECT_EQ(Insulation(999.0f), "  1000 КОм ");
  EXPECT_EQ(Insulation(994.9f), "   990 КОм ");
  EXPECT_EQ(Insulation(995.0f), "  1000 КОм ");
  EXPECT_EQ(Insulation(99.0f), "    99 КОм ");
  EXPECT_EQ(Insulation(1000.1f), "   1.0 МОм ");
  EXPECT_EQ(Insulation(10000.0f), "    10 МОм ");
  EXPECT_EQ(Insulation(124999.0f), "   120 МОм ");
  EXPECT_EQ(Insulation(125000.0f), "   130 МОм ");
  EXPECT_EQ(Insulation(5650000.0f), "  5700 МОм ");
  EXPECT_EQ(Insulation(12500000.0f), " 13000 МОм ");
}

TEST(FormatPlannedValue, OlderVersionsLimitAtFiftyThousandMegaohms) {
  EXPECT_EQ(Insulation(31000000.0f), " 31000 МОм ");
  EXPECT_EQ(Insulation(50000000.0f), " 50000 МОм ");
  EXPECT_EQ(Insulation(50000004.0f), ">50000 МОм");
}

TEST(FormatPlannedValue, NewerVersionsUseTheCableLimit) {
  const InsulationLimit limit{8.027, 20000000.0f};
  EXPECT_EQ(Insulation(20000000.0f, limit), " 20000 МОм ");
  EXPECT_EQ(Insulation(20000002.0f, limit), ">20000 МОм");
  EXPECT_EQ(Insulation(1500.0f, {9.1, 1000.0f}), ">1 МОм");
  // The same value under the older rule is far within its limit.
  EXPECT_EQ(Insulation(20000002.0f, {8.0269, 20000000.0f}), " 20000 МОм ");
}

TEST(FormatPlannedValue, CapacitanceAndLoopResistance) {
  EXPECT_EQ(FormatPlannedValue(51.0f, PlannedValueMode::kCapacitance, kOldVersion), "51.0 нФ");
  EXPECT_EQ(FormatPlannedValue(2100.0f, PlannedValueMode::kCapacitance, kOldVersion), ">2000 нФ");
  EXPECT_EQ(FormatPlannedValue(12.34f, PlannedValueMode::kLoopResistance, kOldVersion),
            "  12.3 Ом ");
  EXPECT_EQ(FormatPlannedValue(999.9f, PlannedValueMode::kLoopResistance, kOldVersion),
            " 999.9 Ом ");
  EXPECT_EQ(FormatPlannedValue(1000.0f, PlannedValueMode::kLoopResistance, kOldVersion),
            "  1000 Ом ");
}

}  // namespace
}  // namespace telvane
