// The memory plan: its arithmetic, how it lowers cables then sections, when it
// refuses, and the page that stores its result.
#include "testers/plan/memory_plan.h"

#include <gtest/gtest.h>

#include "support/peer_link.h"
#include "support/scripted_peer.h"
#include "testers/plan/database_plan_page.h"

namespace telvane {
namespace {

// The loop exactly as described: lower n while pairs come out negative, then
// s, refusing at n = s = 1. An independent reference for PlanMemory.
std::optional<MemoryPlan> LiteralPlan(uint32_t capacity, uint32_t shown, uint32_t offset, int s) {
  s = s > 20 ? 20 : s < 1 ? 1 : s;
  int64_t n = int64_t{shown} + offset;
  for (;;) {
    const int64_t f = n * (9 * s + 33) + 41;
    const int64_t p = (int64_t{capacity} - f) / 26;
    if (p >= 0) return MemoryPlan{uint32_t(n), n - offset, s, uint32_t(f), uint32_t(p)};
    if (n > 1) {
      --n;
    } else if (s >= 2) {
      --s;
    } else {
      return std::nullopt;
    }
  }
}

TEST(MemoryPlanTest, ChipsAndTheirCapacities) {
  EXPECT_EQ(ChipCapacity(0), 0u);
  EXPECT_EQ(ChipCapacity(1), 2048u);
  EXPECT_EQ(ChipCapacity(2), 32768u);
  EXPECT_EQ(ChipCapacity(3), 0u);
  EXPECT_EQ(ChipName(0), "Отсутствует");
  EXPECT_EQ(ChipName(1), "AT25160 2K");
  EXPECT_EQ(ChipName(2), "AT25256 32K");
  EXPECT_EQ(ChipName(7), "НЕИЗВЕСТНЫЙ");
}

TEST(MemoryPlanTest, ThirtyCablesOfTwoSectionsOnTheTwoKilobyteChip) {
  const auto plan = PlanMemory(2048, 30, 2, 2);
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->cables, 32u);
  EXPECT_EQ(plan->shown_cables, 30);
  EXPECT_EQ(plan->sections, 2);
  EXPECT_EQ(plan->first_free_byte, 1673u);
  EXPECT_EQ(plan->pairs, 14u);
}

TEST(MemoryPlanTest, TooManyCablesAreLoweredUntilThePlanFits) {
  // 20 sections: 213 bytes a cable. 10 cables need 2171 bytes, 123 too many;
  // 9 need 1958, leaving 90 bytes for 3 pairs.
  const auto plan = PlanMemory(2048, 100, 2, 20);
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->cables, 9u);
  EXPECT_EQ(plan->shown_cables, 7);
  EXPECT_EQ(plan->sections, 20);
  EXPECT_EQ(plan->first_free_byte, 1958u);
  EXPECT_EQ(plan->pairs, 3u);
}

TEST(MemoryPlanTest, NoCapacityRefusesOnceCablesAndSectionsAreOne) {
  EXPECT_FALSE(PlanMemory(0, 30, 2, 2));
  EXPECT_FALSE(PlanMemory(ChipCapacity(9), 1, 0, 1));
  EXPECT_FALSE(PlanMemory(0, 65535, 65535, 20));
}

TEST(MemoryPlanTest, AShortfallUnderOnePairIsAcceptedWithNoPairs) {
  // One cable of one section: f = 42 + 41 = 83. A 60-byte chip falls 23
  // short, which truncates to 0 pairs; 57 bytes fall 26 short: refused.
  const auto plan = PlanMemory(60, 1, 0, 1);
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->first_free_byte, 83u);
  EXPECT_EQ(plan->pairs, 0u);
  EXPECT_FALSE(PlanMemory(57, 1, 0, 1));
  // On the real chip: 48 cables of 1 section take 2057 bytes, 9 over.
  const auto chip = PlanMemory(2048, 46, 2, 1);
  ASSERT_TRUE(chip);
  EXPECT_EQ(chip->cables, 48u);
  EXPECT_EQ(chip->first_free_byte, 2057u);
  EXPECT_EQ(chip->pairs, 0u);
}

TEST(MemoryPlanTest, SectionsAreLoweredWhenOneCableDoesNotFit) {
  // One cable of 20 sections needs 254 bytes; with 150 bytes one of 11
  // sections (173) falls 23 short and is accepted, one of 12 (182) is not.
  const auto plan = PlanMemory(150, 5, 0, 20);
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->cables, 1u);
  EXPECT_EQ(plan->sections, 11);
  EXPECT_EQ(plan->pairs, 0u);
}

TEST(MemoryPlanTest, SectionsAreKeptBetweenOneAndTwenty) {
  EXPECT_EQ(PlanMemory(32768, 1, 0, 0)->sections, 1);
  EXPECT_EQ(PlanMemory(32768, 1, 0, 99)->sections, 20);
}

TEST(MemoryPlanTest, AgreesWithTheLoopOverManyInputs) {
  for (uint32_t capacity : {0u, 60u, 150u, 2048u, 32768u}) {
    for (uint32_t shown : {1u, 2u, 30u, 100u, 800u, 65535u}) {
      for (uint32_t offset : {0u, 2u, 7u}) {
        for (int s : {0, 1, 2, 5, 20, 21}) {
          const auto want = LiteralPlan(capacity, shown, offset, s);
          const auto got = PlanMemory(capacity, shown, offset, s);
          ASSERT_EQ(want.has_value(), got.has_value()) << capacity << " " << shown << " " << s;
          if (!want) continue;
          EXPECT_EQ(got->cables, want->cables);
          EXPECT_EQ(got->shown_cables, want->shown_cables);
          EXPECT_EQ(got->sections, want->sections);
          EXPECT_EQ(got->first_free_byte, want->first_free_byte);
          EXPECT_EQ(got->pairs, want->pairs);
        }
      }
    }
  }
}

// The page over a scripted serial session whose initial transfer brought the
// parameters.
class DatabasePlanPageTest : public ::testing::Test {
 protected:
  void StartWith(uint8_t chip, uint16_t max_cables, uint8_t sections) {
    Kind9Parameters p;
    p.chip_type = chip;
    p.maximum_cables = max_cables;
    p.current_cables = 5;
    p.cable_types = 12;
    p.maximum_pairs = 40;
    p.current_pairs = 17;
    p.working_cable = 3;
    p.maximum_sections = sections;
    p.first_free_byte = 999;
    link_.initial().kind9 = p;
    page_.Start();
  }
  std::vector<std::string> Values() {
    std::vector<std::string> values;
    for (const auto& field : page_.Fields()) values.push_back(field.value);
    return values;
  }

  testing::ScriptedPeer peer_;
  testing::PeerLink link_{peer_, 9, "654321"};
  DatabasePlanPage page_{link_.context()};
};

TEST_F(DatabasePlanPageTest, ShowsTheNineFieldsWithTheOffsetTakenOff) {
  StartWith(1, 32, 2);
  const auto fields = page_.Fields();
  ASSERT_EQ(fields.size(), 9u);
  EXPECT_EQ(fields[0].label, "Максимальное кол-во КАБЕЛЕЙ в БД параметров");
  EXPECT_TRUE(fields[0].editable);
  EXPECT_EQ(fields[6].label, "Максимальное кол-во участков в кабеле");
  EXPECT_TRUE(fields[6].editable);
  EXPECT_EQ(fields[8].label, "Условный тип микросхемы-хранилища БД");
  EXPECT_FALSE(fields[8].editable);
  EXPECT_EQ(Values(),
            (std::vector<std::string>{"30", "5", "12", "40", "17", "3", "2", "999", "AT25160 2K"}));
  EXPECT_TRUE(peer_.written().empty());
}

TEST_F(DatabasePlanPageTest, AnEditStoresThePlan) {
  StartWith(1, 10, 2);
  ASSERT_TRUE(page_.EditMaximumCables(30));
  EXPECT_EQ(page_.parameters().maximum_cables, 32);
  EXPECT_EQ(Values(),
            (std::vector<std::string>{"30", "5", "12", "14", "0", "3", "2", "1673", "AT25160 2K"}));
  ASSERT_TRUE(page_.EditMaximumSections(50));  // kept at 20, cables lowered
  EXPECT_EQ(Values()[6], "20");
  EXPECT_EQ(Values()[0], "7");
  EXPECT_EQ(Values()[3], "3");
  EXPECT_TRUE(link_.screen().messages().empty());
}

TEST_F(DatabasePlanPageTest, ARefusedPlanKeepsTheStoredValues) {
  StartWith(0, 12, 4);
  const auto before = Values();
  EXPECT_FALSE(page_.EditMaximumCables(3));
  EXPECT_EQ(link_.screen().MessageLines(),
            (std::vector<std::string>{"Ошибка: Введенные параметры БД некорректны!!!"}));
  EXPECT_EQ(link_.screen().messages()[0].icon, Icon::kError);
  EXPECT_EQ(Values(), before);
}

TEST_F(DatabasePlanPageTest, NothingToShowOrPlanWithoutParameters) {
  page_.Start();
  EXPECT_FALSE(page_.has_parameters());
  EXPECT_EQ(Values(), std::vector<std::string>(9, ""));
  EXPECT_FALSE(page_.EditMaximumCables(3));
  EXPECT_TRUE(link_.screen().messages().empty());
}

TEST(PlanParametersTest, FifteenBytesMostSignificantFirst) {
  const uint8_t data[15] = {2,    0x01, 0x02, 0x00, 0x05, 63,   0x04, 0xD2,
                            0x00, 0x11, 0x00, 0x03, 5,    0x80, 0x01};
  const Kind9Parameters p = Kind9Parameters::FromWire(data);
  EXPECT_EQ(p.chip_type, 2);
  EXPECT_EQ(p.maximum_cables, 0x0102);
  EXPECT_EQ(p.current_cables, 5);
  EXPECT_EQ(p.cable_types, 63);
  EXPECT_EQ(p.maximum_pairs, 1234);
  EXPECT_EQ(p.current_pairs, 17);
  EXPECT_EQ(p.working_cable, 3);
  EXPECT_EQ(p.maximum_sections, 5);
  EXPECT_EQ(p.first_free_byte, 0x8001u);
}

}  // namespace
}  // namespace telvane
