// "Информация о БД" of kinds 10 and 14: the page's first transfer reads the
// family's database on the wire (0x50 then 0x53; 0 then 1) and shows the
// version and the counts of its family; only the 435-byte family's version
// becomes the session's version.
#include "cable/family/family_info_page.h"

#include <gtest/gtest.h>

#include <memory>

#include "base/values.h"
#include "cable/pages/sim_session.h"
#include "support/peer_link.h"
#include "support/scripted_peer.h"

namespace telvane {
namespace {

using testing::PeerAddress;
using testing::PeerBytes;
using testing::PeerFrame;
using testing::PeerJoin;
using Row = std::pair<std::string, std::string>;

// Firmware 2.5, 1 of 30 cables, 6 reflectograms, 250 planned pairs, 4 types.
PeerBytes Info() {
  PeerBytes data = {0x00, 0x00, 0x20, 0x40, 1, 0, 30, 0, 6, 0, 250, 0, 4, 0};
  data.resize(24, 0);
  return data;
}

TEST(FamilyInfoPage, Kind10ShowsVersionCablesAndReflectograms) {
  testing::ScriptedPeer peer;
  testing::PeerLink link(peer, 10, "123456");
  const PeerBytes address = PeerAddress(10, "123456");
  FamilyInfoPage page(link.context(), std::make_shared<FamilyModel>(kFamily343));
  EXPECT_EQ(page.id(), PageId::kDbInfo10);
  // 0x0A + 0x135 + 0x50 = 0x18F.
  peer.Expect({0x0A, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x50, 0x8F},
              PeerJoin({PeerFrame({address, {0xAF}}), PeerFrame({address, Info()})}));
  peer.Expect(PeerFrame({address, {0xFF}}));
  peer.Expect({0x0A, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x53, 0x92},
              PeerJoin({PeerFrame({address, {0xAC}}), PeerFrame({address, PeerBytes(380, 0)})}));
  peer.Expect(PeerFrame({address, {0xFF}}));
  page.Start();
  EXPECT_TRUE(peer.done()) << peer.mismatch();
  EXPECT_EQ(
      page.Rows(),
      (std::vector<Row>{{"Версия ПО", "2.500"}, {"Кабелей", "1 / 30"}, {"Рефлектограмм", "6"}}));
  EXPECT_FALSE(link.context().facts.version.has_value());
  page.ClearBuffers();
  EXPECT_TRUE(page.Rows().empty());
  EXPECT_EQ(page.model().cable_count(), 0);
}

TEST(FamilyInfoPage, Kind14ShowsVersionCablesPairsAndTypes) {
  testing::ScriptedPeer peer;
  testing::PeerLink link(peer, 14, "123456");
  const PeerBytes address = PeerAddress(14, "123456");
  FamilyInfoPage page(link.context(), std::make_shared<FamilyModel>(kFamily233));
  EXPECT_EQ(page.id(), PageId::kDbInfo14);
  // 0x0E + 0x135 + 0x00 = 0x143; code 1: 0x144.
  peer.Expect({0x0E, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x00, 0x43},
              PeerJoin({PeerFrame({address, {0xFF}}), PeerFrame({address, Info()})}));
  peer.Expect(PeerFrame({address, {0xFF}}));
  peer.Expect({0x0E, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x01, 0x44},
              PeerJoin({PeerFrame({address, {0xFE}}), PeerFrame({address, PeerBytes(233, 0)})}));
  peer.Expect(PeerFrame({address, {0xFF}}));
  page.Start();
  EXPECT_TRUE(peer.done()) << peer.mismatch();
  EXPECT_EQ(page.Rows(), (std::vector<Row>{{"Версия ПО", "2.500"},
                                           {"Кабелей", "1 / 30"},
                                           {"Пар плановых измерений", "250"},
                                           {"Типов кабелей", "4"}}));
  EXPECT_FALSE(link.context().facts.version.has_value());
}

TEST(FamilyInfoPage, Kind10FromTheSimulator) {
  testing::SimSession sim(
      10, {"--cables", "4", "--max-cables", "60", "--reflectograms", "3", "--firmware", "3.1"});
  ASSERT_TRUE(sim.opened());
  FamilyInfoPage page(sim.context(), std::make_shared<FamilyModel>(kFamily343));
  page.Start();
  EXPECT_EQ(
      page.Rows(),
      (std::vector<Row>{{"Версия ПО", "3.100"}, {"Кабелей", "4 / 60"}, {"Рефлектограмм", "3"}}));
  EXPECT_EQ(page.model().cable_count(), 4);
  EXPECT_TRUE(sim.screen().MessageLines().empty());
}

TEST(FamilyInfoPage, Kind14FromTheSimulator) {
  testing::SimSession sim(14, {"--cables", "2"});
  ASSERT_TRUE(sim.opened());
  FamilyInfoPage page(sim.context(), std::make_shared<FamilyModel>(kFamily233));
  page.Start();
  EXPECT_EQ(page.Rows(), (std::vector<Row>{{"Версия ПО", "8.000"},
                                           {"Кабелей", "2 / 50"},
                                           {"Пар плановых измерений", "30"},
                                           {"Типов кабелей", "5"}}));
  EXPECT_EQ(page.model().name(1), "Магистраль 2");
}

}  // namespace
}  // namespace telvane
