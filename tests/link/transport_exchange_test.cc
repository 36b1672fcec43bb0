// The exchange operations written once, run with the serial and the IrDA
// policy over a scripted transport: the bytes written, the size of every
// write, the messages and questions, and what reaches the destination.
//
// Address used throughout: kind 9, serial "123456" (0x31..0x36); the 8-bit sum
// of these 7 bytes is 0x3E.
#include "link/transport_exchange.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <vector>

#include "link/byte_transport.h"
#include "link/exchange_policy.h"
#include "support/scripted_screen.h"

namespace telvane {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::ScriptedScreen;

Bytes Cat(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const Bytes kAddress = {0x09, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36};
const Bytes kRecord123 = Cat(kAddress, {0x01, 0x02, 0x03, 0x44});
const Bytes kRecord123BadSum = Cat(kAddress, {0x01, 0x02, 0x03, 0x45});
// The same record addressed to serial "123457".
const Bytes kRecord123Foreign = {0x09, 0x31, 0x32, 0x33, 0x34, 0x35, 0x37, 0x01, 0x02, 0x03, 0x45};
const Bytes kAskAgain = Cat(kAddress, {0x00, 0x3E});
const Bytes kConfirmValue05 = Cat(kAddress, {0xFA, 0x38});  // ~0x05
const Bytes kCommandFF = Cat(kAddress, {0xFF, 0x3D});
const Bytes kConfirmFF = Cat(kAddress, {0x00, 0x3E});

// Replays the chunks queued, one read never crossing into the next chunk, and
// keeps every write. An empty chunk is a silence: the next wait or read fails
// once. Nothing queued: every read times out and every wait fails.
class ScriptedTransport : public ByteTransport {
 public:
  void Queue(const Bytes& chunk) { incoming_.push_back(chunk); }

  bool Purge() override {
    ++purges_;
    return true;
  }
  bool SetReadTimeout(int) override { return true; }
  bool WaitReadable(Wait) override { return !Silence(); }
  bool WaitWritable(Wait) override { return true; }
  Io Write(const uint8_t* data, size_t length, size_t& moved) override {
    written_.insert(written_.end(), data, data + length);
    write_sizes_.push_back(length);
    moved = length;
    return Io::kOk;
  }
  Io Read(uint8_t* data, size_t length, size_t& moved) override {
    moved = 0;
    if (Silence()) return Io::kTimeout;
    Bytes& front = incoming_.front();
    moved = std::min(length, front.size());
    std::copy_n(front.begin(), moved, data);
    front.erase(front.begin(), front.begin() + static_cast<long>(moved));
    if (front.empty()) incoming_.pop_front();
    return Io::kOk;
  }
  int last_error() const override { return 0; }
  void Close() override { closed_ = true; }

  const Bytes& written() const { return written_; }
  const std::vector<size_t>& write_sizes() const { return write_sizes_; }
  bool closed() const { return closed_; }
  int purges() const { return purges_; }
  size_t unread() const { return incoming_.size(); }

 private:
  // True (and the silence consumed) when nothing is there to read.
  bool Silence() {
    if (incoming_.empty()) return true;
    if (!incoming_.front().empty()) return false;
    incoming_.pop_front();
    return true;
  }

  std::deque<Bytes> incoming_;
  Bytes written_;
  std::vector<size_t> write_sizes_;
  bool closed_ = false;
  int purges_ = 0;
};

Bytes Repeat(const Bytes& bytes, int times) {
  Bytes all;
  for (int i = 0; i < times; ++i) all = Cat(all, bytes);
  return all;
}

class TransportExchangeTest : public ::testing::Test {
 protected:
  TransportExchangeTest() {
    info_.kind = 9;
    const uint8_t serial[6] = {'1', '2', '3', '4', '5', '6'};
    info_.SetSerial(serial);
    info_.name = "КВР-ПРО-8.500";
    info_.session = true;
  }

  TransportExchange Make(const ExchangePolicy& policy) {
    return TransportExchange(transport_, policy, screen_, info_);
  }
  bool Receive(TransportExchange& exchange, uint8_t* data) {
    return exchange.ReceiveRecord(address_, data, 3, ConfirmSource::Value(5), Progress{},
                                  Wait{1, 0});
  }
  bool Send(TransportExchange& exchange, const Bytes& data) {
    return exchange.SendRecord(address_, data.data(), data.size(), 0xFA, Progress{}, Wait{1, 0});
  }

  ScriptedTransport transport_;
  ScriptedScreen screen_;
  InstrumentInfo info_;
  Address address_{0x09, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36};
};

TEST_F(TransportExchangeTest, BadRecordIsAskedForFiveTimesOverIrdaThenFailsWithoutAQuestion) {
  TransportExchange exchange = Make(kIrdaExchangePolicy);
  for (int i = 0; i < 6; ++i) transport_.Queue(kRecord123BadSum);
  uint8_t data[3] = {0xAA, 0xAA, 0xAA};
  EXPECT_FALSE(Receive(exchange, data));
  EXPECT_EQ(transport_.written(), Repeat(kAskAgain, 5));
  EXPECT_EQ(transport_.unread(), 1u);  // the sixth is never read
  EXPECT_EQ(Bytes(data, data + 3), Bytes({0xAA, 0xAA, 0xAA}));
  ASSERT_EQ(screen_.shown().size(), 5u);
  for (const ScriptedScreen::Shown& shown : screen_.shown()) {
    EXPECT_EQ(shown.caption, "Ошибка");
    EXPECT_EQ(shown.text, "Ошибка внутренней КС записи");
  }
}

TEST_F(TransportExchangeTest, BadRecordOverSerialAsksAfterTheFifthAndNoEndsTheReceive) {
  TransportExchange exchange = Make(kSerialExchangePolicy);
  for (int i = 0; i < 6; ++i) transport_.Queue(kRecord123BadSum);
  screen_.Answer(Answer::kNo, "Повторить попытку?");
  uint8_t data[3] = {0xAA, 0xAA, 0xAA};
  EXPECT_FALSE(Receive(exchange, data));
  EXPECT_EQ(transport_.written(), Repeat(kAskAgain, 5));
  EXPECT_EQ(Bytes(data, data + 3), Bytes({0xAA, 0xAA, 0xAA}));
  ASSERT_EQ(screen_.shown().size(), 1u);
  EXPECT_EQ(screen_.shown()[0].caption, "Вопрос");
  EXPECT_EQ(screen_.shown()[0].text, "Ошибка обмена данными.\r\nПовторить попытку?");
}

TEST_F(TransportExchangeTest, YesOverSerialGrantsMoreAttemptsAndAMissingRecordIsAskedAgain) {
  TransportExchange exchange = Make(kSerialExchangePolicy);
  for (int i = 0; i < 5; ++i) transport_.Queue(kRecord123BadSum);
  // Cut short after its address: the read times out and the record is asked
  // for again rather than the receive failing.
  transport_.Queue(kAddress);
  transport_.Queue({});
  transport_.Queue(kRecord123);
  screen_.Answer(Answer::kYes, "Повторить попытку?");
  uint8_t data[3] = {};
  EXPECT_TRUE(Receive(exchange, data));
  EXPECT_EQ(Bytes(data, data + 3), Bytes({0x01, 0x02, 0x03}));
  EXPECT_EQ(transport_.written(), Cat(Repeat(kAskAgain, 6), kConfirmValue05));
  EXPECT_EQ(screen_.shown().size(), 1u);
}

TEST_F(TransportExchangeTest, ReceivedAddressIsComparedOverIrdaOnly) {
  {
    TransportExchange exchange = Make(kIrdaExchangePolicy);
    transport_.Queue(kRecord123Foreign);
    uint8_t data[3] = {};
    // One foreign record, then nothing: the second attempt finds no data.
    EXPECT_FALSE(Receive(exchange, data));
    ASSERT_GE(screen_.shown().size(), 2u);
    EXPECT_EQ(screen_.shown()[0].text, "Ошибка адреса");
    EXPECT_EQ(screen_.shown()[1].caption, "Адрес");
    EXPECT_EQ(screen_.shown()[1].text, "Нет данных!!!");
  }
  screen_.ClearShown();
  TransportExchange exchange = Make(kSerialExchangePolicy);
  transport_.Queue(kRecord123Foreign);
  uint8_t data[3] = {};
  EXPECT_TRUE(Receive(exchange, data));
  EXPECT_EQ(Bytes(data, data + 3), Bytes({0x01, 0x02, 0x03}));
  EXPECT_TRUE(screen_.shown().empty());
}

TEST_F(TransportExchangeTest, ZeroConfirmationResendsOverIrdaAndIsAnErrorOverSerial) {
  const Bytes frame = kRecord123;
  {
    TransportExchange exchange = Make(kIrdaExchangePolicy);
    transport_.Queue(kAskAgain);
    transport_.Queue(kConfirmValue05);
    EXPECT_TRUE(Send(exchange, {0x01, 0x02, 0x03}));
    EXPECT_EQ(transport_.written(), Repeat(frame, 2));
    EXPECT_TRUE(screen_.shown().empty());
  }
  ScriptedTransport serial_transport;
  TransportExchange exchange(serial_transport, kSerialExchangePolicy, screen_, info_);
  serial_transport.Queue(kAskAgain);
  serial_transport.Queue(kConfirmValue05);
  EXPECT_FALSE(Send(exchange, {0x01, 0x02, 0x03}));
  EXPECT_EQ(serial_transport.written(), frame);
  ASSERT_EQ(screen_.shown().size(), 1u);
  EXPECT_EQ(screen_.shown()[0].text, "Ошибка байта подтверждения");
}

TEST_F(TransportExchangeTest, IrdaGivesUpAfterFiveZeroConfirmations) {
  TransportExchange exchange = Make(kIrdaExchangePolicy);
  for (int i = 0; i < 6; ++i) transport_.Queue(kAskAgain);
  EXPECT_FALSE(Send(exchange, {0x01, 0x02, 0x03}));
  EXPECT_EQ(transport_.written(), Repeat(kRecord123, 5));
  EXPECT_EQ(transport_.unread(), 1u);
}

TEST_F(TransportExchangeTest, IrdaWritesPiecesOf61AndSerialOneByteAtATime) {
  const Bytes data(100, 0x11);
  {
    TransportExchange exchange = Make(kIrdaExchangePolicy);
    transport_.Queue(kConfirmValue05);
    EXPECT_TRUE(Send(exchange, data));
    // 7 address bytes, 100 data bytes and the sum.
    EXPECT_EQ(transport_.write_sizes(), (std::vector<size_t>{61, 47}));
  }
  ScriptedTransport serial_transport;
  TransportExchange exchange(serial_transport, kSerialExchangePolicy, screen_, info_);
  serial_transport.Queue(kConfirmValue05);
  EXPECT_TRUE(Send(exchange, data));
  EXPECT_EQ(serial_transport.write_sizes(), std::vector<size_t>(108, 1));
  EXPECT_EQ(serial_transport.written(), transport_.written());
}

TEST_F(TransportExchangeTest, ShortRepliesAreWordedPerLink) {
  // Over IrDA a reply is what one read brings: 8 bytes are a wrong size.
  {
    TransportExchange exchange = Make(kIrdaExchangePolicy);
    transport_.Queue(Bytes(kConfirmValue05.begin(), kConfirmValue05.end() - 1));
    EXPECT_FALSE(Send(exchange, {0x01, 0x02, 0x03}));
    ASSERT_EQ(screen_.shown().size(), 1u);
    EXPECT_EQ(screen_.shown()[0].text, "Неверный размер подтверждения");
  }
  screen_.ClearShown();
  // Over the serial port the missing ninth byte is the reply's sum.
  ScriptedTransport serial_transport;
  TransportExchange exchange(serial_transport, kSerialExchangePolicy, screen_, info_);
  serial_transport.Queue(Bytes(kConfirmValue05.begin(), kConfirmValue05.end() - 1));
  EXPECT_FALSE(Send(exchange, {0x01, 0x02, 0x03}));
  ASSERT_EQ(screen_.shown().size(), 1u);
  EXPECT_EQ(screen_.shown()[0].text, "Таймаут приема КС записи");
}

TEST_F(TransportExchangeTest, DisconnectClearsPerLink) {
  // IrDA: a confirmed end closes the transport and clears the descriptor.
  {
    TransportExchange exchange = Make(kIrdaExchangePolicy);
    transport_.Queue(kConfirmFF);
    EXPECT_TRUE(exchange.Disconnect());
    EXPECT_EQ(transport_.written(), kCommandFF);
    EXPECT_TRUE(transport_.closed());
    EXPECT_EQ(info_.kind, kNoInstrument);
  }
  // Serial: a whole but wrong reply fails, yet the identity is cleared, and
  // the transport stays open.
  info_.kind = 9;
  const uint8_t serial[6] = {'1', '2', '3', '4', '5', '6'};
  info_.SetSerial(serial);
  ScriptedTransport serial_transport;
  TransportExchange exchange(serial_transport, kSerialExchangePolicy, screen_, info_);
  Bytes wrong = kConfirmFF;
  wrong.back() ^= 1;
  serial_transport.Queue(wrong);
  EXPECT_FALSE(exchange.Disconnect());
  EXPECT_EQ(serial_transport.written(), kCommandFF);
  EXPECT_EQ(serial_transport.purges(), 1);
  EXPECT_FALSE(serial_transport.closed());
  EXPECT_EQ(info_.kind, kNoInstrument);
}

}  // namespace
}  // namespace telvane
