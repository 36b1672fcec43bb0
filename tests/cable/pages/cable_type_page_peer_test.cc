// The cable-type page with the instrument played in-process by a scripted
// peer: every frame the page writes is compared with the script byte for byte,
// and the peer answers with golden frames of a kind 2 meter, serial "123456",
// whose type database holds 3 slots of which 2 are in use.
#include <gtest/gtest.h>

#include "cable/pages/cable_type_page.h"
#include "support/peer_link.h"
#include "support/scripted_peer.h"

namespace telvane {
namespace {

using testing::PeerAddress;
using testing::PeerBytes;
using testing::PeerFrame;
using testing::PeerJoin;
using testing::PeerLink;
using testing::ScriptedPeer;

const PeerBytes kAddress = PeerAddress(2, "123456");

// A 32-byte type on the wire: the CP1251 name padded with spaces to 16 bytes,
// the two floats most significant byte first, eight zero bytes.
PeerBytes Type(PeerBytes name, PeerBytes resistance, PeerBytes factor) {
  name.resize(16, ' ');
  return PeerJoin({name, resistance, factor, PeerBytes(8, 0)});
}

// "ТПП-0.4", 27.25, 0.5 and "КСПП", 20, 1.
const PeerBytes kType1 = Type({0xD2, 0xCF, 0xCF, '-', '0', '.', '4'}, {0x41, 0xDA, 0x00, 0x00},
                              {0x3F, 0x00, 0x00, 0x00});
const PeerBytes kType2 =
    Type({0xCA, 0xD1, 0xCF, 0xCF}, {0x41, 0xA0, 0x00, 0x00}, {0x3F, 0x80, 0x00, 0x00});
const PeerBytes kEmptyType = Type({}, {0, 0, 0, 0}, {0, 0, 0, 0});

// The status exchange: command 0x00 (golden frame), its confirmation, the
// status record (2 types of 3), and the program's answer with the complement
// of the database size.
void ExpectStatus(ScriptedPeer& peer) {
  peer.Expect({0x02, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x00, 0x37},
              PeerJoin({PeerFrame({kAddress, {0xFF}}), PeerFrame({kAddress, {2, 3}})}));
  peer.Expect(PeerFrame({kAddress, {0xFC}}));
}

class CableTypePagePeerTest : public ::testing::Test {
 protected:
  ScriptedPeer peer_;
  PeerLink link_{peer_, 2, "123456"};
  CableTypePage page_{link_.context()};
};

TEST_F(CableTypePagePeerTest, ReceiveTakesEverySlotAndSendTheUsedOnesAsOneTable) {
  ExpectStatus(peer_);
  // 0x05: the three records numbered from 1, each answered with the
  // complement of its number.
  peer_.Expect({0x02, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x05, 0x3C},
               PeerJoin({PeerFrame({kAddress, {0xFA}}), PeerFrame({kAddress, {1}, kType1})}));
  peer_.Expect(PeerFrame({kAddress, {0xFE}}), PeerFrame({kAddress, {2}, kType2}));
  peer_.Expect(PeerFrame({kAddress, {0xFD}}), PeerFrame({kAddress, {3}, kEmptyType}));
  peer_.Expect(PeerFrame({kAddress, {0xFC}}));
  ASSERT_TRUE(page_.ReadStatus()) << peer_.mismatch();
  ASSERT_TRUE(page_.Receive()) << peer_.mismatch();
  ASSERT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_EQ(page_.current(), 2);
  EXPECT_EQ(page_.maximum(), 3);
  ASSERT_EQ(page_.slot_count(), 3);
  EXPECT_EQ(page_.EntryText(0), "ТПП-0.4");
  EXPECT_EQ(page_.EntryText(1), "КСПП");
  EXPECT_EQ(page_.EntryText(2), std::string(16, ' '));
  page_.Select(0);
  EXPECT_EQ(page_.ResistanceField(), "27.25");
  EXPECT_EQ(page_.FactorField(), "0.5");
  EXPECT_TRUE(page_.checked(1));
  EXPECT_FALSE(page_.enabled(2));
  EXPECT_EQ(link_.screen().MessageLines(), std::vector<std::string>{"Debug: Принято 3 записи"});
  link_.screen().ClearShown();

  // Both used slots checked: one 0x02 with the two types, "Complete", then the
  // status again.
  peer_.Expect({0x02, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x02, 0x39},
               PeerFrame({kAddress, {0xFD}}));
  peer_.Expect(PeerFrame({kAddress, {1}, kType1}), PeerFrame({kAddress, {0xFE}}));
  peer_.Expect(PeerFrame({kAddress, {2}, kType2}), PeerFrame({kAddress, {0xFD}}));
  ExpectStatus(peer_);
  ASSERT_TRUE(page_.Send()) << peer_.mismatch();
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_EQ(link_.screen().MessageLines(), std::vector<std::string>{"Info: Complete"});
}

TEST_F(CableTypePagePeerTest, ARecordOfAnotherSerialNumberKeepsTheTable) {
  ExpectStatus(peer_);
  const PeerBytes stranger = PeerAddress(2, "654321");
  peer_.Expect({0x02, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x05, 0x3C},
               PeerJoin({PeerFrame({kAddress, {0xFA}}), PeerFrame({kAddress, {1}, kType1})}));
  peer_.Expect(PeerFrame({kAddress, {0xFE}}), PeerFrame({stranger, {2}, kType2}));
  ASSERT_TRUE(page_.ReadStatus()) << peer_.mismatch();
  EXPECT_FALSE(page_.Receive());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_TRUE(link_.screen().HasMessage("Неверный SerialNumber!"));
  // Nothing of the failed reception is shown.
  for (int i = 0; i < page_.slot_count(); ++i) EXPECT_EQ(page_.EntryText(i), std::string(16, ' '));
}

TEST_F(CableTypePagePeerTest, AnUncomplementedCommandConfirmationSendsNoRecord) {
  // The status read fails at its confirmation: the code byte came back as sent.
  peer_.Expect({0x02, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x00, 0x37},
               PeerFrame({kAddress, {0x00}}));
  EXPECT_FALSE(page_.ReadStatus());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_TRUE(link_.screen().HasMessage("Ошибка подтверждения команды"));
  EXPECT_EQ(page_.current(), 0);
}

TEST_F(CableTypePagePeerTest, NoSessionChannelMeansNoTransfer) {
  link_.Close();
  EXPECT_FALSE(page_.Receive());
  EXPECT_EQ(link_.screen().MessageLines(),
            std::vector<std::string>{"Ошибка: Ошибка передачи информации"});
  EXPECT_TRUE(peer_.written().empty());
}

}  // namespace
}  // namespace telvane
