// Commands, records and blocks over the socket: frames on the wire, retries,
// refusals and what reaches the destination.
#include "link/irda_exchange.h"

#include <numeric>

#include "link/irda/irda_fixture.h"

namespace telvane {
namespace {

using testing::Bytes;

// Kind 12, serial "123456"; the address bytes sum to 0x41.
const Address kAddress = {0x0C, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36};
const Bytes kHead = {0x0C, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36};

Bytes Frame(std::initializer_list<uint8_t> tail) {
  Bytes out = kHead;
  out.insert(out.end(), tail);
  return out;
}

Bytes Repeat(const Bytes& bytes, int times) {
  Bytes out;
  for (int i = 0; i < times; ++i) out.insert(out.end(), bytes.begin(), bytes.end());
  return out;
}

// Record of the data bytes 10 20 30 and the confirmations the program sends.
const Bytes kRecord = Frame({0x10, 0x20, 0x30, 0xA1});
const Bytes kConfirmZero = Frame({0x00, 0x41});

constexpr Wait kShort{0, 300000};

class IrdaExchangeTest : public testing::IrdaFixture {
 protected:
  void Connect(std::deque<size_t> arrivals = {}) {
    IrdaFixture::Connect(std::move(arrivals));
    info_.kind = 12;
    info_.SetSerial(kHead.data() + 1);
    info_.session = true;
    exchange_ = std::make_unique<IrdaExchange>(*link_, info_);
  }
  std::unique_ptr<IrdaExchange> exchange_;
};

TEST_F(IrdaExchangeTest, CommandIsConfirmedWithTheComplementOfItsCode) {
  peer().Read(9).Write(Frame({0x9F, 0xE0}));
  Connect();
  EXPECT_TRUE(exchange_->SendCommand(kAddress, 0x60, kShort));
  EXPECT_TRUE(screen_.shown().empty());
  EXPECT_EQ(Wire(), Frame({0x60, 0xA1}));
}

TEST_F(IrdaExchangeTest, CommandConfirmationFaults) {
  struct Case {
    Bytes reply;
    std::vector<std::string> messages;
  };
  const Case cases[] = {
      // Right length, foreign serial number: refused without a message.
      {{0x0C, 0x31, 0x32, 0x33, 0x34, 0x35, 0x37, 0x9F, 0xE1}, {}},
      // Code byte not the complement.
      {Frame({0x60, 0xA1}), {}},
      {Frame({0x9F}), {"Ошибка: Неправильное подтверждение комманды"}},
      {Frame({0x9F, 0xE1}), {"Ошибка: Ошибка внутренней КС"}},
      // Nothing comes within the wait.
      {{}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.reply));
    SetUp();
    peer().Read(9);
    if (!c.reply.empty()) peer().Write(c.reply);
    Connect();
    EXPECT_FALSE(exchange_->SendCommand(kAddress, 0x60, kShort));
    EXPECT_EQ(screen_.MessageLines(), c.messages);
    EXPECT_EQ(Wire(), Frame({0x60, 0xA1}));
  }
}

TEST_F(IrdaExchangeTest, ReceivedRecordIsConfirmedFromValueOrDataByte) {
  // Value 5: the complement FA. Data byte 1 (0x20): its complement DF.
  peer().Write(kRecord).Read(9).Write(kRecord).Read(9);
  Connect();
  uint8_t first[3] = {};
  uint8_t second[3] = {};
  EXPECT_TRUE(exchange_->ReceiveRecord(kAddress, first, 3, ConfirmSource::Value(5), {}, kShort));
  EXPECT_TRUE(
      exchange_->ReceiveRecord(kAddress, second, 3, ConfirmSource::DataByte(1), {}, kShort));
  EXPECT_EQ(Bytes(first, first + 3), (Bytes{0x10, 0x20, 0x30}));
  EXPECT_EQ(Bytes(second, second + 3), (Bytes{0x10, 0x20, 0x30}));
  EXPECT_TRUE(screen_.shown().empty());
  EXPECT_EQ(Wire(), testing::Join({Frame({0xFA, 0x3B}), Frame({0xDF, 0x20})}));
}

TEST_F(IrdaExchangeTest, OneDataByteRecord) {
  peer().Write(Frame({0x77, 0xB8})).Read(9);
  Connect();
  uint8_t byte = 0;
  EXPECT_TRUE(exchange_->ReceiveRecord(kAddress, &byte, 1, ConfirmSource::Value(0), {}, kShort));
  EXPECT_EQ(byte, 0x77);
  EXPECT_EQ(Wire(), Frame({0xFF, 0x40}));
}

TEST_F(IrdaExchangeTest, BadRecordIsAskedForAgain) {
  peer().Write(Frame({0x10, 0x20, 0x30, 0xA2})).Read(9).Write(kRecord).Read(9);
  Connect();
  uint8_t data[3] = {};
  EXPECT_TRUE(exchange_->ReceiveRecord(kAddress, data, 3, ConfirmSource::Value(5), {}, kShort));
  EXPECT_EQ(Bytes(data, data + 3), (Bytes{0x10, 0x20, 0x30}));
  EXPECT_EQ(screen_.MessageLines(),
            std::vector<std::string>{"Ошибка: Ошибка внутренней КС записи"});
  EXPECT_EQ(Wire(), testing::Join({kConfirmZero, Frame({0xFA, 0x3B})}));
}

TEST_F(IrdaExchangeTest, FiveBadRecordsFailAndLeaveTheDestinationAlone) {
  struct Case {
    Bytes record;
    std::string message;
  };
  const Case cases[] = {
      {Frame({0x10, 0x20, 0x30, 0x00}), "Ошибка: Ошибка внутренней КС записи"},
      {{0x0D, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x10, 0x20, 0x30, 0xA2},
       "Ошибка: Ошибка VendorID"},
      {{0x0C, 0x31, 0x32, 0x33, 0x34, 0x35, 0x37, 0x10, 0x20, 0x30, 0xA2}, "Ошибка: Ошибка адреса"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    SetUp();
    for (int i = 0; i < 5; ++i) peer().Write(c.record).Read(9);
    Connect();
    uint8_t data[3] = {0xEE, 0xEE, 0xEE};
    EXPECT_FALSE(exchange_->ReceiveRecord(kAddress, data, 3, ConfirmSource::Value(5), {}, kShort));
    EXPECT_EQ(Bytes(data, data + 3), (Bytes{0xEE, 0xEE, 0xEE}));
    EXPECT_EQ(screen_.MessageLines(), std::vector<std::string>(5, c.message));
    // Five confirmations with 0, and no sixth attempt.
    EXPECT_EQ(Wire(), Repeat(kConfirmZero, 5));
  }
}

TEST_F(IrdaExchangeTest, RecordThatStopsHalfwayFails) {
  peer().Write(Frame({0x10}));
  Connect();
  uint8_t data[3] = {0xEE, 0xEE, 0xEE};
  EXPECT_FALSE(exchange_->ReceiveRecord(kAddress, data, 3, ConfirmSource::Value(5), {}, kShort));
  EXPECT_EQ(screen_.MessageLines(), std::vector<std::string>{"Запись: Нет данных!!!"});
  EXPECT_EQ(data[0], 0xEE);
  EXPECT_TRUE(Wire().empty());
}

TEST_F(IrdaExchangeTest, NoRecordAtAll) {
  Connect();
  uint8_t data[3] = {};
  EXPECT_FALSE(exchange_->ReceiveRecord(kAddress, data, 3, ConfirmSource::Value(5), {}, kShort));
  EXPECT_EQ(screen_.MessageLines(), std::vector<std::string>{"Адрес: Нет данных!!!"});
  EXPECT_TRUE(Wire().empty());
}

// A 200-byte record whose bytes arrive cut at odd places.
class SplitRecordTest : public IrdaExchangeTest,
                        public ::testing::WithParamInterface<std::deque<size_t>> {};

TEST_P(SplitRecordTest, GivesTheSameData) {
  Bytes data(200);
  for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(i * 7 + 3);
  Bytes record = kHead;
  record.insert(record.end(), data.begin(), data.end());
  record = testing::WithSum(record);
  peer().Write(record).Read(9);
  Connect(GetParam());

  Bytes received(200, 0);
  EXPECT_TRUE(exchange_->ReceiveRecord(kAddress, received.data(), received.size(),
                                       ConfirmSource::DataByte(199), {}, kShort));
  EXPECT_EQ(received, data);
  EXPECT_EQ(Wire(), testing::WithSum(Frame({static_cast<uint8_t>(~data[199])})));

  // No receive asked for more than 61 bytes or more than was still expected.
  size_t left = record.size();
  ASSERT_EQ(log_->receive_requests.size(), log_->receive_results.size());
  for (size_t i = 0; i < log_->receive_requests.size(); ++i) {
    EXPECT_LE(log_->receive_requests[i], 61u);
    EXPECT_LE(log_->receive_requests[i], left);
    ASSERT_GT(log_->receive_results[i], 0);
    left -= static_cast<size_t>(log_->receive_results[i]);
  }
  EXPECT_EQ(left, 0u);
}

INSTANTIATE_TEST_SUITE_P(Arrivals, SplitRecordTest,
                         ::testing::Values(std::deque<size_t>{1, 60, 61, 62},
                                           std::deque<size_t>{62, 61, 60, 1},
                                           std::deque<size_t>{8, 1, 1, 60, 61, 62, 15},
                                           std::deque<size_t>{}));

TEST_F(IrdaExchangeTest, SentRecordIsResentWhileConfirmedWithZero) {
  const Bytes zero = Frame({0x00, 0x41});
  peer().Read(11).Write(zero).Read(11).Write(zero).Read(11).Write(Frame({0x5A, 0x9B}));
  Connect();
  const uint8_t data[3] = {0x10, 0x20, 0x30};
  EXPECT_TRUE(exchange_->SendRecord(kAddress, data, 3, 0x5A, {}, kShort));
  EXPECT_TRUE(screen_.shown().empty());
  EXPECT_EQ(Wire(), Repeat(kRecord, 3));
}

TEST_F(IrdaExchangeTest, FiveZeroConfirmationsFail) {
  for (int i = 0; i < 5; ++i) peer().Read(11).Write(Frame({0x00, 0x41}));
  Connect();
  const uint8_t data[3] = {0x10, 0x20, 0x30};
  EXPECT_FALSE(exchange_->SendRecord(kAddress, data, 3, 0x5A, {}, kShort));
  EXPECT_EQ(Wire(), Repeat(kRecord, 5));
}

TEST_F(IrdaExchangeTest, SentRecordConfirmationFaults) {
  struct Case {
    Bytes reply;
    std::vector<std::string> messages;
  };
  const Case cases[] = {
      {Frame({0x33, 0x74}), {"Ошибка: Неверное подтверждение записи"}},
      {Frame({0x5A, 0x9C}), {"Ошибка: Неверная КС подтверждения записи"}},
      {Frame({0x5A}), {"Ошибка: Неверный размер подтверждения"}},
      {{0x0C, 0x31, 0x32, 0x33, 0x34, 0x35, 0x37, 0x5A, 0x9C}, {}},
      {{}, {"Подтверждение записи: Нет данных!!!"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.reply));
    SetUp();
    peer().Read(11);
    if (!c.reply.empty()) peer().Write(c.reply);
    Connect();
    const uint8_t data[3] = {0x10, 0x20, 0x30};
    EXPECT_FALSE(exchange_->SendRecord(kAddress, data, 3, 0x5A, {}, kShort));
    EXPECT_EQ(screen_.MessageLines(), c.messages);
    EXPECT_EQ(Wire(), kRecord);
  }
}

TEST_F(IrdaExchangeTest, LongRecordGoesOutInPiecesWithProgress) {
  Bytes data(130);
  std::iota(data.begin(), data.end(), 0);
  Bytes frame = kHead;
  frame.insert(frame.end(), data.begin(), data.end());
  frame = testing::WithSum(frame);
  peer().Read(frame.size()).Write(Frame({0x01, 0x42}));
  Connect();
  EXPECT_TRUE(
      exchange_->SendRecord(kAddress, data.data(), data.size(), 0x01, {true, 0, 1}, kShort));
  EXPECT_EQ(log_->sends, (std::vector<size_t>{61, 61, 16}));
  EXPECT_EQ(screen_.progress_positions(), (std::vector<int>{0, 44, 88, 100}));
  EXPECT_FALSE(screen_.progress_visible());
  EXPECT_EQ(Wire(), frame);
}

TEST_F(IrdaExchangeTest, ProgressOfARecordInASeriesIsItsIndex) {
  peer().Write(kRecord).Read(9);
  Connect();
  uint8_t data[3];
  EXPECT_TRUE(
      exchange_->ReceiveRecord(kAddress, data, 3, ConfirmSource::Value(5), {true, 3, 4}, kShort));
  EXPECT_EQ(screen_.progress_positions(), std::vector<int>{75});
}

TEST_F(IrdaExchangeTest, ReceivedBlockIsConfirmedWithOneByte) {
  Bytes block(130);
  std::iota(block.begin(), block.end(), 100);
  peer().Write(block).Read(1).Write(block).Read(1);
  Connect();
  Bytes first(130), second(130);
  EXPECT_TRUE(exchange_->ReceiveBlock(first.data(), 130, {}, ConfirmSource::Value(1), kShort));
  EXPECT_TRUE(exchange_->ReceiveBlock(second.data(), 130, {}, ConfirmSource::DataByte(2), kShort));
  EXPECT_EQ(first, block);
  EXPECT_EQ(second, block);
  // The value itself, then the complement of byte 2 (102 = 0x66).
  EXPECT_EQ(Wire(), (Bytes{0x01, 0x99}));
  EXPECT_EQ(log_->receive_requests, (std::vector<size_t>{61, 61, 8, 61, 61, 8}));
}

TEST_F(IrdaExchangeTest, ShortBlockFailsAndLeavesTheDestinationAlone) {
  peer().Write(Bytes(40, 0x11));
  Connect();
  Bytes destination(64, 0xEE);
  EXPECT_FALSE(
      exchange_->ReceiveBlock(destination.data(), 64, {}, ConfirmSource::Value(1), kShort));
  EXPECT_EQ(destination, Bytes(64, 0xEE));
  EXPECT_EQ(screen_.MessageLines(), std::vector<std::string>{"Запись: Нет данных!!!"});
  EXPECT_TRUE(Wire().empty());
}

TEST_F(IrdaExchangeTest, SentBlockExpectsOneConfirmationByte) {
  Bytes block(100);
  std::iota(block.begin(), block.end(), 0);
  // Byte 5 is 5: the expected confirmation is its complement FA.
  peer().Read(100).Write({0x01}).Read(100).Write({0xFA}).Read(100).Write({0x02});
  Connect();
  EXPECT_TRUE(exchange_->SendBlock(block.data(), 100, {}, ConfirmSource::Value(1), kShort));
  EXPECT_TRUE(exchange_->SendBlock(block.data(), 100, {}, ConfirmSource::DataByte(5), kShort));
  EXPECT_FALSE(exchange_->SendBlock(block.data(), 100, {}, ConfirmSource::Value(1), kShort));
  EXPECT_EQ(screen_.MessageLines(),
            std::vector<std::string>{"Ошибка: Неверное подтверждение записи"});
  EXPECT_EQ(log_->sends, (std::vector<size_t>{61, 39, 61, 39, 61, 39}));
  EXPECT_EQ(log_->receive_requests, (std::vector<size_t>{1, 1, 1}));
  EXPECT_EQ(Wire(), Repeat(block, 3));
}

TEST_F(IrdaExchangeTest, DisconnectClearsTheDescriptorAndClosesTheSocket) {
  peer().Read(9).Write(Frame({0x00, 0x41}));
  Connect();
  EXPECT_TRUE(exchange_->Disconnect());
  EXPECT_EQ(info_.kind, 0);
  EXPECT_EQ(info_.SerialText(), "");
  EXPECT_FALSE(info_.session);
  EXPECT_FALSE(link_->connected());
  EXPECT_EQ(peer_->Finish(), Frame({0xFF, 0x40}));
}

TEST_F(IrdaExchangeTest, FailedDisconnectKeepsTheSession) {
  peer().Read(9).Write(Frame({0x00, 0x42}));
  Connect();
  EXPECT_FALSE(exchange_->Disconnect());
  EXPECT_EQ(screen_.MessageLines(), (std::vector<std::string>{"Ошибка: Ошибка внутренней КС",
                                                              "Ошибка: Ошибка отсоединения!!!"}));
  EXPECT_EQ(info_.kind, 12);
  EXPECT_TRUE(link_->connected());
  EXPECT_EQ(Wire(), Frame({0xFF, 0x40}));
}

}  // namespace
}  // namespace telvane
