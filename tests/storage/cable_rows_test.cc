#include "cable/db/cable_rows.h"

#include <gtest/gtest.h>

#include "base/values.h"
#include "storage/db_samples.h"
#include "support/scripted_screen.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

TEST(CableRows, CompactCableAndPlanAreStoredWithTheirTypes) {
  std::vector<CompactCableType> types(2);
  types[0].set_name("ТПП");
  types[0].set_core_diameter(0.5f);
  types[0].set_capacitance(45.0f);
  types[1].set_name("ТГ");
  types[1].set_core_diameter(0.75f);
  types[1].set_capacitance(40.0f);
  CompactCableRecord cable;
  cable.set_name("ЛИНИЯ 5");
  cable.set_temperature(-5.0f);
  cable.set_section_count(3);
  cable.set_section(0, {1, 100.0f});
  cable.set_section(1, {0, 200.0f});
  cable.set_section(2, {9, 300.0f});  // not in the list
  cable.set_section(3, {0, 400.0f});  // not in use

  std::vector<CompactPlannedMeasurement> slots(2, CompactPlannedMeasurement::Cleared());
  slots[1].set_capacitance_ac(50.0f);
  slots[1].set_insulation_ab(2100.0f);

  DbCable row = DbCableFromCompact(cable, types);
  row.plan_date = DbPlanDate{9, 12, 26};
  row.plan = DbPlanFromCompact(slots);

  testing::TempDir dir;
  testing::ScriptedScreen screen;
  const std::string path = dir.File("c.mdb");
  testing::MakeDatabase(path);
  ASSERT_TRUE(WriteCables(screen, path, {row}));
  EXPECT_EQ(testing::Rows(path,
                          "SELECT CableName, Temperature, NumberOfFrames FROM "
                          "tbl_CableParams"),
            std::vector<std::string>{"ЛИНИЯ 5|-5.0|3"});
  EXPECT_EQ(testing::Rows(path,
                          "SELECT NumberOfFrame, TypeName, FrameLength, SpecificCapacity "
                          "FROM tbl_Frames ORDER BY 1"),
            (std::vector<std::string>{"1|ТГ|100.0|40.0", "2|ТПП|200.0|45.0", "3||300.0|0.0"}));
  EXPECT_EQ(testing::Rows(path, "SELECT TypeName, Diameter FROM tbl_CableTypes ORDER BY rowid"),
            (std::vector<std::string>{"ТГ|0.75", "ТПП|0.5", "|0.0"}));
  EXPECT_EQ(testing::Rows(path,
                          "SELECT PairNumber, CAP_ac, INS_ab FROM tbl_PlanMeasures "
                          "ORDER BY 1"),
            (std::vector<std::string>{"1|-2850000128.0|-1050000000.0", "2|50.0|2100.0"}));
}

TEST(CableRows, FullFamilyPlanKeepsPairNumbersAndConductorOrder) {
  PlannedMeasurement m;
  m.set_pair(17);
  m.set_capacitance_ab(1);
  m.set_capacitance_bc(2);
  m.set_capacitance_ac(3);
  m.set_insulation_ab(4);
  m.set_insulation_bc(5);
  m.set_insulation_ac(6);
  const std::vector<PlannedMeasurement> slots = {m};
  const auto pairs = DbPlanFromFullFamily(slots);
  ASSERT_EQ(pairs.size(), 1u);
  EXPECT_EQ(pairs[0].pair_number, 17);
  EXPECT_EQ(pairs[0].cap_ab, 1);
  EXPECT_EQ(pairs[0].cap_bc, 2);
  EXPECT_EQ(pairs[0].cap_ac, 3);
  EXPECT_EQ(pairs[0].ins_ab, 4);
  EXPECT_EQ(pairs[0].ins_bc, 5);
  EXPECT_EQ(pairs[0].ins_ac, 6);
  EXPECT_FALSE(pairs[0].loop_resistance);
}

}  // namespace
}  // namespace telvane
