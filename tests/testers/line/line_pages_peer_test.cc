// The line tester's pages on the in-process scripted peer: the information
// record (0x00), the frequency list (0x05/0x06), the records of each kind
// (0x09 then 0x0A for the modem records), delete all (0x1E); every received
// record is confirmed with the fixed code 1 (0xFE on the wire).
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "support/peer_link.h"
#include "support/scripted_peer.h"
#include "support/temp_dir.h"
#include "testers/line/frequency_list_page.h"
#include "testers/line/line_info_page.h"
#include "testers/line/line_peer.h"
#include "testers/line/line_records_page.h"

namespace telvane {
namespace {

using testing::PeerAddress;
using testing::PeerBytes;
using testing::PeerFrame;
using testing::PeerJoin;

const PeerBytes kAddress = PeerAddress(17, "654321");

PeerBytes Command(uint8_t code) { return PeerFrame({kAddress, {code}}); }
PeerBytes Confirm(uint8_t byte) { return PeerFrame({kAddress, {byte}}); }
PeerBytes Reply(uint8_t code) { return Confirm(static_cast<uint8_t>(~code)); }

// Version, and the counts of the seven kinds at 72 … 84.
PeerBytes Info(float version, std::array<uint16_t, 7> counts) {
  PeerBytes b(104, 0);
  for (int i = 0; i < 7; ++i) {
    b[72 + 2 * i] = static_cast<uint8_t>(counts[i]);
    b[73 + 2 * i] = static_cast<uint8_t>(counts[i] >> 8);
  }
  std::memcpy(&b[88], &version, 4);
  return b;
}

class LinePagesPeerTest : public ::testing::Test {
 protected:
  void ExpectReceive(uint8_t code, const std::vector<PeerBytes>& records) {
    testing::ExpectLineReceive(peer_, kAddress, code, records);
  }

  testing::ScriptedPeer peer_;
  testing::PeerLink link_{peer_, 17, "654321"};
  std::shared_ptr<LineTesterState> state_ = std::make_shared<LineTesterState>();
  LineInfoPage info_{link_.context(), state_};
  LineRecordsPage records_{link_.context(), state_};
  FrequencyListPage list_{link_.context(), state_};
  testing::ScriptedScreen& screen_ = link_.screen();
};

PeerBytes ListRecord(std::vector<uint16_t> codes, uint16_t count) {
  PeerBytes b(260, 0);
  b[0] = static_cast<uint8_t>(count);
  b[1] = static_cast<uint8_t>(count >> 8);
  for (size_t i = 0; i < codes.size() && i < 129; ++i) {
    b[2 + 2 * i] = static_cast<uint8_t>(codes[i]);
    b[3 + 2 * i] = static_cast<uint8_t>(codes[i] >> 8);
  }
  return b;
}

TEST_F(LinePagesPeerTest, FirstTransferReadsTheVersionThenTheList) {
  ExpectReceive(0x00, {Info(3.5f, {1, 2, 3, 4, 5, 6, 3})});
  ExpectReceive(0x05, {ListRecord({0, 224, 992}, 3)});
  list_.Start();
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_EQ(link_.context().facts.version, 3.5f);
  EXPECT_EQ(list_.Lines(), (std::vector<std::string>{"32", "256", "4096"}));
  // The information page shows what was just received, without asking again.
  info_.Start();
  EXPECT_EQ(info_.Rows()[0].second, "3.500");
  EXPECT_EQ(info_.Rows()[7].second, "3");
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
}

TEST_F(LinePagesPeerTest, ListEditedAndSentBack) {
  ExpectReceive(0x05, {ListRecord({0, 224}, 2)});
  ASSERT_TRUE(list_.Receive());
  EXPECT_TRUE(list_.Add(258));
  EXPECT_FALSE(list_.Add(257));  // not on the grid
  EXPECT_FALSE(list_.Add(256));  // already there
  EXPECT_TRUE(list_.Remove(32));
  peer_.Expect(Command(0x06), Reply(0x06));
  peer_.Expect(PeerFrame({kAddress, ListRecord({224, 225}, 2)}), Confirm(0xFE));
  EXPECT_TRUE(list_.Send());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_TRUE(screen_.MessageLines().empty());
}

TEST_F(LinePagesPeerTest, OverlongListIsCutAndA130thIsRefused) {
  std::vector<uint16_t> codes;
  for (uint16_t c = 0; c < 129; ++c) codes.push_back(c);
  ExpectReceive(0x05, {ListRecord(codes, 500)});
  ASSERT_TRUE(list_.Receive());
  EXPECT_EQ(list_.list().codes.size(), 129u);
  ASSERT_EQ(screen_.messages().size(), 1u);
  EXPECT_EQ(screen_.messages()[0].caption, "Предупреждение");
  EXPECT_FALSE(list_.Add(4096));
  EXPECT_EQ(list_.list().codes.size(), 129u);
  EXPECT_EQ(screen_.messages().size(), 2u);
}

TEST_F(LinePagesPeerTest, SendNotConfirmedFails) {
  peer_.Expect(Command(0x06), Reply(0x06));
  peer_.Expect(PeerFrame({kAddress, ListRecord({}, 0)}), Confirm(0x01));
  EXPECT_FALSE(list_.Send());
  EXPECT_TRUE(screen_.HasMessage("Ошибка при отправке записи"));
}

TEST_F(LinePagesPeerTest, SpectrumRecordsBefore15Are138Bytes) {
  ExpectReceive(0x00, {Info(1.499f, {0, 0, 0, 2, 0, 0, 0})});
  PeerBytes a(138, 0), b(138, 0);
  a[1] = 2;     // 8000 to 1024000 Hz
  a[2] = 0x40;  // step 8000 Hz
  a[3] = 0x1F;
  a[10] = 0xF6;  // -10 dB
  b[1] = 0;
  ExpectReceive(0x02, {a, b});
  ASSERT_TRUE(records_.Receive(1));
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_EQ(records_.record_count(), 2u);
  const std::string text = records_.Text();
  EXPECT_EQ(text.rfind("Запись № 01\r\n0008 кГц,\t\t -10 дБ \r\n0016 кГц,\t\t   0 дБ \r\n", 0), 0u);
  EXPECT_NE(text.find("Запись № 02\r\n0032 кГц,"), std::string::npos);
}

TEST_F(LinePagesPeerTest, ModemRecordsAreCountedBy09) {
  ExpectReceive(0x00, {Info(2.0f, {0, 0, 0, 0, 0, 0, 0})});
  ExpectReceive(0x09, {{1, 0}});
  PeerBytes modem(290, 0);
  modem[5] = 0x40;  // 8000 kbit/s
  modem[6] = 0x1F;
  std::memcpy(&modem[25], "G.DMT", 5);
  ExpectReceive(0x0A, {modem});
  ASSERT_TRUE(records_.Receive(5));
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_NE(records_.Text().find("Режим: G.DMT\r\nСкорость к абоненту: 8000 кбит/с\r\n"),
            std::string::npos);

  testing::TempDir dir;
  const std::string path = dir.path().string() + "/r.xls";
  screen_.ChooseFile(path, 1);
  EXPECT_TRUE(records_.SaveReport());
}

TEST_F(LinePagesPeerTest, ZeroCountReceivesNothingAndAChoiceOutsideIsRefused) {
  ExpectReceive(0x00, {Info(2.0f, {0, 0, 0, 0, 0, 0, 0})});
  ASSERT_TRUE(records_.Receive(0));
  EXPECT_EQ(records_.record_count(), 0u);
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_FALSE(records_.Receive(6));
  EXPECT_FALSE(records_.Receive(-1));
  EXPECT_EQ(screen_.MessageLines(),
            (std::vector<std::string>{"Ошибка!!!: Обратитесь к разработчикам",
                                      "Ошибка!!!: Обратитесь к разработчикам"}));
}

TEST_F(LinePagesPeerTest, AFailedRecordKeepsTheRecordsHeld) {
  ExpectReceive(0x00, {Info(2.0f, {1, 0, 0, 0, 0, 0, 0})});
  ExpectReceive(0x01, {{225, 0, 0xD6}});
  ASSERT_TRUE(records_.Receive(0));
  peer_.Expect(Command(0x01), Confirm(0x01));  // wrong command confirmation
  EXPECT_FALSE(records_.Receive(0));
  EXPECT_EQ(records_.record_count(), 1u);
  EXPECT_EQ(records_.Points(0)[0].level, -42);
  EXPECT_TRUE(screen_.HasMessage("Ошибка выполнения команды"));
}

TEST_F(LinePagesPeerTest, DeleteAllAsksFirst) {
  link_.info().name = "Керван";
  screen_.Answer(Answer::kNo, "УДАЛЕНЫ");
  EXPECT_FALSE(info_.DeleteAll());
  EXPECT_TRUE(peer_.written().empty());
  ASSERT_EQ(screen_.shown().size(), 1u);
  EXPECT_EQ(screen_.shown()[0].caption, "Керван");
  EXPECT_EQ(screen_.shown()[0].icon, Icon::kWarning);
  EXPECT_EQ(screen_.shown()[0].text,
            "ВНИМАНИЕ!!!\r\nДанные по всем измерениям будут УДАЛЕНЫ с памяти прибора!\r\n"
            "Продолжить?");

  screen_.Answer(Answer::kYes, "УДАЛЕНЫ");
  peer_.Expect(Command(0x1E), Reply(0x1E));
  ExpectReceive(0x00, {Info(2.0f, {0, 0, 0, 0, 0, 0, 0})});
  EXPECT_TRUE(info_.DeleteAll());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_EQ(info_.Rows()[1].second, "0");
}

}  // namespace
}  // namespace telvane
