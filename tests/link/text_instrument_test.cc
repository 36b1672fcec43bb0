// The text-protocol instrument: the record parser on hand-written texts, and
// the whole attempt against telvane-sim --kind 255 on pseudo-terminals.
#include "link/text_instrument.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/values.h"
#include "support/scripted_screen.h"
#include "support/sim_process.h"

namespace telvane {
namespace {

using testing::ScriptedScreen;
using testing::SimPortDir;
using testing::SimProcess;

float FloatAt(const TextRecord& r, int field) { return LoadLeFloat(&r[2 + 4 * field]); }

TEST(TextRecordTest, FieldsMarkersAndUnits) {
  const TextRecord r = ParseTextRecord("7,12,40.5,;>2000,;NaN;10.5,Mm,;>30000,Km,;7,Km,;");
  // Integers as bytes, then 40.5f = 0x42220000 little-endian.
  EXPECT_EQ(r[0], 7);
  EXPECT_EQ(r[1], 12);
  EXPECT_EQ(std::vector<uint8_t>(r.begin() + 2, r.begin() + 6),
            std::vector<uint8_t>({0x00, 0x00, 0x22, 0x42}));
  EXPECT_EQ(FloatAt(r, 1), 2100.0f);
  EXPECT_EQ(FloatAt(r, 2), -2850000128.0f);
  EXPECT_EQ(FloatAt(r, 3), 10500.0f);  // mega-ohms to kilo-ohms
  EXPECT_EQ(FloatAt(r, 4), 31000000.0f);
  EXPECT_EQ(FloatAt(r, 5), 7.0f);  // "Km" kept
}

TEST(TextRecordTest, FieldsWithoutCommaGiveZeroAndMissingFieldsToo) {
  const TextRecord r = ParseTextRecord("1,2,12;NOT_MEAS;3.5,;8,Gm,;");
  EXPECT_EQ(FloatAt(r, 0), 0.0f);
  EXPECT_EQ(FloatAt(r, 1), -2850000128.0f);
  EXPECT_EQ(FloatAt(r, 2), 3.5f);
  EXPECT_EQ(FloatAt(r, 3), 8.0f);  // an unknown unit keeps the number
  EXPECT_EQ(FloatAt(r, 4), 0.0f);
  EXPECT_EQ(FloatAt(r, 5), 0.0f);
}

TEST(TextRecordTest, BodySplitting) {
  const std::string body =
      "noise X before\r\n"
      "Y#1,1,1,;2,;3,;4,Km,;5,Km,;6,Km,;X\r\n"
      "Y 2,3,9,;9,;9,;9,Km,;9,Km,;9,Km,;X"
      "Y 3,3,8,;8,;8,;8,Km,;8,Km,;8,Km,;";  // no closing X: ends the parsing
  const std::vector<TextRecord> records = ParseTextRecords(body);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0][0], 1);
  EXPECT_EQ(FloatAt(records[0], 5), 6.0f);
  EXPECT_EQ(records[1][1], 3);
  EXPECT_EQ(ParseTextRecords(body, 1).size(), 1u);  // records beyond the model are dropped
}

TEST(TextRecordTest, LongRecordTextIsCut) {
  // The sixth field's number lies beyond 255 characters and is lost.
  std::string text = "1,1,1,;1,;1,;1,Km,;1,Km,;" + std::string(240, ' ') + "5,Km,;";
  const std::vector<TextRecord> records = ParseTextRecords("Y " + text + "X");
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(FloatAt(records[0], 4), 1.0f);
  EXPECT_EQ(FloatAt(records[0], 5), 0.0f);
}

class TextInstrumentTest : public ::testing::Test {
 protected:
  void Sim(int com, std::vector<std::string> more = {}) {
    std::vector<std::string> args = {"--kind", "255"};
    args.insert(args.end(), more.begin(), more.end());
    sims_.push_back(std::make_unique<SimProcess>(ports_.path(), com, args));
    ASSERT_TRUE(sims_.back()->ready());
  }

  SimPortDir ports_;
  ScriptedScreen screen_;
  Link link_{screen_};
  std::vector<std::unique_ptr<SimProcess>> sims_;
};

TEST_F(TextInstrumentTest, AnswersAndDeliversItsRecords) {
  Sim(1);
  std::vector<std::string> receiving;
  ASSERT_TRUE(TryTextInstrument(link_, [&](const std::string& name, const std::string& speed) {
    receiving.push_back(name + " | " + speed);
  }));
  EXPECT_EQ(link_.info().kind, 255);
  EXPECT_EQ(link_.info().SerialText(), "------");
  EXPECT_EQ(link_.info().name, "КВР-ПРО 9.31");
  EXPECT_TRUE(link_.info().session);
  EXPECT_EQ(link_.baud(), 19200u);  // IrDA_BR 2
  EXPECT_TRUE(link_.irda_adapter());
  EXPECT_EQ(receiving, std::vector<std::string>{"КВР-ПРО 9.31. Прием данных... | 19200 бит/сек"});
  EXPECT_FALSE(screen_.progress_visible());
  EXPECT_EQ(screen_.progress_positions().back(), 100);
  EXPECT_TRUE(screen_.shown().empty());
  EXPECT_FALSE(link_.port().is_open());

  const InitialData& got = link_.initial();
  EXPECT_EQ(got.text_port, "COM1");
  const std::string reply(got.text_reply.begin(), got.text_reply.end());
  EXPECT_EQ(reply.substr(0, 12), "QVR 00009.31");
  EXPECT_EQ(reply.substr(reply.size() - 7), "#close#");
  ASSERT_EQ(got.text_records.size(), 12u);
  // The simulator's first record: "Y 1,1,40.0,;41.25,;42,;10.5,Mm,;2000,Km,;3,Mm,;X".
  const TextRecord& first = got.text_records[0];
  EXPECT_EQ(first[0], 1);
  EXPECT_EQ(first[1], 1);
  EXPECT_EQ(FloatAt(first, 0), 40.0f);
  EXPECT_EQ(FloatAt(first, 1), 41.25f);
  EXPECT_EQ(FloatAt(first, 3), 10500.0f);
  EXPECT_EQ(FloatAt(first, 5), 3000.0f);
  // The fourth carries the markers.
  EXPECT_EQ(FloatAt(got.text_records[3], 0), -2850000128.0f);
  EXPECT_EQ(FloatAt(got.text_records[3], 1), 2100.0f);
  EXPECT_EQ(FloatAt(got.text_records[3], 3), 31000000.0f);
}

TEST_F(TextInstrumentTest, HeaderWithoutTrailerFailsAndTheNextPortIsTried) {
  Sim(1, {"--fault", "no-trailer"});
  Sim(2);
  ASSERT_TRUE(TryTextInstrument(link_));
  EXPECT_EQ(link_.initial().text_port, "COM2");
  EXPECT_TRUE(screen_.shown().empty());
}

TEST_F(TextInstrumentTest, ReplyIsCutAt139119BytesAndJudgedByItsLastBytes) {
  // COM1 sends 139130 bytes: cut, its last 7 are padding, not the trailer.
  // COM2 sends exactly 139119 bytes ending with the trailer.
  Sim(1, {"--text-size", "139130"});
  Sim(2, {"--text-size", "139119"});
  ASSERT_TRUE(TryTextInstrument(link_));
  EXPECT_EQ(link_.initial().text_port, "COM2");
  EXPECT_EQ(link_.initial().text_reply.size(), 139119u);
  EXPECT_EQ(link_.initial().text_records.size(), 12u);
}

TEST_F(TextInstrumentTest, WrongHeaderOrNothingAnsweringFails) {
  Sim(1, {"--fault", "echo"});  // the echo "Is it QVR?" fails at its first byte
  EXPECT_FALSE(TryTextInstrument(link_));
  EXPECT_EQ(link_.info().kind, 0);
  EXPECT_FALSE(link_.info().session);
  EXPECT_FALSE(screen_.progress_visible());
  EXPECT_TRUE(screen_.shown().empty());
}

}  // namespace
}  // namespace telvane
