// The main window's transactions over the serial exchange, against a scripted
// far end: command, then the records in order, with the transaction's own
// failure messages. Address: kind 11, serial "000001" (sum 0x2C).
#include "link/transactions.h"

#include <gtest/gtest.h>

#include <vector>

#include "link/port_setup.h"
#include "link/serial_exchange.h"
#include "support/pty_peer.h"
#include "support/scripted_screen.h"

namespace telvane {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::PtyPeer;

Bytes Cat(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const Bytes kAddress = {0x0B, 0x30, 0x30, 0x30, 0x30, 0x30, 0x31};

class TransactionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(port_.OpenDevice(peer_.device()));
    ASSERT_TRUE(port_.Apply(*ParseModeString(kSessionMode)));
    exchange_.set_timeout_ms(400);
  }

  PtyPeer peer_;
  testing::ScriptedScreen screen_;
  SerialPort port_;
  InstrumentInfo info_;
  SerialExchange exchange_{port_, screen_, info_};
  Transactions transactions_{exchange_, screen_};
  Address address_{0x0B, 0x30, 0x30, 0x30, 0x30, 0x30, 0x31};
};

TEST_F(TransactionsTest, ReceiveSeriesConfirmsEachRecordWithTheComplementOfItsIndex) {
  std::vector<Bytes> confirmations;
  Bytes command;
  peer_.Run([&](PtyPeer& p) {
    command = p.Read(9);
    p.Write(Cat(kAddress, {0x9F, 0xCB}));  // ~0x60
    // Records {0xA0 0xA1} and {0xB0 0xB1}.
    p.Write(Cat(kAddress, {0xA0, 0xA1, 0x6D}));
    confirmations.push_back(p.Read(9));
    p.Write(Cat(kAddress, {0xB0, 0xB1, 0x8D}));
    confirmations.push_back(p.Read(9));
  });
  std::vector<uint8_t> data(4);
  EXPECT_TRUE(
      transactions_.Receive(address_, 0x60, data, RecordSeries{2, 2, kRecordWait, true, {}}));
  peer_.Join();
  EXPECT_EQ(command, Cat(kAddress, {0x60, 0x8C}));
  ASSERT_EQ(confirmations.size(), 2u);
  EXPECT_EQ(confirmations[0], Cat(kAddress, {0xFF, 0x2B}));  // ~0
  EXPECT_EQ(confirmations[1], Cat(kAddress, {0xFE, 0x2A}));  // ~1
  EXPECT_EQ(data, Bytes({0xA0, 0xA1, 0xB0, 0xB1}));
  // Two records: the bar moves by record index.
  EXPECT_EQ(screen_.progress_positions(), std::vector<int>({0, 50}));
}

TEST_F(TransactionsTest, FailuresShowTheTransactionsMessageAfterTheDetail) {
  peer_.Run([&](PtyPeer& p) { p.Read(9); });
  std::vector<uint8_t> data(4);
  EXPECT_FALSE(transactions_.Receive(address_, 0x63, data, RecordSeries{2, 2}));
  peer_.Join();
  EXPECT_EQ(screen_.MessageLines(),
            std::vector<std::string>(
                {"Ошибка: Время ожидания вышло!", "Ошибка: Ошибка выполнения команды"}));
}

TEST_F(TransactionsTest, ADestinationTooSmallForTheSeriesSendsNothing) {
  std::vector<uint8_t> data(3);
  EXPECT_FALSE(transactions_.Receive(address_, 0x60, data, RecordSeries{2, 2}));
  EXPECT_TRUE(peer_.Read(1, 200).empty());
}

TEST_F(TransactionsTest, ReflectogramNumberThenRecord) {
  Bytes number_frame, record_confirmation;
  peer_.Run([&](PtyPeer& p) {
    p.Read(9);
    p.Write(Cat(kAddress, {0x98, 0xC4}));  // ~0x67
    number_frame = p.Read(11);
    p.Write(Cat(kAddress, {0xFC, 0x28}));  // ~number[0]
    p.Write(Cat(kAddress, {0x42, 0x6E}));
    record_confirmation = p.Read(9);
  });
  const uint8_t number[3] = {0x03, 0x00, 0x00};
  uint8_t record = 0;
  EXPECT_TRUE(transactions_.ReceiveByNumber(address_, 0x67, number, true,
                                            std::span<uint8_t>(&record, 1), kReflectogramWait));
  peer_.Join();
  EXPECT_EQ(number_frame, Cat(kAddress, {0x03, 0x00, 0x00, 0x2F}));
  EXPECT_EQ(record_confirmation, Cat(kAddress, {0xFC, 0x28}));  // ~3
  EXPECT_EQ(record, 0x42);
}

TEST(CommandWaitTest, TimeOutsOfTheTable) {
  EXPECT_EQ(CommandWait(0x50).seconds, 11);
  EXPECT_EQ(CommandWait(0x52).seconds, 10);
  EXPECT_EQ(CommandWait(0x33).seconds, 45);
  EXPECT_EQ(CommandWait(0x24).seconds, 360);
  EXPECT_EQ(CommandWait(0xFF).seconds, 5);
}

}  // namespace
}  // namespace telvane
