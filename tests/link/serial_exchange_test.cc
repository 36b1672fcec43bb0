// The serial exchange against a scripted far end on a pseudo-terminal: the
// bytes on the wire are checked against frames written out by hand.
//
// Address used throughout: kind 9, serial "123456" (0x31..0x36); the 8-bit sum
// of these 7 bytes is 0x3E.
#include "link/serial_exchange.h"

#include <gtest/gtest.h>

#include <vector>

#include "link/port_setup.h"
#include "link/serial_port.h"
#include "support/pty_peer.h"
#include "support/scripted_screen.h"

namespace telvane {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::PtyPeer;
using testing::ScriptedScreen;

Bytes Cat(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const Bytes kAddress = {0x09, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36};
// Command 0x30 and its confirmation (complement 0xCF).
const Bytes kCommand30 = Cat(kAddress, {0x30, 0x6E});
const Bytes kConfirm30 = Cat(kAddress, {0xCF, 0x0D});
// The record {01 02 03} and its confirmations.
const Bytes kRecord123 = Cat(kAddress, {0x01, 0x02, 0x03, 0x44});
const Bytes kRecord123BadSum = Cat(kAddress, {0x01, 0x02, 0x03, 0x45});
const Bytes kAskAgain = Cat(kAddress, {0x00, 0x3E});
const Bytes kConfirmValue05 = Cat(kAddress, {0xFA, 0x38});  // ~0x05
const Bytes kConfirmByte1 = Cat(kAddress, {0xFD, 0x3B});    // ~data[1]
// End of session and its confirmation (complement 0x00).
const Bytes kCommandFF = Cat(kAddress, {0xFF, 0x3D});
const Bytes kConfirmFF = Cat(kAddress, {0x00, 0x3E});

class SerialExchangeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(peer_.ok());
    ASSERT_TRUE(port_.OpenDevice(peer_.device()));
    ASSERT_TRUE(port_.Apply(*ParseModeString(kSessionMode)));
    info_.kind = 9;
    const uint8_t serial[6] = {'1', '2', '3', '4', '5', '6'};
    info_.SetSerial(serial);
    info_.name = "КВР-ПРО-8.500";
    info_.session = true;
    exchange_.set_timeout_ms(400);
    ASSERT_TRUE(port_.SetReadTimeout(400));
  }

  PtyPeer peer_;
  ScriptedScreen screen_;
  SerialPort port_;
  InstrumentInfo info_;
  SerialExchange exchange_{port_, screen_, info_};
  Address address_{0x09, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36};
};

TEST_F(SerialExchangeTest, CommandFrameAndItsConfirmation) {
  Bytes seen;
  peer_.Run([&](PtyPeer& p) {
    seen = p.Read(9);
    p.Write(kConfirm30);
  });
  EXPECT_TRUE(exchange_.SendCommand(address_, 0x30, Wait{11, 0}));
  peer_.Join();
  EXPECT_EQ(seen, kCommand30);
  EXPECT_TRUE(screen_.shown().empty());
}

TEST_F(SerialExchangeTest, CommandConfirmationFaultsAreReported) {
  struct Case {
    Bytes reply;
    const char* message;
  };
  Bytes foreign = kConfirm30;
  foreign[6] = 0x37;  // serial "123457": right length and sum, wrong instrument
  foreign[8] = static_cast<uint8_t>(foreign[8] + 1);
  const Case cases[] = {
      {Cat(kAddress, {0xCF, 0x0E}), "Неверная контрольная сумма подтверждения команды"},
      {foreign, "Ошибка подтверждения команды"},
      {Cat(kAddress, {0x30, 0x6E}), "Ошибка подтверждения команды"},  // code not complemented
      {Bytes(kConfirm30.begin(), kConfirm30.begin() + 5), "Время ожидания вышло!"},
  };
  for (const Case& c : cases) {
    screen_.ClearShown();
    peer_.Run([&](PtyPeer& p) {
      p.Read(9);
      p.Write(c.reply);
    });
    EXPECT_FALSE(exchange_.SendCommand(address_, 0x30, Wait{11, 0})) << c.message;
    peer_.Join();
    ASSERT_EQ(screen_.MessageLines().size(), 1u) << c.message;
    EXPECT_EQ(screen_.MessageLines()[0], std::string("Ошибка: ") + c.message);
  }
}

TEST_F(SerialExchangeTest, ReceivedRecordIsConfirmedWithTheComplementOfItsSource) {
  struct Case {
    ConfirmSource source;
    Bytes confirmation;
  };
  const Case cases[] = {{ConfirmSource::Value(0x05), kConfirmValue05},
                        {ConfirmSource::DataByte(1), kConfirmByte1}};
  for (const Case& c : cases) {
    Bytes seen;
    peer_.Run([&](PtyPeer& p) {
      p.Write(kRecord123);
      seen = p.Read(9);
    });
    uint8_t data[3] = {};
    EXPECT_TRUE(exchange_.ReceiveRecord(address_, data, 3, c.source, Progress{}, Wait{5, 0}));
    peer_.Join();
    EXPECT_EQ(seen, c.confirmation);
    EXPECT_EQ(Bytes(data, data + 3), Bytes({1, 2, 3}));
  }
}

TEST_F(SerialExchangeTest, RecordWithWrongSumIsAskedForAgain) {
  Bytes first, second;
  peer_.Run([&](PtyPeer& p) {
    p.Write(kRecord123BadSum);
    first = p.Read(9);
    p.Write(kRecord123);
    second = p.Read(9);
  });
  uint8_t data[3] = {};
  EXPECT_TRUE(
      exchange_.ReceiveRecord(address_, data, 3, ConfirmSource::Value(5), Progress{}, Wait{5, 0}));
  peer_.Join();
  EXPECT_EQ(first, kAskAgain);
  EXPECT_EQ(second, kConfirmValue05);
  EXPECT_TRUE(screen_.shown().empty());
}

TEST_F(SerialExchangeTest, FiveFailuresAskAndNoLeavesTheDestinationUntouched) {
  int zeros = 0;
  peer_.Run([&](PtyPeer& p) {
    for (int i = 0; i < 5; ++i) {
      p.Write(kRecord123BadSum);
      if (p.Read(9) == kAskAgain) ++zeros;
    }
  });
  screen_.Answer(Answer::kNo, "Повторить попытку?");
  uint8_t data[3] = {0xAA, 0xAA, 0xAA};
  EXPECT_FALSE(
      exchange_.ReceiveRecord(address_, data, 3, ConfirmSource::Value(5), Progress{}, Wait{5, 0}));
  peer_.Join();
  EXPECT_EQ(zeros, 5);
  EXPECT_EQ(Bytes(data, data + 3), Bytes({0xAA, 0xAA, 0xAA}));
  ASSERT_EQ(screen_.shown().size(), 1u);
  EXPECT_EQ(screen_.shown()[0].caption, "Вопрос");
  EXPECT_EQ(screen_.shown()[0].text, "Ошибка обмена данными.\r\nПовторить попытку?");
}

TEST_F(SerialExchangeTest, YesAllowsFiveMoreAttempts) {
  // Seven spoiled records (one of them cut short), then a good one.
  peer_.Run([&](PtyPeer& p) {
    for (int i = 0; i < 7; ++i) {
      if (i == 2) {
        p.Write(Bytes(kRecord123.begin(), kRecord123.begin() + 8));  // silence after 8 bytes
      } else {
        p.Write(kRecord123BadSum);
      }
      p.Read(9);
    }
    p.Write(kRecord123);
    p.Read(9);
  });
  screen_.Answer(Answer::kYes, "Повторить попытку?");
  uint8_t data[3] = {};
  EXPECT_TRUE(
      exchange_.ReceiveRecord(address_, data, 3, ConfirmSource::Value(5), Progress{}, Wait{5, 0}));
  peer_.Join();
  EXPECT_EQ(Bytes(data, data + 3), Bytes({1, 2, 3}));
  EXPECT_TRUE(screen_.ScriptDone());
}

TEST_F(SerialExchangeTest, SerialReceiveDoesNotCompareTheAddressAndTakesOneByteRecords) {
  // Serial "123457", one data byte 0x7F: sum 0x3E + 1 + 0x7F = 0xBE.
  const Bytes record = {0x09, 0x31, 0x32, 0x33, 0x34, 0x35, 0x37, 0x7F, 0xBE};
  Bytes seen;
  peer_.Run([&](PtyPeer& p) {
    p.Write(record);
    seen = p.Read(9);
  });
  uint8_t data = 0;
  EXPECT_TRUE(exchange_.ReceiveRecord(address_, &data, 1, ConfirmSource::DataByte(0), Progress{},
                                      Wait{5, 0}));
  peer_.Join();
  EXPECT_EQ(data, 0x7F);
  EXPECT_EQ(seen, Cat(kAddress, {0x80, 0xBE}));  // ~0x7F, answered on our own address
}

TEST_F(SerialExchangeTest, SendRecordFrameAndItsConfirmationByte) {
  struct Case {
    Bytes reply;
    bool ok;
    const char* message;
  };
  const Case cases[] = {
      {Cat(kAddress, {0xFA, 0x38}), true, nullptr},
      {Cat(kAddress, {0x00, 0x3E}), false, "Ошибка байта подтверждения"},  // no resend here
      {Cat(kAddress, {0xFA, 0x39}), false, "Неверная КС подтверждения записи"},
      {{0x09, 0x31, 0x32, 0x33, 0x34, 0x35, 0x37, 0xFA, 0x39},
       false,
       "Ошибка подтверждения команды"},
      {Bytes(kAddress.begin(), kAddress.begin() + 3), false, "Таймаут приема подтверждения"},
      {Cat(kAddress, {0xFA}), false, "Таймаут приема КС записи"},
  };
  for (const Case& c : cases) {
    screen_.ClearShown();
    Bytes seen, extra;
    peer_.Run([&](PtyPeer& p) {
      seen = p.Read(kRecord123.size());
      p.Write(c.reply);
      extra = p.Read(1, 250);
    });
    const uint8_t data[3] = {1, 2, 3};
    EXPECT_EQ(exchange_.SendRecord(address_, data, 3, 0xFA, Progress{}, Wait{10, 0}), c.ok);
    peer_.Join();
    EXPECT_EQ(seen, kRecord123);
    EXPECT_TRUE(extra.empty()) << "the record was sent again";
    if (c.message == nullptr) {
      EXPECT_TRUE(screen_.shown().empty());
    } else {
      ASSERT_EQ(screen_.MessageLines().size(), 1u) << c.message;
      EXPECT_EQ(screen_.MessageLines()[0], std::string("Ошибка: ") + c.message);
    }
  }
}

TEST_F(SerialExchangeTest, DisconnectClearsTheIdentityWhenTheReplyArrived) {
  Bytes seen;
  peer_.Run([&](PtyPeer& p) {
    seen = p.Read(9);
    p.Write(kConfirmFF);
  });
  EXPECT_TRUE(exchange_.Disconnect());
  peer_.Join();
  EXPECT_EQ(seen, kCommandFF);
  EXPECT_EQ(info_.kind, 0);
  EXPECT_EQ(info_.SerialText(), "");
  EXPECT_EQ(info_.name, "");
  EXPECT_TRUE(info_.session);  // the session flag is the window's
}

TEST_F(SerialExchangeTest, DisconnectWithABadReplyStillClearsButReports) {
  peer_.Run([&](PtyPeer& p) {
    p.Read(9);
    p.Write(Cat(kAddress, {0x00, 0x3F}));
  });
  EXPECT_FALSE(exchange_.Disconnect());
  peer_.Join();
  EXPECT_EQ(info_.kind, 0);
  EXPECT_EQ(screen_.MessageLines(),
            std::vector<std::string>{"Ошибка: Неверная контрольная сумма подтверждения команды"});
}

TEST_F(SerialExchangeTest, DisconnectTimeOutKeepsTheIdentity) {
  peer_.Run([&](PtyPeer& p) {
    p.Read(9);
    p.Write(Bytes(kConfirmFF.begin(), kConfirmFF.begin() + 8));
  });
  EXPECT_FALSE(exchange_.Disconnect());
  peer_.Join();
  EXPECT_EQ(info_.kind, 9);
  EXPECT_EQ(info_.SerialText(), "123456");
  EXPECT_EQ(screen_.MessageLines(), std::vector<std::string>{"Ошибка: Время ожидания вышло!"});
}

TEST_F(SerialExchangeTest, ProgressFollowsBytesOrRecordIndex) {
  Bytes record(kAddress);
  for (int i = 0; i < 200; ++i) record.push_back(static_cast<uint8_t>(i));
  uint8_t sum = 0;
  for (uint8_t b : record) sum = static_cast<uint8_t>(sum + b);
  record.push_back(sum);
  peer_.Run([&](PtyPeer& p) {
    p.Write(record);
    p.Read(9);
    p.Write(record);
    p.Read(9);
  });
  std::vector<uint8_t> data(200);
  ASSERT_TRUE(exchange_.ReceiveRecord(address_, data.data(), 200, ConfirmSource::Value(1),
                                      Progress{true, 0, 1}, Wait{5, 0}));
  std::vector<int> one = screen_.progress_positions();
  ASSERT_EQ(one.size(), 101u);
  EXPECT_EQ(one.front(), 0);
  EXPECT_EQ(one[50], 50);
  EXPECT_EQ(one.back(), 100);
  ASSERT_TRUE(exchange_.ReceiveRecord(address_, data.data(), 200, ConfirmSource::Value(1),
                                      Progress{true, 3, 4}, Wait{5, 0}));
  peer_.Join();
  const std::vector<int>& all = screen_.progress_positions();
  EXPECT_EQ(std::vector<int>(all.begin() + 101, all.end()), std::vector<int>{75});
}

TEST_F(SerialExchangeTest, BlocksAreConfirmedByOneByte) {
  Bytes answer_value, answer_indexed, sent;
  peer_.Run([&](PtyPeer& p) {
    p.Write({0x10, 0x20, 0x30});
    answer_value = p.Read(1);
    p.Write({0x10, 0x20, 0x30});
    answer_indexed = p.Read(1);
    sent = p.Read(2);
    p.Write({0xFE});  // ~sent[0]
  });
  uint8_t data[3] = {};
  EXPECT_TRUE(exchange_.ReceiveBlock(data, 3, Progress{}, ConfirmSource::Value(1), Wait{45, 0}));
  EXPECT_TRUE(exchange_.ReceiveBlock(data, 3, Progress{}, ConfirmSource::DataByte(2), Wait{45, 0}));
  const uint8_t number[2] = {0x01, 0x00};
  EXPECT_TRUE(exchange_.SendBlock(number, 2, Progress{}, ConfirmSource::DataByte(0), Wait{45, 0}));
  peer_.Join();
  EXPECT_EQ(answer_value, Bytes({0x01}));    // the value itself
  EXPECT_EQ(answer_indexed, Bytes({0xCF}));  // ~0x30
  EXPECT_EQ(sent, Bytes({0x01, 0x00}));
  EXPECT_EQ(Bytes(data, data + 3), Bytes({0x10, 0x20, 0x30}));
}

}  // namespace
}  // namespace telvane
