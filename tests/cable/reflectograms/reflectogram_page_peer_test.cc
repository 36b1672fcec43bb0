// The reflectogram pages with the instrument played in-process: every frame
// the page writes is compared byte for byte with golden frames of a kind 10
// or kind 11 reflectometer, serial "123456".
#include <gtest/gtest.h>

#include "cable/reflectograms/reflectogram_page.h"
#include "support/peer_link.h"
#include "support/scripted_peer.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

using testing::PeerAddress;
using testing::PeerBytes;
using testing::PeerFrame;
using testing::PeerJoin;
using testing::PeerLink;
using testing::ScriptedPeer;

// A compact record as the instrument sends it: "Муфта" (CP1251), 09.12.26,
// the setting indices TDRimp 3 (100 ns), TDRoffset 0, TDRdiap 4 (1000 m),
// TDRrast 1 (2), TDRmiddl 8, TDRdB 5 (30 dB), cursors 10 and 90, then zeros,
// and the 128 samples i % 64.
PeerBytes CompactTrace() {
  PeerBytes b(173, 0);
  const PeerBytes name = {0xCC, 0xF3, 0xF4, 0xF2, 0xE0};
  std::copy(name.begin(), name.end(), b.begin());
  b[17] = 26;
  b[18] = 12;
  b[19] = 9;
  b[20] = 3;
  b[24] = 4;
  b[26] = 1;
  b[28] = 8;
  b[30] = 5;
  b[32] = 10;
  b[34] = 90;
  for (int i = 0; i < 128; ++i) b[45 + static_cast<size_t>(i)] = static_cast<uint8_t>(i % 64);
  return b;
}

// An extended record of the 201-byte length (firmware 8.007 to 8.025): the
// name "Кабель 1" (CP1251) at 0, 01.02.25 at 41, TDRimp 4 (100 ns) at 44, the 128
// samples 63 - i % 64 at 69 and the coordination 75.0 at 197.
PeerBytes ExtendedTrace201() {
  PeerBytes b(201, 0);
  const PeerBytes name = {0xCA, 0xE0, 0xE1, 0xE5, 0xEB, 0xFC, ' ', '1'};
  std::copy(name.begin(), name.end(), b.begin());
  b[41] = 25;
  b[42] = 2;
  b[43] = 1;
  b[44] = 4;
  for (int i = 0; i < 128; ++i) b[69 + static_cast<size_t>(i)] = static_cast<uint8_t>(63 - i % 64);
  const PeerBytes coordination = {0x00, 0x00, 0x96, 0x42};  // 75.0f
  std::copy(coordination.begin(), coordination.end(), b.begin() + 197);
  return b;
}

class ReflectogramPagePeerTest : public ::testing::Test {
 protected:
  explicit ReflectogramPagePeerTest(uint8_t kind = 10) : link_(peer_, kind, "123456") {}

  // 0x57 (or 0x67) for `cable`/`slot`, answered with `trace`; the program
  // confirms the record with the complement of the cable index.
  void ExpectReceive(uint8_t code, uint8_t cable, uint8_t slot, const PeerBytes& trace) {
    peer_.Expect(PeerFrame({address_, {code}}), PeerFrame({address_, {uint8_t(~code)}}));
    peer_.Expect(
        PeerFrame({address_, {cable, slot, 0}}),
        PeerJoin({PeerFrame({address_, {uint8_t(~cable)}}), PeerFrame({address_, trace})}));
    peer_.Expect(PeerFrame({address_, {uint8_t(~cable)}}));
  }
  void ExpectSend(uint8_t code, uint8_t cable, uint8_t slot, const PeerBytes& trace) {
    peer_.Expect(PeerFrame({address_, {code}}), PeerFrame({address_, {uint8_t(~code)}}));
    peer_.Expect(PeerFrame({address_, {cable, slot, 0}}), PeerFrame({address_, {uint8_t(~cable)}}));
    peer_.Expect(PeerFrame({address_, trace}), PeerFrame({address_, {uint8_t(~cable)}}));
  }

  ScriptedPeer peer_;
  PeerLink link_;
  PeerBytes address_ = PeerAddress(10, "123456");
  std::shared_ptr<ReflectometerCableList> cables_ =
      std::make_shared<ReflectometerCableList>(RecordForm::kCompact);
};

TEST_F(ReflectogramPagePeerTest, ReceiveWithNothingMarkedTakesOnlyAValidCurrentSlot) {
  cables_->Add("Кабель А");
  cables_->Add("Кабель Б");
  cables_->cable(1).status[4] = 0;
  OlderReflectogramPage page(link_.context(), cables_);
  page.SelectCable(1);

  // The cursor on an empty slot: nothing goes on the wire.
  page.SetCursor(3);
  EXPECT_TRUE(page.Receive());
  EXPECT_TRUE(peer_.written().empty());
  EXPECT_FALSE(page.marked(3));

  // The cursor on the valid slot 5: that slot alone is received.
  ExpectReceive(0x57, 1, 4, CompactTrace());
  page.SetCursor(4);
  ASSERT_TRUE(page.Receive()) << peer_.mismatch();
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_TRUE(std::equal(page.record(4).bytes().begin(), page.record(4).bytes().end(),
                         CompactTrace().begin()));
  EXPECT_EQ(page.SlotLines()[4], "РФГ №05");
  const SlotPanel panel = page.Panel();
  EXPECT_EQ(panel.name, "Муфта");
  EXPECT_EQ(panel.date, "09.12.26");
  EXPECT_EQ(panel.pulse, "100");
  EXPECT_EQ(panel.range, "1000");
  EXPECT_EQ(panel.stretch, "2");
  EXPECT_EQ(panel.averaging, "8");
  EXPECT_EQ(panel.gain, "30");
  EXPECT_EQ(panel.coordination, "");
  EXPECT_TRUE(link_.screen().shown().empty());
}

TEST_F(ReflectogramPagePeerTest, ReceiveTakesMarkedValidSlotsInOrderAndDropsOtherMarks) {
  cables_->Add("К");
  cables_->cable(0).status = {0, 255, 0, 7};  // valid, empty, valid, invalid; rest 0
  for (int i = 4; i < 20; ++i) cables_->cable(0).status[static_cast<size_t>(i)] = 255;
  OlderReflectogramPage page(link_.context(), cables_);
  page.SelectCable(0);
  page.SetMarked(1, true);  // empty
  page.SetMarked(2, true);  // valid
  page.SetMarked(3, true);  // invalid
  page.SetCursor(0);        // valid, not marked: taken as well
  ExpectReceive(0x57, 0, 0, CompactTrace());
  ExpectReceive(0x57, 0, 2, CompactTrace());
  ASSERT_TRUE(page.Receive()) << peer_.mismatch();
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_FALSE(page.marked(1));
  EXPECT_FALSE(page.marked(3));
  EXPECT_EQ(page.SlotLines()[3], "Неверные данные");
}

TEST_F(ReflectogramPagePeerTest, AnInvalidSlotLosesItsMarkWhenTheListIsRebuilt) {
  cables_->Add("К");
  cables_->cable(0).status[6] = 0x11;
  OlderReflectogramPage page(link_.context(), cables_);
  page.SelectCable(0);
  page.SetMarked(6, true);
  page.SetMarked(7, true);
  cables_->cable(0).status[7] = 0;
  page.SetCursor(2);
  // The current slot is empty, so no question; the invalid slot 7 is not
  // sent, the valid marked slot 8 is.
  ExpectSend(0x58, 0, 7, PeerBytes(173, 0));
  EXPECT_TRUE(page.Send()) << peer_.mismatch();
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_FALSE(page.marked(6));
  EXPECT_TRUE(page.marked(7));
  ASSERT_EQ(page.SlotLines().size(), 20u);
  EXPECT_EQ(page.SlotLines()[6], "Неверные данные");
  EXPECT_EQ(page.SlotLines()[0], " ПУСТО");
  EXPECT_TRUE(link_.screen().shown().empty());

  // Choosing the cable again rebuilds the list with no marks at all.
  page.SetMarked(6, true);
  page.SelectCable(0);
  EXPECT_FALSE(page.marked(6));
}

TEST_F(ReflectogramPagePeerTest, SendQuestionYesNoCancel) {
  cables_->Add("К");
  cables_->cable(0).status[0] = 0;
  cables_->cable(0).status[1] = 0;
  OlderReflectogramPage page(link_.context(), cables_);
  page.SelectCable(0);
  const PeerBytes empty_trace(173, 0);

  // Cancel: nothing on the wire.
  page.SetMarked(1, true);
  page.SetCursor(0);
  link_.screen().Answer(Answer::kCancel, "Выделить текущую запись для передачи?");
  EXPECT_FALSE(page.Send());
  EXPECT_TRUE(peer_.written().empty());
  ASSERT_EQ(link_.screen().shown().size(), 1u);
  EXPECT_EQ(link_.screen().shown()[0].what, "yesnocancel");
  EXPECT_EQ(link_.screen().shown()[0].icon, Icon::kQuestion);

  // No: only the marked slot 2.
  link_.screen().Answer(Answer::kNo);
  ExpectSend(0x58, 0, 1, empty_trace);
  EXPECT_TRUE(page.Send()) << peer_.mismatch();
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_FALSE(page.marked(0));

  // Yes: the current slot is marked and sent before slot 2.
  link_.screen().Answer(Answer::kYes);
  ExpectSend(0x58, 0, 0, empty_trace);
  ExpectSend(0x58, 0, 1, empty_trace);
  EXPECT_TRUE(page.Send()) << peer_.mismatch();
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_TRUE(page.marked(0));
  EXPECT_TRUE(link_.screen().ScriptDone());
}

TEST_F(ReflectogramPagePeerTest, OlderPageReceivesTheCableParametersFirstWhenASectionFloatIsZero) {
  testing::TempDir dir;
  cables_->Add("К");
  cables_->cable(0).status[0] = 0;
  CableBlock& block = cables_->cable(0).block;
  block.set_section_count(1);
  block.set_section(0, {3, 100.0f, 50.0f, 0.0f, 1.5f});  // third float 0
  OlderReflectogramPage page(link_.context(), cables_);
  page.SelectCable(0);
  page.SetMarked(0, true);

  // 0x54 with record number {0, 0, 0}: the 343-byte block with one section
  // {2, 10.0, 20.0, 30.0, 1.25}, then the entry "Новый" and 20 statuses.
  PeerBytes record(380, 0);
  record[2] = 1;
  record[3] = 2;
  const PeerBytes floats = {0x00, 0x00, 0x20, 0x41, 0x00, 0x00, 0xA0, 0x41,
                            0x00, 0x00, 0xF0, 0x41, 0x00, 0x00, 0xA0, 0x3F};
  std::copy(floats.begin(), floats.end(), record.begin() + 4);
  const PeerBytes name = {0xCD, 0xEE, 0xE2, 0xFB, 0xE9};
  std::copy(name.begin(), name.end(), record.begin() + 343);
  for (size_t i = 0; i < 20; ++i) record[360 + i] = i == 0 ? 0 : 255;
  peer_.Expect(PeerFrame({address_, {0x54}}), PeerFrame({address_, {0xAB}}));
  peer_.Expect(PeerFrame({address_, {0, 0, 0}}),
               PeerJoin({PeerFrame({address_, {0xFF}}), PeerFrame({address_, record})}));
  peer_.Expect(PeerFrame({address_, {0xFF}}));

  const std::string path = dir.File("one.rfg");
  link_.screen().ChooseFile(path);
  ASSERT_TRUE(page.Save()) << peer_.mismatch() << testing::ReadAll(path).size();
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_EQ(page.CableNames(), std::vector<std::string>{"Новый"});
  // The file carries the block received: version 1.1, then the block.
  const std::vector<uint8_t> file = testing::ReadAll(path);
  ASSERT_EQ(file.size(), 520u);
  EXPECT_TRUE(std::equal(record.begin(), record.begin() + 343, file.begin() + 4));
}

TEST_F(ReflectogramPagePeerTest, OlderPageWithACompleteBlockSavesWithoutAsking) {
  testing::TempDir dir;
  cables_->Add("К");
  CableBlock& block = cables_->cable(0).block;
  block.set_section_count(1);
  block.set_section(0, {3, 100.0f, 50.0f, 0.5f, 1.5f});
  OlderReflectogramPage page(link_.context(), cables_);
  page.SelectCable(0);
  page.SetMarked(0, true);
  link_.screen().ChooseFile(dir.File("one.wv"));
  ASSERT_TRUE(page.Save());
  EXPECT_TRUE(peer_.written().empty());
  EXPECT_FALSE(testing::ReadAll(dir.File("one.wv")).empty());
}

class NewerReflectogramPagePeerTest : public ReflectogramPagePeerTest {
 protected:
  NewerReflectogramPagePeerTest() : ReflectogramPagePeerTest(11) {
    address_ = PeerAddress(11, "123456");
    cables_ = std::make_shared<ReflectometerCableList>(RecordForm::kExtended);
  }
};

TEST_F(NewerReflectogramPagePeerTest, ReceiveTakesTheRecordLengthOfTheFirmware) {
  link_.context().facts.version = 8.010f;
  cables_->Add("К1");
  cables_->Add("К2");
  cables_->Add("К3");
  cables_->cable(2).status[19] = 0;
  NewerReflectogramPage page(link_.context(), cables_);
  page.SelectCable(2);
  page.SetCursor(19);
  ExpectReceive(0x67, 2, 19, ExtendedTrace201());
  ASSERT_TRUE(page.Receive()) << peer_.mismatch();
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_TRUE(page.coordination_shown());
  const SlotPanel panel = page.Panel();
  EXPECT_EQ(panel.name, "Кабель 1");
  EXPECT_EQ(panel.date, "01.02.25");
  EXPECT_EQ(panel.pulse, "100");
  EXPECT_EQ(panel.range, "25");  // index 0
  EXPECT_EQ(panel.coordination, "075");
  // The rest of the 233-byte record stays zero.
  const auto bytes = page.record(19).bytes();
  EXPECT_TRUE(std::all_of(bytes.begin() + 201, bytes.end(), [](uint8_t b) { return b == 0; }));

  // The same slot sent back: 201 bytes with 0x68.
  ExpectSend(0x68, 2, 19, ExtendedTrace201());
  link_.screen().Answer(Answer::kYes);
  ASSERT_TRUE(page.Send()) << peer_.mismatch();
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
}

TEST_F(NewerReflectogramPagePeerTest, EmptySlotPanelAndOldFirmwareHideTheCoordination) {
  link_.context().facts.version = 8.001f;
  cables_->Add("К1");
  NewerReflectogramPage page(link_.context(), cables_);
  EXPECT_FALSE(page.coordination_shown());
  EXPECT_EQ(page.sample_count(), 128);
  const SlotPanel panel = page.Panel();
  EXPECT_EQ(panel.name, "ПУСТО");
  EXPECT_EQ(panel.date, "00.00.00");
  EXPECT_EQ(panel.pulse, "0");
  EXPECT_EQ(panel.gain, "0");
  EXPECT_EQ(panel.coordination, "");
  link_.context().facts.version = 8.025f;
  EXPECT_EQ(page.sample_count(), 160);
}

TEST_F(NewerReflectogramPagePeerTest, AFailedReceiveKeepsTheSlotAsItWas) {
  link_.context().facts.version = 8.025f;
  cables_->Add("К1");
  cables_->cable(0).status[0] = 0;
  NewerReflectogramPage page(link_.context(), cables_);
  page.SelectCable(0);
  // The instrument refuses the command (wrong confirmation).
  peer_.Expect(PeerFrame({address_, {0x67}}), PeerFrame({address_, {0x00}}));
  EXPECT_FALSE(page.Receive());
  EXPECT_TRUE(link_.screen().HasMessage("Ошибка выполнения команды"));
  EXPECT_EQ(page.SlotLines()[0], "РФГ №01");
  const auto bytes = page.record(0).bytes();
  EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](uint8_t b) { return b == 0; }));
}

}  // namespace
}  // namespace telvane
