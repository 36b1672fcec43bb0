// The database-information page of the 435-byte family on the in-process
// scripted peer: command 0x60 and its 24-byte record, then 0x63 and the cable
// records it announces, frames compared byte for byte, over the serial
// exchange of the page's context.
#include <gtest/gtest.h>

#include <memory>

#include "cable/family/family_info_page.h"
#include "support/peer_link.h"
#include "support/scripted_peer.h"

namespace telvane {
namespace {

using testing::PeerAddress;
using testing::PeerBytes;
using testing::PeerFrame;
using testing::PeerJoin;

const PeerBytes kAddress = PeerAddress(16, "123456");
// Command 0x60 of kind 16, serial "123456": 0x10 + 0x135 + 0x60 = 0x1A5.
const PeerBytes kCommand = {0x10, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x60, 0xA5};
// Command 0x63: 0x10 + 0x135 + 0x63 = 0x1A8.
const PeerBytes kCables = {0x10, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x63, 0xA8};

// Firmware 8.5 (little-endian float), 17 of 300 cables, 4 reflectograms, 120
// planned pairs, 9 cable types, 6 xDSL logs, then zeros.
PeerBytes Information() {
  PeerBytes data = {0x00, 0x00, 0x08, 0x41, 17, 0, 0x2C, 0x01, 4, 0, 120, 0, 9, 0, 6};
  data.resize(24, 0);
  return data;
}

// Cable record i: its number in the block's first byte, the name "C<i>" at
// 435, every slot empty.
PeerBytes Cable(int i) {
  PeerBytes data(496, 0);
  data[0] = static_cast<uint8_t>(i);
  data[435] = 'C';
  data[436] = static_cast<uint8_t>('A' + i);
  for (int s = 0; s < 20; ++s) data[476 + s] = 0xFF;
  return data;
}

// After the information record: 0x63 and the 17 cable records, each confirmed
// with the complement of its number.
void ExpectCables(testing::ScriptedPeer& peer) {
  peer.Expect(PeerFrame({kAddress, {0xFF}}));
  peer.Expect(kCables, PeerJoin({PeerFrame({kAddress, {0x9C}}), PeerFrame({kAddress, Cable(0)})}));
  for (int i = 0; i < 17; ++i) {
    peer.Expect(PeerFrame({kAddress, {static_cast<uint8_t>(~i)}}),
                i + 1 < 17 ? PeerFrame({kAddress, Cable(i + 1)}) : PeerBytes{});
  }
}

class Family435PeerTest : public ::testing::Test {
 protected:
  testing::ScriptedPeer peer_;
  testing::PeerLink link_{peer_, 16, "123456"};
  std::shared_ptr<FamilyModel> model_ = std::make_shared<FamilyModel>(kFamily435);
  FamilyInfoPage page_{link_.context(), model_};
};

TEST_F(Family435PeerTest, InformationRecordGivesTheVersionAndCounters) {
  peer_.Expect(kCommand,
               PeerJoin({PeerFrame({kAddress, {0x9F}}), PeerFrame({kAddress, Information()})}));
  // The record is confirmed with the complement of the value 0.
  ExpectCables(peer_);
  page_.Start();
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_TRUE(link_.screen().MessageLines().empty());
  EXPECT_EQ(link_.context().facts.version, 8.5f);
  EXPECT_EQ(link_.context().facts.xdsl_logs, 6u);
  using Row = std::pair<std::string, std::string>;
  EXPECT_EQ(page_.Rows(), (std::vector<Row>{{"Версия ПО", "8.500"},
                                            {"Кабелей", "17 / 300"},
                                            {"Рефлектограмм", "4"},
                                            {"Пар плановых измерений", "120"},
                                            {"Типов кабелей", "9"}}));
  ASSERT_EQ(model_->cable_count(), 17);
  EXPECT_EQ(model_->name(0), "CA");
  EXPECT_EQ(model_->name(16), "CQ");
  EXPECT_EQ(model_->record(16)[0], 16);
}

TEST_F(Family435PeerTest, ARecordWithABadSumIsAskedForAgain) {
  PeerBytes spoiled = PeerFrame({kAddress, Information()});
  spoiled.back() ^= 0x01;
  peer_.Expect(kCommand, PeerJoin({PeerFrame({kAddress, {0x9F}}), spoiled}));
  // 0 asks for the record again; the second copy is good.
  peer_.Expect(PeerFrame({kAddress, {0x00}}), PeerFrame({kAddress, Information()}));
  ExpectCables(peer_);
  page_.Start();
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  ASSERT_TRUE(page_.model().info().has_value());
  EXPECT_EQ(page_.model().info()->cable_types, 9);
}

TEST_F(Family435PeerTest, AWrongCommandConfirmationLeavesNoVersion) {
  peer_.Expect(kCommand, PeerFrame({kAddress, {0x60}}));
  page_.Start();
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_FALSE(link_.context().facts.version.has_value());
  EXPECT_FALSE(link_.context().facts.xdsl_logs.has_value());
  EXPECT_TRUE(page_.Rows().empty());
  EXPECT_TRUE(link_.screen().HasMessage("Ошибка подтверждения команды"));
  EXPECT_TRUE(link_.screen().HasMessage("Ошибка выполнения команды"));
}

}  // namespace
}  // namespace telvane
