// The initial transfers that follow a successful serial synchronisation,
// against telvane-sim on a pseudo-terminal.
#include "link/initial_transfer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/values.h"
#include "link/port_setup.h"
#include "link/search.h"
#include "support/scripted_screen.h"
#include "support/sim_process.h"

namespace telvane {
namespace {

using testing::ScriptedScreen;
using testing::SimPortDir;
using testing::SimProcess;

class InitialTransferTest : public ::testing::Test {
 protected:
  void Sim(int kind, std::vector<std::string> more = {}) {
    std::vector<std::string> args = {"--kind", std::to_string(kind), "--serial", "550011",
                                     "--trace"};
    args.insert(args.end(), more.begin(), more.end());
    sim_ = std::make_unique<SimProcess>(ports_.path(), 1, args);
    ASSERT_TRUE(sim_->ready());
  }

  // The search, accepting the instrument on COM1.
  void Search() {
    screen_.Answer(Answer::kYes, "Использовать этот порт?");
    InstrumentSearch(link_);
  }

  // Identification and synchronisation by hand, for a kind the search never
  // probes; leaves `port_` ready for the initial transfer.
  void IdentifyByHand(uint8_t kind) {
    ASSERT_TRUE(OpenPort(port_, "COM1", *ParseModeString(kSearchMode), 300, 256, 256));
    ASSERT_TRUE(port_.WriteByte(kind));
    uint8_t ident[9];
    for (uint8_t& b : ident) ASSERT_EQ(port_.ReadByte(b), ReadResult::kByte);
    link_.info().kind = kind;
    link_.info().SetSerial(ident + 1);
    ASSERT_TRUE(Synchronize(port_, link_.info(), screen_));
  }

  SimPortDir ports_;
  ScriptedScreen screen_;
  Link link_{screen_};
  SerialPort port_;
  std::unique_ptr<SimProcess> sim_;
};

TEST_F(InitialTransferTest, Kind9DatabaseParametersArriveHighByteFirst) {
  Sim(9, {"--cables", "7"});
  Search();
  ASSERT_EQ(link_.info().kind, 9);
  ASSERT_TRUE(link_.initial().kind9.has_value()) << sim_->Log();
  const Kind9Parameters& p = *link_.initial().kind9;
  EXPECT_EQ(p.chip_type, 2);
  EXPECT_EQ(p.capacity, 32768u);
  EXPECT_EQ(p.maximum_cables, 66);
  EXPECT_EQ(p.current_cables, 7);
  EXPECT_EQ(p.cable_types, 12);
  EXPECT_EQ(p.maximum_sections, 5);
  EXPECT_EQ(p.first_free_byte, 66 * (9 * 5 + 33) + 41);
  EXPECT_EQ(p.maximum_pairs, (32768 - p.first_free_byte) / 26);
  EXPECT_EQ(p.current_pairs, 48);
  EXPECT_EQ(p.working_cable, 1);
  // Confirmed with the complement of data byte 3 (current cables, low byte 7).
  EXPECT_EQ(sim_->Log().find("confirmed with"), std::string::npos) << sim_->Log();
  EXPECT_TRUE(screen_.MessageLines().empty());
  link_.Disconnect();
}

TEST_F(InitialTransferTest, Kind9ChipTypesAndTheirCapacity) {
  uint8_t wire[15] = {1, 0x01, 0x02};
  EXPECT_EQ(Kind9Parameters::FromWire(wire).capacity, 2048u);
  EXPECT_EQ(Kind9Parameters::FromWire(wire).maximum_cables, 0x0102);
  wire[0] = 3;
  EXPECT_EQ(Kind9Parameters::FromWire(wire).capacity, 0u);
}

TEST_F(InitialTransferTest, Kind4CountersAndKind7Header) {
  Sim(4, {"--cables", "2"});
  Search();
  ASSERT_TRUE(link_.initial().kind4.has_value()) << sim_->Log();
  EXPECT_EQ(link_.initial().kind4->maximum, 200);
  EXPECT_EQ(link_.initial().kind4->current, 24);
  EXPECT_EQ(link_.initial().kind4->third, 5);
  link_.Disconnect();
  sim_.reset();

  // The simulated compact meter holds 12 cables of 8 types, planned
  // measurements of 12 cables with 20 pairs, and room for 30 cables.
  Sim(7);
  Search();
  ASSERT_TRUE(link_.initial().kind7_header.has_value()) << sim_->Log();
  EXPECT_EQ(*link_.initial().kind7_header, (std::array<uint8_t, 6>{12, 8, 0, 12, 20, 30}));
  link_.Disconnect();
}

TEST_F(InitialTransferTest, CompactFamilyFaultsAreReportedAndTheInstrumentStays) {
  struct Case {
    const char* fault;
    const char* message;
  };
  const Case cases[] = {
      {"bad-sum:0:9", "Ошибка: Неверная контрольная сумма"},
      {"foreign-serial-records", "Ошибка: Неверный СЕРИЙНЫЙ НОМЕР ПРИБОРА!"},
      {"foreign-serial", "Ошибка: Ошибка подтверждения команды"},
  };
  for (const Case& c : cases) {
    Sim(4, {"--fault", c.fault});
    screen_.ClearShown();
    Search();
    EXPECT_EQ(screen_.MessageLines(), std::vector<std::string>{c.message}) << c.fault;
    EXPECT_FALSE(link_.initial().kind4.has_value()) << c.fault;
    EXPECT_EQ(link_.info().kind, 4) << c.fault;  // identified and synchronised all the same
    EXPECT_TRUE(link_.port().is_open());
    // The simulator still waits for a confirmation; a new one takes its place.
    link_.ClosePort();
    sim_.reset();
    link_.initial().Clear();
  }
}

TEST_F(InitialTransferTest, Kind6HeaderCablesAndReflectograms) {
  Sim(6, {"--cables", "4", "--reflectograms", "3"});
  IdentifyByHand(6);
  ASSERT_TRUE(InitialTransferKind6(link_, port_)) << screen_.MessageLines().size();
  ASSERT_TRUE(link_.initial().kind6.has_value());
  const Kind6Database& db = *link_.initial().kind6;
  EXPECT_EQ(db.current_cables(), 4);
  EXPECT_EQ(db.maximum_cables(), 50);
  EXPECT_EQ(db.current_reflectograms(), 3);
  ASSERT_EQ(db.cables.size(), 4u);
  ASSERT_EQ(db.reflectograms.size(), 3u);
  // "Кабель-3" in CP1251.
  EXPECT_EQ(db.CableName(2), "\xCA\xE0\xE1\xE5\xEB\xFC-3");
  EXPECT_EQ(LoadLe16(&db.cables[3][23]), 550);
  // Entry 1: cable 1, then its name at 20 ("Линия-2" in CP1251).
  EXPECT_EQ(db.reflectograms[1][0], 1);
  EXPECT_EQ(std::string(db.reflectograms[1].begin() + 20, db.reflectograms[1].begin() + 27),
            "\xCB\xE8\xED\xE8\xFF-2");
  EXPECT_EQ(sim_->Log().find("confirmed with"), std::string::npos) << sim_->Log();
}

TEST_F(InitialTransferTest, Kind6RecordNumberOutsideTheTableIsRefused) {
  Sim(6, {"--cables", "2", "--fault", "bad-slot"});
  IdentifyByHand(6);
  EXPECT_FALSE(InitialTransferKind6(link_, port_));
  EXPECT_EQ(screen_.MessageLines(), std::vector<std::string>{"Error: Неверный номер записи!"});
  EXPECT_FALSE(link_.initial().kind6.has_value());
}

TEST_F(InitialTransferTest, Kind6ForeignAddressAndSilence) {
  Sim(6, {"--fault", "foreign-serial-records"});
  IdentifyByHand(6);
  EXPECT_FALSE(InitialTransferKind6(link_, port_));
  EXPECT_EQ(screen_.MessageLines(), std::vector<std::string>{"Error: Неверный SerialNumber!"});
}

}  // namespace
}  // namespace telvane
