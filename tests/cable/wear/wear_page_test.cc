// The armour-wear page with the meter played by a scripted peer: the search's
// information transfer and "Принять и сохранить..." on the wire byte for
// byte, the six fields, every refusal, and the CSV file's bytes.
#include "cable/wear/wear_page.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/cp1251.h"
#include "support/peer_link.h"
#include "support/scripted_peer.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

using testing::PeerAddress;
using testing::PeerBytes;
using testing::PeerFrame;
using testing::PeerJoin;

const PeerBytes kAddress = PeerAddress(8, "654321");
// Command frames 0x40 and 0x41: address, code, sum.
const PeerBytes kCommand40 = {0x08, '6', '5', '4', '3', '2', '1', 0x40, 0x7D};
const PeerBytes kCommand41 = {0x08, '6', '5', '4', '3', '2', '1', 0x41, 0x7E};

// 1234.5 and 56.25 most significant byte first, sample wear 37, `count`
// measurements, 1500 m, interval `interval`.
PeerBytes InfoData(uint16_t count, uint8_t interval) {
  return {0x44,
          0x9A,
          0x50,
          0x00,
          0x42,
          0x61,
          0x00,
          0x00,
          37,
          static_cast<uint8_t>(count >> 8),
          static_cast<uint8_t>(count),
          0x05,
          0xDC,
          interval};
}

std::string ReadText(const std::string& path) {
  const auto bytes = testing::ReadAll(path);
  return std::string(bytes.begin(), bytes.end());
}

class WearPageTest : public ::testing::Test {
 protected:
  WearPageTest() { link_.info().name = "Ленсограф"; }

  // The information transfer with `count` measurements; confirmed with the
  // complement of data byte 8 (37).
  void ReadInfo(uint16_t count, uint8_t interval = 7) {
    peer_.Expect(kCommand40, PeerJoin({PeerFrame({kAddress, {0xBF}}),
                                       PeerFrame({kAddress, InfoData(count, interval)})}));
    peer_.Expect(PeerFrame({kAddress, {0xDA}}));
    ASSERT_TRUE(page_.SearchTransfer(peer_));
    ASSERT_TRUE(peer_.done()) << peer_.mismatch();
  }
  std::vector<std::string> Values() const {
    std::vector<std::string> values;
    for (const auto& field : page_.Fields()) values.push_back(field.value);
    return values;
  }

  testing::ScriptedPeer peer_;
  testing::PeerLink link_{peer_, 8, "654321"};
  WearPage page_{link_.context()};
  testing::TempDir dir_;
};

TEST_F(WearPageTest, TheSearchTransferFillsTheSixFields) {
  ReadInfo(3);
  const auto fields = page_.Fields();
  ASSERT_EQ(fields.size(), 6u);
  EXPECT_EQ(fields[0].label, "100%-й износ кабеля");
  EXPECT_EQ(fields[1].label, "Значение датчика с введенным ОБРАЗЦОМ ");
  EXPECT_EQ(fields[2].label, "Значение % износа ОБРАЗЦА ");
  EXPECT_EQ(fields[3].label, "Количество замеров, записанное в БД");
  EXPECT_EQ(fields[4].label, "Длина кабеля");
  EXPECT_EQ(fields[5].label, "Длительность интервала замера");
  EXPECT_EQ(Values(), (std::vector<std::string>{"1234.5", "56.25", "37", "3", "1500", "7"}));
  EXPECT_EQ(peer_.timeouts(), std::vector<int>{5000});
  EXPECT_TRUE(link_.screen().messages().empty());
}

TEST_F(WearPageTest, AnIntervalOfZeroIsShownAsTen) {
  ReadInfo(3, 0);
  EXPECT_EQ(Values()[5], "10");
}

TEST_F(WearPageTest, TheInformationTransferReportsEachFault) {
  // A record addressed to another kind.
  peer_.Expect(kCommand40, PeerJoin({PeerFrame({kAddress, {0xBF}}),
                                     PeerFrame({PeerAddress(9, "654321"), InfoData(3, 1)})}));
  EXPECT_FALSE(page_.SearchTransfer(peer_));
  EXPECT_EQ(link_.screen().MessageLines(),
            (std::vector<std::string>{"Ошибка: Неверный ТИП ПРИБОРА!"}));
  EXPECT_FALSE(page_.info());
}

TEST_F(WearPageTest, TheInformationTransferTimesOutWithItsOwnText) {
  peer_.Expect(kCommand40, PeerFrame({kAddress, {0xBF}}));
  EXPECT_FALSE(page_.SearchTransfer(peer_));
  EXPECT_EQ(link_.screen().MessageLines(),
            (std::vector<std::string>{"Ошибка: Время ожидания вышло !"}));
}

TEST_F(WearPageTest, AWrongEchoIsRefused) {
  peer_.Expect(kCommand40, PeerFrame({kAddress, {0x40}}));
  EXPECT_FALSE(page_.SearchTransfer(peer_));
  EXPECT_EQ(link_.screen().MessageLines(),
            (std::vector<std::string>{"Ошибка: Ошибка подтверждения команды"}));
}

TEST_F(WearPageTest, NoStoredMeasurementsSendsNothing) {
  ReadInfo(0);
  const size_t written = peer_.written().size();
  EXPECT_FALSE(page_.ReceiveAndSave());
  EXPECT_EQ(peer_.written().size(), written);
  ASSERT_EQ(link_.screen().messages().size(), 1u);
  EXPECT_EQ(link_.screen().messages()[0].icon, Icon::kInformation);
  EXPECT_EQ(link_.screen().MessageLines()[0], "Информация: Нет данных. Прием невозможен.");
}

TEST_F(WearPageTest, ThreeMeasurementsGiveThreeSemicolonLines) {
  ReadInfo(3);
  peer_.Expect(kCommand41,
               PeerJoin({PeerFrame({kAddress, {0xBE}}), PeerFrame({kAddress, {12, 40, 99}})}));
  peer_.Expect(PeerFrame({kAddress, {0xF3}}));  // the complement of 12
  const std::string path = dir_.File("wear.csv");
  link_.screen().ChooseFile(path, 1);
  EXPECT_TRUE(page_.ReceiveAndSave());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_EQ(peer_.timeouts().back(), 1000);
  EXPECT_EQ(link_.screen().progress_positions(), (std::vector<int>{0, 33, 66, 100}));
  EXPECT_FALSE(link_.screen().progress_visible());

  const auto& dialog = link_.screen().shown().back().dialog;
  ASSERT_EQ(dialog.filters.size(), 3u);
  EXPECT_EQ(dialog.filters[0].description, "CSV (разделители - точка с запятой)");
  EXPECT_EQ(dialog.filters[0].pattern, "*.csv");
  EXPECT_EQ(dialog.filters[1].description, "CSV (разделители - запятые)");
  EXPECT_EQ(dialog.filters[1].pattern, "*.csv");
  EXPECT_EQ(dialog.filters[2].description, "All files");
  EXPECT_EQ(dialog.filters[2].pattern, "*.*");

  const std::string text = ReadText(path);
  // The column head in CP1251: "Износ брони (%)" is exactly 15 characters.
  const std::string head = "\xC8\xE7\xED\xEE\xF1 \xE1\xF0\xEE\xED\xE8 (%);\r";
  EXPECT_EQ(text, Utf8ToCp1251("Наименование прибора: Ленсограф\rСерийный номер: 654321\r") + head +
                      "12;\r40;\r99;\r");
}

TEST_F(WearPageTest, TheSecondFilterAndAllFilesWriteCommas) {
  for (int filter : {2, 3}) {
    ReadInfo(2);
    peer_.Expect(kCommand41,
                 PeerJoin({PeerFrame({kAddress, {0xBE}}), PeerFrame({kAddress, {5, 200}})}));
    peer_.Expect(PeerFrame({kAddress, {0xFA}}));
    const std::string path = dir_.File("wear" + std::to_string(filter) + ".csv");
    link_.screen().ChooseFile(path, filter);
    EXPECT_TRUE(page_.ReceiveAndSave());
    const std::string text = ReadText(path);
    const std::string tail = "\xC8\xE7\xED\xEE\xF1 \xE1\xF0\xEE\xED\xE8 (%),\r5,\r200,\r";
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail) << filter;
  }
}

TEST_F(WearPageTest, ATimeOutInTheSeriesWritesNothing) {
  ReadInfo(3);
  peer_.Expect(kCommand41, PeerJoin({PeerFrame({kAddress, {0xBE}}), kAddress, PeerBytes{12}}));
  EXPECT_FALSE(page_.ReceiveAndSave());
  EXPECT_EQ(link_.screen().MessageLines(),
            (std::vector<std::string>{"Error: TIMEOUT чтения записи!\r\n байт № 1"}));
  EXPECT_FALSE(link_.screen().progress_visible());
  // No confirmation, no dialog, no file.
  EXPECT_EQ(peer_.written().size(), 9u + 9u + 9u);
  EXPECT_TRUE(std::filesystem::is_empty(dir_.path()));
}

TEST_F(WearPageTest, TheAddressAndTheSumTimeOutWithTheirOwnTexts) {
  ReadInfo(3);
  peer_.Expect(kCommand41, PeerJoin({PeerFrame({kAddress, {0xBE}}), PeerBytes{8, '6'}}));
  EXPECT_FALSE(page_.ReceiveAndSave());
  ReadInfo(3);
  peer_.Expect(kCommand41, PeerJoin({PeerFrame({kAddress, {0xBE}}), kAddress, PeerBytes{1, 2, 3}}));
  EXPECT_FALSE(page_.ReceiveAndSave());
  EXPECT_EQ(link_.screen().MessageLines(),
            (std::vector<std::string>{"Error: TIMEOUT адреса при попытке чтения записи!",
                                      "Error: TIMEOUT чтения к/с записи!"}));
}

TEST_F(WearPageTest, ABadFinalSumWritesNothing) {
  ReadInfo(3);
  PeerBytes frame = PeerFrame({kAddress, {12, 40, 99}});
  frame.back() ^= 0x01;
  peer_.Expect(kCommand41, PeerJoin({PeerFrame({kAddress, {0xBE}}), frame}));
  EXPECT_FALSE(page_.ReceiveAndSave());
  EXPECT_EQ(link_.screen().MessageLines(),
            (std::vector<std::string>{"Error: Неверная контрольная сумма записи"}));
  EXPECT_EQ(peer_.written().size(), 9u + 9u + 9u);
  EXPECT_TRUE(std::filesystem::is_empty(dir_.path()));
}

TEST_F(WearPageTest, ACancelledDialogWritesNothing) {
  ReadInfo(1);
  peer_.Expect(kCommand41, PeerJoin({PeerFrame({kAddress, {0xBE}}), PeerFrame({kAddress, {77}})}));
  peer_.Expect(PeerFrame({kAddress, {0xB2}}));
  link_.screen().ChooseFile(std::nullopt);
  EXPECT_FALSE(page_.ReceiveAndSave());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_TRUE(std::filesystem::is_empty(dir_.path()));
}

}  // namespace
}  // namespace telvane
