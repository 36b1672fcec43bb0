// The reflectometer families' databases on the in-process scripted peer:
// every frame of the reading, the writes and the reflectogram transfers
// compared byte for byte, and every count and index bound seen from the wire.
// (The reflectogram transfers belong to the reflectogram pages.)
#include <gtest/gtest.h>

#include <memory>

#include "base/cp1251.h"
#include "base/values.h"
#include "cable/family/family_model.h"
#include "support/peer_link.h"
#include "support/scripted_peer.h"

namespace telvane {
namespace {

using testing::PeerAddress;
using testing::PeerBytes;
using testing::PeerFrame;
using testing::PeerJoin;

PeerBytes Info(float firmware, uint16_t cables, uint16_t maximum) {
  PeerBytes data(24, 0);
  StoreLeFloat(firmware, data.data());
  StoreLe16(cables, data.data() + 4);
  StoreLe16(maximum, data.data() + 6);
  StoreLe16(7, data.data() + 8);
  return data;
}

uint8_t Not(int i) { return static_cast<uint8_t>(~i); }

// A 380-byte cable record of kind 10: two sections, k = 1.5 (0x3FC00000) at
// 16, the name "Ввод" (CP1251 C2 E2 EE E4) at 343, slots 0 valid, 1 invalid,
// the rest empty.
PeerBytes Cable343(uint8_t tag) {
  PeerBytes data(380, 0);
  data[0] = tag;
  data[2] = 2;
  const PeerBytes k = {0x00, 0x00, 0xC0, 0x3F};
  std::copy(k.begin(), k.end(), data.begin() + 16);
  const PeerBytes name = {0xC2, 0xE2, 0xEE, 0xE4};
  std::copy(name.begin(), name.end(), data.begin() + 343);
  data[360] = 0;
  data[361] = 9;
  for (int s = 2; s < 20; ++s) data[360 + s] = 0xFF;
  return data;
}

class FamilyPeerTest : public ::testing::Test {
 protected:
  FamilyPeerTest(uint8_t kind, const FamilyLayout& layout)
      : link_(peer_, kind, "123456"),
        address_(PeerAddress(kind, "123456")),
        model_(std::make_shared<FamilyModel>(layout)) {}

  PeerBytes Command(uint8_t code) { return PeerFrame({address_, {code}}); }
  PeerBytes Confirm(uint8_t byte) { return PeerFrame({address_, {byte}}); }
  PeerBytes Record(const PeerBytes& data) { return PeerFrame({address_, data}); }

  // The information record of `code`, confirmed as record 0.
  void ExpectInfo(uint8_t code, const PeerBytes& info) {
    peer_.Expect(Command(code), PeerJoin({Confirm(Not(code)), Record(info)}));
    peer_.Expect(Confirm(0xFF));
  }
  // `code` and its series of records, each confirmed with the complement of
  // its number.
  void ExpectSeries(uint8_t code, const std::vector<PeerBytes>& records) {
    peer_.Expect(Command(code), PeerJoin({Confirm(Not(code)), Record(records[0])}));
    for (size_t i = 0; i < records.size(); ++i) {
      peer_.Expect(Confirm(Not(static_cast<int>(i))),
                   i + 1 < records.size() ? Record(records[i + 1]) : PeerBytes{});
    }
  }

  bool Done() { return peer_.done(); }

  testing::ScriptedPeer peer_;
  testing::PeerLink link_;
  PeerBytes address_;
  std::shared_ptr<FamilyModel> model_;
};

class Family343PeerTest : public FamilyPeerTest {
 protected:
  Family343PeerTest() : FamilyPeerTest(10, kFamily343) {}

  void ReadTwoCables() {
    ExpectInfo(0x50, Info(3.2f, 2, 40));
    ExpectSeries(0x53, {Cable343(0xA1), Cable343(0xA2)});
    ASSERT_TRUE(model_->Read(link_.context()));
    ASSERT_TRUE(Done()) << peer_.mismatch();
  }
};

TEST_F(Family343PeerTest, ReadingTakesTheInformationThenTheAnnouncedCables) {
  ReadTwoCables();
  EXPECT_TRUE(link_.screen().MessageLines().empty());
  ASSERT_EQ(model_->cable_count(), 2);
  EXPECT_EQ(model_->info()->maximum_cables, 40);
  EXPECT_EQ(model_->info()->reflectograms, 7);
  EXPECT_EQ(model_->name(1), "Ввод");
  EXPECT_EQ(model_->record(1)[0], 0xA2);
  EXPECT_EQ(model_->status(0, 0), kSlotValid);
  EXPECT_EQ(model_->status(0, 1), 9);
  EXPECT_EQ(model_->status(0, 19), kSlotEmpty);
  const CableBlock block = model_->block(0);
  EXPECT_EQ(block.form(), RecordForm::kCompact);
  EXPECT_EQ(block.section_count(), 2);
  EXPECT_EQ(block.velocity_factor(), 1.5f);
  // Indices beyond the database.
  EXPECT_EQ(model_->status(2, 0), kSlotEmpty);
  EXPECT_EQ(model_->status(0, 20), kSlotEmpty);
  EXPECT_EQ(model_->status(0, -1), kSlotEmpty);
  EXPECT_TRUE(model_->record(2).empty());
  EXPECT_EQ(model_->name(-1), "");
}

TEST_F(Family343PeerTest, MoreCablesThanTheMaximumAreRefusedAndNothingMoreIsRead) {
  ReadTwoCables();
  ExpectInfo(0x50, Info(3.2f, 5, 4));
  EXPECT_FALSE(model_->Read(link_.context()));
  EXPECT_TRUE(Done()) << peer_.mismatch();  // no 0x53 on the wire
  EXPECT_EQ(link_.screen().MessageLines(),
            (std::vector<std::string>{"Ошибка: Неверное количество кабелей"}));
  // The database read before stays.
  EXPECT_EQ(model_->cable_count(), 2);
  EXPECT_EQ(model_->info()->cables, 2);
}

TEST_F(Family343PeerTest, AMaximumBeyondTheLimitIsRefused) {
  ExpectInfo(0x50, Info(3.2f, 3, 501));
  EXPECT_FALSE(model_->Read(link_.context()));
  EXPECT_TRUE(Done()) << peer_.mismatch();
  EXPECT_TRUE(link_.screen().HasMessage("Неверное количество кабелей"));
  EXPECT_FALSE(model_->info().has_value());
}

TEST_F(Family343PeerTest, NoCablesMeansNoSecondCommand) {
  ExpectInfo(0x50, Info(3.2f, 0, 500));
  EXPECT_TRUE(model_->Read(link_.context()));
  EXPECT_TRUE(Done()) << peer_.mismatch();
  EXPECT_EQ(model_->cable_count(), 0);
  EXPECT_EQ(model_->info()->maximum_cables, 500);
}

TEST_F(Family343PeerTest, ACableSeriesCutShortKeepsTheDatabaseHeldBefore) {
  ReadTwoCables();
  ExpectInfo(0x50, Info(3.3f, 3, 40));
  // The second of three records never comes.
  peer_.Expect(Command(0x53), PeerJoin({Confirm(Not(0x53)), Record(Cable343(0xB1))}));
  peer_.Expect(Confirm(0xFF));
  link_.screen().Answer(Answer::kNo, "Повторить попытку?");
  EXPECT_FALSE(model_->Read(link_.context()));
  EXPECT_TRUE(link_.screen().HasMessage("Ошибка при приеме записи"));
  EXPECT_EQ(model_->cable_count(), 2);
  EXPECT_EQ(model_->record(0)[0], 0xA1);
  EXPECT_EQ(model_->info()->firmware, 3.2f);
}

TEST_F(Family343PeerTest, WritingEveryCableIsOneSeriesNumberedFromZero) {
  ReadTwoCables();
  ASSERT_TRUE(model_->SetName(0, "Магистраль-1 длинное имя"));
  PeerBytes first = Cable343(0xA1);
  // The name is cut to 16 characters: "Магистраль-1 дли".
  const std::string cut = Utf8ToCp1251("Магистраль-1 дли");
  std::fill(first.begin() + 343, first.begin() + 360, 0);
  std::copy(cut.begin(), cut.end(), first.begin() + 343);
  peer_.Expect(Command(0x52), Confirm(Not(0x52)));
  peer_.Expect(Record(first), Confirm(0xFF));
  peer_.Expect(Record(Cable343(0xA2)), Confirm(0xFE));
  EXPECT_TRUE(model_->WriteAll(link_.context()));
  EXPECT_TRUE(Done()) << peer_.mismatch();
  EXPECT_TRUE(link_.screen().MessageLines().empty());
}

TEST_F(Family343PeerTest, WritingOneCableSendsItsRecordAlone) {
  ReadTwoCables();
  peer_.Expect(Command(0x51), Confirm(Not(0x51)));
  peer_.Expect(Record(Cable343(0xA2)), Confirm(0xFF));
  EXPECT_TRUE(model_->WriteOne(link_.context(), 1));
  EXPECT_TRUE(Done()) << peer_.mismatch();
  // A cable beyond the database: nothing on the wire.
  EXPECT_FALSE(model_->WriteOne(link_.context(), 2));
  EXPECT_FALSE(model_->WriteOne(link_.context(), -1));
  EXPECT_TRUE(Done()) << peer_.mismatch();
}

class Family435ModelPeerTest : public FamilyPeerTest {
 protected:
  Family435ModelPeerTest() : FamilyPeerTest(11, kFamily435) {}

  PeerBytes Cable(uint8_t tag) {
    PeerBytes data(496, 0);
    data[0] = tag;
    for (int s = 0; s < 20; ++s) data[476 + s] = 0xFF;
    return data;
  }

  // Reads a database of one cable with the firmware `firmware`.
  void ReadOneCable(float firmware) {
    ExpectInfo(0x60, Info(firmware, 1, 10));
    ExpectSeries(0x63, {Cable(0x11)});
    ASSERT_TRUE(model_->Read(link_.context()));
    ASSERT_TRUE(Done()) << peer_.mismatch();
  }
};

TEST_F(Family435ModelPeerTest, WritingTheDatabaseSendsEveryRecordOf496Bytes) {
  ReadOneCable(8.0f);
  peer_.Expect(Command(0x62), Confirm(Not(0x62)));
  peer_.Expect(Record(Cable(0x11)), Confirm(0xFF));
  EXPECT_TRUE(model_->WriteAll(link_.context()));
  EXPECT_TRUE(Done()) << peer_.mismatch();
  peer_.Expect(Command(0x61), Confirm(Not(0x61)));
  peer_.Expect(Record(Cable(0x11)), Confirm(0xFF));
  EXPECT_TRUE(model_->WriteOne(link_.context(), 0));
  EXPECT_TRUE(Done()) << peer_.mismatch();
}

TEST_F(Family435ModelPeerTest, TheBlockIsTheExtendedForm) {
  ReadOneCable(8.0f);
  CableBlock& block = model_->cable_block(0);
  EXPECT_EQ(block.form(), RecordForm::kExtended);
  // What the reflectogram pages change in the block is in the record sent.
  block.set_velocity_factor(1.25f);
  block.set_pair_count(100);
  EXPECT_EQ(LoadLe16(model_->record(0).data() + 2), 100);
  EXPECT_EQ(LoadLeFloat(model_->record(0).data() + 28), 1.25f);
  EXPECT_EQ(model_->record(0).size(), 496u);
  // The entry after the block is untouched.
  EXPECT_EQ(model_->status(0, 0), kSlotEmpty);
  // A cable beyond the database gets a scratch block that no cable keeps.
  model_->cable_block(1).set_pair_count(7);
  EXPECT_EQ(model_->cable_block(1).pair_count(), 0);
  EXPECT_EQ(model_->block(0).pair_count(), 100);
}

class Family233PeerTest : public FamilyPeerTest {
 protected:
  Family233PeerTest() : FamilyPeerTest(14, kFamily233) {}
};

TEST_F(Family233PeerTest, ReadingIsCodeZeroThenCodeOne) {
  PeerBytes cable(233, 0);
  const std::string name = Utf8ToCp1251("ТПП 50х2");
  std::copy(name.begin(), name.end(), cable.begin());
  StoreLe16(50, cable.data() + 42);
  PeerBytes second = cable;
  second[0] = 'X';
  second[1] = 0;
  ExpectInfo(0x00, Info(1.5f, 2, 100));
  ExpectSeries(0x01, {cable, second});
  ASSERT_TRUE(model_->Read(link_.context()));
  EXPECT_TRUE(Done()) << peer_.mismatch();
  EXPECT_EQ(model_->name(0), "ТПП 50х2");
  EXPECT_EQ(model_->name(1), "X");
  // No reflectogram slots in this family.
  EXPECT_EQ(model_->status(0, 0), kSlotEmpty);
  EXPECT_FALSE(model_->SetStatus(0, 0, 0));
  EXPECT_TRUE(Done()) << peer_.mismatch();
  // Writing: code 2 for all, code 4 for one.
  peer_.Expect(Command(0x02), Confirm(Not(0x02)));
  peer_.Expect(Record(cable), Confirm(0xFF));
  peer_.Expect(Record(second), Confirm(0xFE));
  EXPECT_TRUE(model_->WriteAll(link_.context()));
  peer_.Expect(Command(0x04), Confirm(Not(0x04)));
  peer_.Expect(Record(second), Confirm(0xFF));
  EXPECT_TRUE(model_->WriteOne(link_.context(), 1));
  EXPECT_TRUE(Done()) << peer_.mismatch();
}

}  // namespace
}  // namespace telvane
