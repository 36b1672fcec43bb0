// The cable transfers end to end: the program's transfers on the session port
// found by the serial search, against telvane-sim playing the cable meters.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

#include "base/values.h"
#include "cable/cable_connect.h"
#include "cable/cable_transfer.h"
#include "cable/initial_cable_data.h"
#include "link/serial_channel.h"
#include "link/link.h"
#include "link/search.h"
#include "support/scripted_screen.h"
#include "support/sim_process.h"

namespace telvane {
namespace {

class CableSimTest : public ::testing::Test {
 protected:
  // Starts the simulator as `kind` and runs the search that accepts it.
  void Connect(int kind, std::vector<std::string> more = {}) {
    std::vector<std::string> args = {"--kind", std::to_string(kind), "--serial",
                                     "C12345", "--cables",           "4"};
    args.insert(args.end(), more.begin(), more.end());
    sim_ = std::make_unique<testing::SimProcess>(ports_.path(), 1, args);
    ASSERT_TRUE(sim_->ready());
    if (kind == 6) {
      // The search never probes kind 6: the meter is reached on its port.
      ASSERT_TRUE(ConnectCableMeter(link_, "COM1", 6)) << sim_->Log();
    } else {
      screen_.Answer(Answer::kYes, "Использовать этот порт?");
      InstrumentSearch(link_);
    }
    std::string shown;
    for (const auto& line : screen_.MessageLines()) shown += line + "\n";
    ASSERT_EQ(link_.info().kind, kind) << shown << sim_->Log();
    ASSERT_TRUE(link_.port().is_open());
    port_ = std::make_unique<SerialChannel>(link_.port());
    screen_.ClearShown();
  }
  CableTransfer Transfer() { return CableTransfer(*port_, screen_, link_.info()); }
  std::string Log() const { return sim_ ? sim_->Log() : ""; }

  testing::SimPortDir ports_;
  testing::ScriptedScreen screen_;
  Link link_{screen_};
  std::unique_ptr<testing::SimProcess> sim_;
  std::unique_ptr<SerialChannel> port_;
};

TEST_F(CableSimTest, TypeDatabaseWholeAndSingleRecords) {
  Connect(2);
  CableTypeTable table;
  ASSERT_TRUE(Transfer().ReadTypeStatus(table)) << Log();
  EXPECT_EQ(table.current, 12);
  EXPECT_EQ(table.maximum, 63);
  ASSERT_TRUE(Transfer().ReceiveCableTypes(table)) << Log();
  ASSERT_EQ(table.types.size(), 63u);
  EXPECT_EQ(table.types[0].name(), "ТПП-0.32");
  EXPECT_FLOAT_EQ(table.types[1].specific_resistance(), 27.25f);
  EXPECT_EQ(table.types[20].name(), "");

  // Two single records, 45 ms apart, then the whole table.
  table.types[2].set_name("ТППЭП 100x2x0.40");  // 16 characters, no terminator on the wire
  table.types[2].set_specific_resistance(99.5f);
  table.types[14].set_name("НОВЫЙ");
  ASSERT_TRUE(Transfer().SendCableType(table, 2)) << Log();
  std::this_thread::sleep_for(std::chrono::milliseconds(45));
  ASSERT_TRUE(Transfer().SendCableType(table, 14)) << Log();
  ASSERT_TRUE(Transfer().ReadTypeStatus(table));
  EXPECT_EQ(table.current, 15);

  CableTypeTable back;
  back.maximum = 63;
  ASSERT_TRUE(Transfer().ReceiveCableTypes(back));
  EXPECT_EQ(back.types[2].name(), "ТППЭП 100x2x0.40");
  EXPECT_FLOAT_EQ(back.types[2].specific_resistance(), 99.5f);
  EXPECT_EQ(back.types[14].name(), "НОВЫЙ");

  for (int i = 0; i < 15; ++i) table.types[static_cast<size_t>(i)].set_temperature_factor(0.5f);
  screen_.ClearShown();
  ASSERT_TRUE(Transfer().SendCableTypes(table, 15)) << Log();
  EXPECT_EQ(screen_.MessageLines(), std::vector<std::string>{"Info: Complete"});
  ASSERT_TRUE(Transfer().ReceiveCableTypes(back));
  for (int i = 0; i < 15; ++i) {
    EXPECT_FLOAT_EQ(back.types[static_cast<size_t>(i)].temperature_factor(), 0.5f) << i;
  }
  EXPECT_TRUE(Transfer().EndSession());
  EXPECT_EQ(link_.info().kind, 0);
}

TEST_F(CableSimTest, ForeignSerialNumberInATypeRecordKeepsTheOldTable) {
  Connect(2, {"--fault", "foreign-serial-records"});
  CableTypeTable table;
  table.types[0].set_name("СТАРЫЙ");
  const auto before = table.types;
  EXPECT_FALSE(Transfer().ReceiveCableTypes(table));
  EXPECT_EQ(screen_.MessageLines(), std::vector<std::string>{"Error: Неверный SerialNumber!"});
  EXPECT_EQ(table.types, before);
}

TEST_F(CableSimTest, FullFamilyCablesAndPlannedMeasurements) {
  Connect(6);
  ASSERT_TRUE(link_.initial().kind6.has_value());
  CableBase base;
  TakeKind6Database(*link_.initial().kind6, base);
  ASSERT_EQ(base.header.cable_count(), 4);
  EXPECT_EQ(base.cables[1].name(), "Кабель-2");

  ASSERT_TRUE(Transfer().ReceiveCableRecords(base, base.CableCount())) << Log();
  EXPECT_EQ(base.cables[0].pair_count(), 2000);
  EXPECT_EQ(base.cables[3].name(), "Кабель-4");
  EXPECT_EQ(base.cables[3].type_name(), "ТПП-0.64");
  EXPECT_EQ(base.cables[3].section(4).core_resistance(), 144);
  EXPECT_EQ(base.cables[3].bytes()[257], 0xA5);

  CableRecord one;
  CableBase single = base;
  single.cables[2] = one;
  ASSERT_TRUE(Transfer().ReceiveCableRecord(single, 2)) << Log();
  EXPECT_EQ(single.cables[2], base.cables[2]);

  ASSERT_TRUE(Transfer().ReceivePlanned(base, 0)) << Log();
  const PlannedDatabase& planned = base.planned[0];
  EXPECT_EQ(planned.date, (std::array<uint8_t, 3>{1, 12, 26}));
  EXPECT_EQ(planned.slots[1999].pair(), 2000);
  EXPECT_EQ(planned.slots[5].capacitance_ab(), kPairNotMeasured);
  EXPECT_FLOAT_EQ(planned.slots[0].insulation_ac(), 31000000.0f);

  // Send all, then one, and read back what the meter holds.
  base.cables[1].set_notebook_line(3, "ПРОВЕРЕНО");
  screen_.ClearShown();
  ASSERT_TRUE(Transfer().SendCableRecords(base, base.CableCount())) << Log();
  EXPECT_EQ(screen_.MessageLines(), std::vector<std::string>{"Info: Complete"});
  base.cables[3].set_length(4321);
  ASSERT_TRUE(Transfer().SendCableRecord(base, 3)) << Log();
  CableBase back;
  ASSERT_TRUE(Transfer().ReceiveCableRecords(back, 4)) << Log();
  EXPECT_EQ(back.cables[1].notebook_line(3), "ПРОВЕРЕНО");
  EXPECT_EQ(back.cables[3].length(), 4321);
  EXPECT_EQ(back.cables[3].transfer_word(), 0u);
}

TEST_F(CableSimTest, RecordSumFaultMidDatabaseKeepsEarlierRecords) {
  // Records since synchronisation: header, 4 cable entries, 2 reflectogram
  // entries (0..6), then the cable records 7, 8, ...: the second one is bad.
  Connect(6, {"--fault", "bad-sum:8"});
  CableBase base;
  for (auto& c : base.cables) c.set_name("ПРЕЖНИЙ");
  EXPECT_FALSE(Transfer().ReceiveCableRecords(base, 4));
  EXPECT_EQ(screen_.MessageLines(),
            std::vector<std::string>{"Error: Неверная контрольная сумма записи"});
  EXPECT_EQ(base.cables[0].name(), "Кабель-1");
  EXPECT_EQ(base.cables[1].name(), "ПРЕЖНИЙ");
  EXPECT_EQ(base.cables[2].name(), "ПРЕЖНИЙ");
}

TEST_F(CableSimTest, CompactFamilyReadsAndTheImage) {
  Connect(7);
  CompactBase base;
  // The counts of the simulated meter's database.
  base.counts = {12, 8, 12, 20, 30};
  ASSERT_TRUE(Transfer().ReceiveCompactCables(base)) << Log();
  ASSERT_EQ(base.cables.size(), 12u);
  EXPECT_EQ(base.cables[4].name(), "ЛИНИЯ 5");
  EXPECT_EQ(base.cables[4].checksum(), base.cables[4].ComputeChecksum());
  ASSERT_TRUE(Transfer().ReceiveCompactTypes(base)) << Log();
  ASSERT_EQ(base.types.size(), 8u);
  EXPECT_FLOAT_EQ(base.types[1].core_diameter(), 0.42f);
  ASSERT_TRUE(Transfer().ReceiveCompactPlanned(base)) << Log();
  ASSERT_EQ(base.planned.size(), 240u);
  EXPECT_EQ(base.PlannedSlot(2, 3)->value(0), kPairNotMeasured);
  EXPECT_FLOAT_EQ(base.PlannedSlot(11, 19)->insulation_ab(), 20000.0f);

  // Keep the first three cables, renamed, in an image of 30 slots.
  std::vector<CompactCableRecord> image(30, CompactCableRecord::Empty());
  for (int i = 0; i < 3; ++i) {
    image[static_cast<size_t>(i)] = base.cables[static_cast<size_t>(i)];
    image[static_cast<size_t>(i)].set_name("НОВЫЙ " + std::to_string(i));
    image[static_cast<size_t>(i)].UpdateChecksum();
  }
  screen_.ClearShown();
  ASSERT_TRUE(Transfer().SendCompactImage(image)) << Log();
  EXPECT_EQ(screen_.MessageLines(), std::vector<std::string>{"Info: Complete"});
  base.counts.cables = 3;
  ASSERT_TRUE(Transfer().ReceiveCompactCables(base)) << Log();
  ASSERT_EQ(base.cables.size(), 3u);
  EXPECT_EQ(base.cables[2].name(), "НОВЫЙ 2");
  EXPECT_EQ(base.cables[2], image[2]);
}

TEST_F(CableSimTest, Kind4PlannedMeasurements) {
  Connect(4);
  CompactBase base;
  base.counts.planned_cables = 12;
  base.counts.planned_pairs = 20;
  ASSERT_TRUE(Transfer().ReceiveCompactPlanned(base)) << Log();
  EXPECT_EQ(base.PlannedSlot(0, 4)->value(1), kValueNotMeasured);
}

}  // namespace
}  // namespace telvane
