// The planned-measurement page against telvane-sim: the simulator's planned
// databases of kinds 11 and 14 arrive whole (the 2000-pair cable included)
// and its markers, limits and resistances show as the formatter writes them.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>

#include "cable/family/family_planned_page.h"
#include "cable/pages/sim_session.h"

namespace telvane {
namespace {

using testing::SimSession;

TEST(FamilyPlannedSim, Kind11PlannedDatabaseOfEveryCable) {
  SimSession sim(11);
  ASSERT_TRUE(sim.opened());
  auto model = std::make_shared<FamilyModel>(kFamily435);
  FamilyPlannedPage page(sim.context(), model);
  ASSERT_TRUE(page.Receive()) << sim.Log();
  EXPECT_TRUE(sim.screen().MessageLines().empty());
  ASSERT_EQ(page.CableNames().size(), 3u);
  ASSERT_EQ(page.selected(), 2);
  EXPECT_EQ(page.PlannedName(), "План-3");
  EXPECT_EQ(page.DateText(), "05.11.2026");
  const auto rows = page.Rows();
  ASSERT_EQ(rows.size(), 2000u);
  // Pair 5: the pair-not-measured marker in capacitance A–C alone.
  EXPECT_EQ(rows[5].cells[0], "    -----    ");
  EXPECT_EQ(rows[5].cells[1], "48.1 нФ");
  // Pair 7: 999.95 Ω and an insulation above the cable's limit of 20000 МОм.
  EXPECT_EQ(rows[7].cells[6], "1000.0 Ом ");
  EXPECT_EQ(rows[7].cells[3], ">20000 МОм");
  EXPECT_EQ(rows[8].cells[6], "  1000 Ом ");
  EXPECT_EQ(rows[0].cells[3], "    85 КОм ");
  EXPECT_EQ(rows[1].cells[3], "  1000 КОм ");
  // Pair 9: the value-not-measured marker in insulation B–C.
  EXPECT_EQ(rows[9].cells[4], "    -----    ");
  EXPECT_FALSE(page.selectable(1));
}

TEST(FamilyPlannedSim, Kind14PlannedRecordsByNumber) {
  SimSession sim(14);
  ASSERT_TRUE(sim.opened());
  auto model = std::make_shared<FamilyModel>(kFamily233);
  FamilyPlannedPage page(sim.context(), model);
  ASSERT_TRUE(page.Receive()) << sim.Log();
  EXPECT_TRUE(sim.screen().MessageLines().empty());
  ASSERT_EQ(page.selected(), 2);
  const auto rows = page.Rows();
  ASSERT_EQ(rows.size(), 2000u);
  ASSERT_EQ(rows[0].cells.size(), 6u);
  // Version 8.0: the fixed limit of 50000 МОм.
  EXPECT_EQ(rows[7].cells[3], ">50000 МОм");
  EXPECT_EQ(rows[4].cells[3], "   250 МОм ");
  EXPECT_EQ(rows[5].cells[0], "    -----    ");
}

}  // namespace
}  // namespace telvane
