// The E1 results page with the tester played in-process: golden frames of
// commands 2, 0x64 and 0x65, the number of files chosen by the information
// value, record counts bounded to what the numbering can reach, and a failure
// that keeps the files received before it.
#include <gtest/gtest.h>

#include "base/values.h"
#include "support/peer_link.h"
#include "testers/e1/e1_results_page.h"
#include "testers/numbered_peer.h"

namespace telvane {
namespace {

using testing::ExpectInfo;
using testing::ExpectNumbered;
using testing::PeerAddress;
using testing::PeerBytes;
using testing::PeerLink;
using testing::ScriptedPeer;

const PeerBytes kAddress = PeerAddress(19, "123456");

PeerBytes Info(uint32_t value) {
  PeerBytes info(12, 0);
  StoreLe32(value, &info[8]);
  return info;
}

// A 512-byte header: byte 32 `measured`, the count at 72, start 09.12.2026
// 10:00:00, interval code 0.
PeerBytes Header(uint8_t measured, int32_t count) {
  PeerBytes h(512, 0);
  h[32] = measured;
  StoreLe32(static_cast<uint32_t>(count), &h[72]);
  h[176] = 9;
  h[177] = 12;
  h[178] = 26;
  h[179] = 10;
  return h;
}

// A 512-byte record slot whose first 328 bytes are a record of `minutes`
// elapsed minutes and `code` CODE errors; the rest is filler the page drops.
PeerBytes Record(uint32_t minutes, uint32_t code) {
  PeerBytes r(512, 0xEE);
  std::fill(r.begin(), r.begin() + 328, 0);
  StoreLe32(code, &r[16]);
  StoreLe32(minutes * 60, &r[320]);
  return r;
}

class E1PagePeerTest : public ::testing::Test {
 protected:
  void ExpectEmptyFiles(int from, int to) {
    for (int i = from; i <= to; ++i) ExpectNumbered(peer_, kAddress, 1000u * i, Header(0, 0));
  }

  ScriptedPeer peer_;
  PeerLink link_{peer_, 19, "123456"};
  E1ResultsPage page_{link_.context()};
};

TEST_F(E1PagePeerTest, InformationBelow135GivesThreeFilesWithTheirRecords) {
  ExpectInfo(peer_, kAddress, Info(134));
  ExpectNumbered(peer_, kAddress, 1000, Header(1, 2));
  ExpectNumbered(peer_, kAddress, 1001, Record(1, 10));
  ExpectNumbered(peer_, kAddress, 1002, Record(2, 30));
  ExpectNumbered(peer_, kAddress, 2000, Header(1, 0));
  ExpectNumbered(peer_, kAddress, 3000, Header(0, 5));
  // File 3 holds no measurement but counts 5 records: they are read.
  for (uint32_t j = 0; j < 5; ++j) ExpectNumbered(peer_, kAddress, 3001 + j, Record(j, 0));
  ASSERT_TRUE(page_.Receive()) << peer_.mismatch();
  ASSERT_TRUE(peer_.done()) << peer_.mismatch();
  const E1Document& d = page_.document();
  EXPECT_EQ(d.ListLines(),
            (std::vector<std::string>{"Файл  1", "Файл  2  (пуст)", "Файл  3  (пуст)"}));
  ASSERT_EQ(d.selected(), 0);
  EXPECT_EQ(d.selected_file()->records.size(), 2u);
  EXPECT_EQ(d.selected_file()->records[1].bytes()[327], 0);
  EXPECT_EQ(d.RecordStamps(),
            (std::vector<std::string>{"09.12.2026   10:01", "09.12.2026   10:02"}));
  page_.SelectRecord(1);
  const auto results = d.IntervalResults();
  ASSERT_FALSE(results.empty());
  EXPECT_EQ(results[0].rows[0].name, "CODE");
  EXPECT_EQ(results[0].rows[0].count, 20u);
  EXPECT_TRUE(link_.screen().MessageLines().empty());
}

TEST_F(E1PagePeerTest, InformationOf135GivesThirtyNineFiles) {
  ExpectInfo(peer_, kAddress, Info(135));
  ExpectEmptyFiles(1, 39);
  ASSERT_TRUE(page_.Receive()) << peer_.mismatch();
  ASSERT_TRUE(peer_.done()) << peer_.mismatch();
  ASSERT_EQ(page_.document().file_count(), 39);
  EXPECT_EQ(page_.document().ListLines()[38], "Файл  39  (пуст)");
}

TEST_F(E1PagePeerTest, CountsBeyondTheNumberingAreLimitedWithAWarning) {
  ExpectInfo(peer_, kAddress, Info(10));
  ExpectNumbered(peer_, kAddress, 1000, Header(1, -4));
  ExpectNumbered(peer_, kAddress, 2000, Header(1, 1000));
  for (uint32_t j = 0; j < 999; ++j) ExpectNumbered(peer_, kAddress, 2001 + j, Record(j, j));
  ExpectNumbered(peer_, kAddress, 3000, Header(0, 0));
  ASSERT_TRUE(page_.Receive()) << peer_.mismatch();
  ASSERT_TRUE(peer_.done()) << peer_.mismatch();
  const std::string warning =
      "Предупреждение: Потеря данных.\r\nКоличество записей больше возможного.";
  EXPECT_EQ(link_.screen().MessageLines(), (std::vector<std::string>{warning, warning}));
  EXPECT_EQ(page_.document().files()[0].records.size(), 0u);
  EXPECT_EQ(page_.document().files()[1].records.size(), 999u);
}

TEST_F(E1PagePeerTest, FailedRecordEndsTheTransferAndKeepsTheFilesBefore) {
  ExpectInfo(peer_, kAddress, Info(0));
  ExpectNumbered(peer_, kAddress, 1000, Header(1, 1));
  ExpectNumbered(peer_, kAddress, 1001, Record(1, 1));
  ExpectNumbered(peer_, kAddress, 2000, Header(1, 2));
  // Record 2001: the tester confirms the command, then stays silent.
  peer_.Expect(testing::PeerFrame({kAddress, {0x64}}), {});
  EXPECT_FALSE(page_.Receive());
  EXPECT_EQ(page_.document().ListLines(), std::vector<std::string>{"Файл  1"});
  const auto lines = link_.screen().MessageLines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back(), "Ошибка: Ошибка выполнения команды");
}

}  // namespace
}  // namespace telvane
