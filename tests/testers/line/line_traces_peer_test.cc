// The line tester's reflectogram page on the in-process scripted peer: the
// count from the information record, command 0x07 and its 177-byte records
// confirmed with the fixed code 1 (0xFE on the wire), the cursor and panel,
// and the trace files written from a received trace.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

#include "support/peer_link.h"
#include "support/scripted_peer.h"
#include "support/temp_dir.h"
#include "testers/line/line_peer.h"
#include "testers/line/line_traces_page.h"

namespace telvane {
namespace {

using testing::PeerAddress;
using testing::PeerBytes;
using testing::PeerFrame;

const PeerBytes kAddress = PeerAddress(17, "654321");

PeerBytes Command(uint8_t code) { return PeerFrame({kAddress, {code}}); }
PeerBytes Confirm(uint8_t byte) { return PeerFrame({kAddress, {byte}}); }

PeerBytes Info(float version, uint16_t traces) {
  PeerBytes b(104, 0);
  b[80] = static_cast<uint8_t>(traces);
  b[81] = static_cast<uint8_t>(traces >> 8);
  std::memcpy(&b[88], &version, 4);
  return b;
}

// A reflectogram as the instrument sends it: name, date 05.12.26, pulse 500
// ns, range 1000 m, stretch 2, gain 30 dB, cursors 4 and 90, samples i % 64,
// then k.
PeerBytes Trace(const char* name, float k) {
  PeerBytes b(177, 0);
  std::memcpy(b.data(), name, std::strlen(name));
  b[17] = 26;
  b[18] = 12;
  b[19] = 5;
  b[20] = 0xF4;  // 500
  b[21] = 0x01;
  b[24] = 0xE8;  // 1000
  b[25] = 0x03;
  b[26] = 2;
  b[28] = 16;
  b[30] = 30;
  b[32] = 4;
  b[34] = 90;
  for (int i = 0; i < 128; ++i) b[45 + i] = static_cast<uint8_t>(i % 64);
  std::memcpy(&b[173], &k, 4);
  return b;
}

class LineTracesPeerTest : public ::testing::Test {
 protected:
  void ExpectReceive(uint8_t code, const std::vector<PeerBytes>& records) {
    testing::ExpectLineReceive(peer_, kAddress, code, records);
  }

  testing::ScriptedPeer peer_;
  testing::PeerLink link_{peer_, 17, "654321"};
  std::shared_ptr<LineTesterState> state_ = std::make_shared<LineTesterState>();
  LineTracesPage page_{link_.context(), state_};
  testing::ScriptedScreen& screen_ = link_.screen();
};

TEST_F(LineTracesPeerTest, InformationThenEveryCountedTraceWithGoldenFrames) {
  ExpectReceive(0x00, {Info(3.2f, 2)});
  ExpectReceive(0x07, {Trace("Pair 1", 1.5f), Trace("Pair 2", 1.6f)});
  ASSERT_TRUE(page_.Receive());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_EQ(page_.Lines(), (std::vector<std::string>{"РФГ №01  Pair 1", "РФГ №02  Pair 2"}));
  EXPECT_EQ(page_.selected(), 0);
  page_.Select(1);
  page_.Select(2);  // outside: ignored
  EXPECT_EQ(page_.selected(), 1);
  EXPECT_EQ(page_.Panel(),
            (std::vector<std::pair<std::string, std::string>>{{"Имя", "Pair 2"},
                                                              {"Дата", "05.12.26"},
                                                              {"Импульс, нс", "500"},
                                                              {"Диапазон, м", "1000"},
                                                              {"Растяжка", "2"},
                                                              {"Усреднение", "16"},
                                                              {"Усиление, дБ", "30"},
                                                              {"К.У.", "1.600"}}));
  const std::vector<PlotTrace> plot = page_.PlotTraces();
  ASSERT_EQ(plot.size(), 1u);
  ASSERT_EQ(plot[0].amplitude.size(), 128u);
  EXPECT_EQ(plot[0].amplitude[1], 62.0);  // 63 - sample
  EXPECT_EQ(plot[0].cursor2, 90);
  // 1000 m over 2 × 128 samples.
  EXPECT_NEAR(plot[0].scale.MetresPerSample(), 1000.0 / 256, 1e-9);

  // The information record is not asked for again within the session.
  ExpectReceive(0x07, {Trace("Pair 3", 1.5f), Trace("Pair 4", 1.5f)});
  ASSERT_TRUE(page_.Receive());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_EQ(page_.selected(), 0);
  EXPECT_EQ(page_.Lines()[1], "РФГ №02  Pair 4");
}

TEST_F(LineTracesPeerTest, NoTracesSendsNoCommandAndAFailureKeepsTheTracesHeld) {
  ExpectReceive(0x00, {Info(2.0f, 0)});
  ASSERT_TRUE(page_.Receive());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_TRUE(page_.traces().empty());

  state_->info->reflectograms = 1;
  ExpectReceive(0x07, {Trace("A", 1.5f)});
  ASSERT_TRUE(page_.Receive());
  state_->info->reflectograms = 2;
  // The second record never comes.
  PeerBytes reply = Confirm(static_cast<uint8_t>(~0x07));
  const PeerBytes first = PeerFrame({kAddress, Trace("B", 1.5f)});
  reply.insert(reply.end(), first.begin(), first.end());
  peer_.Expect(Command(0x07), reply);
  peer_.Expect(Confirm(0xFE));
  screen_.Answer(Answer::kNo, "Повторить");
  EXPECT_FALSE(page_.Receive());
  EXPECT_TRUE(screen_.HasMessage("Ошибка при приеме записи"));
  ASSERT_EQ(page_.traces().size(), 1u);
  EXPECT_EQ(page_.Lines()[0], "РФГ №01  A");
}

TEST_F(LineTracesPeerTest, SamplesBeyond63AndAnUnusableKAreMended) {
  PeerBytes bad = Trace("", std::numeric_limits<float>::quiet_NaN());
  bad[45] = 200;
  bad[46] = 64;
  state_->info = LineInfo{};
  state_->info->reflectograms = 1;
  ExpectReceive(0x07, {bad});
  ASSERT_TRUE(page_.Receive());
  const LineTrace& trace = page_.traces()[0];
  EXPECT_EQ(trace.record.sample(0), 63);
  EXPECT_EQ(trace.record.sample(1), 63);
  EXPECT_EQ(trace.record.sample(2), 2);
  EXPECT_EQ(trace.UsableK(), 1.0);
  EXPECT_EQ(page_.Lines()[0], "РФГ №01");
  EXPECT_EQ(page_.Panel().back().second, "1.000");
}

TEST_F(LineTracesPeerTest, SavedAsRfgWvAndTdrFiles) {
  state_->info = LineInfo{};
  state_->info->reflectograms = 1;
  const PeerBytes wire = Trace("Pair 1", 1.5f);
  ExpectReceive(0x07, {wire});
  ASSERT_TRUE(page_.Receive());
  testing::TempDir dir;

  // RFG 1.1: version, compact cable block with k at 16, the record as sent.
  screen_.ChooseFile(dir.File("a.rfg"));
  ASSERT_TRUE(page_.Save());
  const auto rfg = testing::ReadAll(dir.File("a.rfg"));
  ASSERT_EQ(rfg.size(), 520u);
  float version = 0, k = 0;
  std::memcpy(&version, rfg.data(), 4);
  std::memcpy(&k, rfg.data() + 4 + 16, 4);
  EXPECT_EQ(version, 1.1f);
  EXPECT_EQ(rfg[4 + 2], 1);  // one section
  EXPECT_EQ(k, 1.5f);
  EXPECT_TRUE(std::equal(wire.begin(), wire.begin() + 173, rfg.begin() + 4 + 343));

  // TDR: each sample s as 252 - 4s after the 144-byte header.
  screen_.ChooseFile(dir.File("a.tdr"), 3);
  ASSERT_TRUE(page_.Save());
  const auto tdr = testing::ReadAll(dir.File("a.tdr"));
  ASSERT_EQ(tdr.size(), 144u + 128u);
  EXPECT_EQ(tdr[144], 252);
  EXPECT_EQ(tdr[144 + 5], 252 - 20);
  EXPECT_EQ(tdr[28] | tdr[29] << 8, 500);  // k × 1000 − 1000

  // WV of the older page: 10 at its start, 128 samples.
  screen_.ChooseFile(dir.File("a.wv"), 2);
  ASSERT_TRUE(page_.Save());
  const auto wv = testing::ReadAll(dir.File("a.wv"));
  ASSERT_GT(wv.size(), 123u + 256u);
  EXPECT_EQ(wv[0], 10);
  EXPECT_EQ(wv[121] | wv[122] << 8, 128);
  EXPECT_EQ(wv[123] | wv[124] << 8, 0x3F00);

  // Any other extension writes nothing.
  screen_.ChooseFile(dir.File("a.txt"));
  EXPECT_FALSE(page_.Save());
  ASSERT_FALSE(screen_.messages().empty());
  EXPECT_EQ(screen_.messages().back().caption, "Неизвестный формат!");
  EXPECT_FALSE(std::filesystem::exists(dir.File("a.txt")));
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
}

TEST_F(LineTracesPeerTest, SaveWithoutTracesAsksNothing) {
  EXPECT_FALSE(page_.Save());
  EXPECT_EQ(screen_.MessageLines(), (std::vector<std::string>{"Telvane: Нет выделенных записей"}));
  EXPECT_TRUE(peer_.written().empty());
}

}  // namespace
}  // namespace telvane
