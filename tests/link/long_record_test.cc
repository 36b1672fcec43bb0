// A long record on the serial port: the frame written in its chunks with the
// bar after each, the pauses, the 9-byte confirmation and its rules, and the
// read time-out put back on every way out.
#include "link/long_record.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "link/serial_channel.h"
#include "link/serial_port.h"
#include "support/pty_peer.h"
#include "support/scripted_peer.h"
#include "support/scripted_screen.h"

namespace telvane {
namespace {

using testing::PeerAddress;
using testing::PeerBytes;
using testing::PeerFrame;
using testing::PeerJoin;
using testing::PtyPeer;
using testing::ScriptedPeer;
using testing::ScriptedScreen;

const PeerBytes kAddressBytes = PeerAddress(18, "123456");
const Address kAddress = {18, '1', '2', '3', '4', '5', '6'};

PeerBytes Data(size_t length) {
  PeerBytes data(length);
  for (size_t i = 0; i < length; ++i) data[i] = static_cast<uint8_t>(i * 7 + 3);
  return data;
}

// A channel whose writes fail after `writes` bytes, or whose reads fail.
class BrokenChannel : public ScriptedPeer {
 public:
  size_t writes_allowed = SIZE_MAX;
  bool reads_fail = false;
  bool WriteByte(uint8_t byte) override {
    if (writes_allowed == 0) return false;
    --writes_allowed;
    return ScriptedPeer::WriteByte(byte);
  }
  Read ReadByte(uint8_t& byte) override {
    return reads_fail ? Read::kError : ScriptedPeer::ReadByte(byte);
  }
};

class LongRecordTest : public ::testing::Test {
 protected:
  void SetUp() override { peer_.SetReadTimeout(5000); }
  bool Send(const PeerBytes& data, const LongRecordChunks& chunks) {
    return SendLongRecord(peer_, screen_, kAddress, data, chunks,
                          [this](std::chrono::milliseconds pause) { pauses_.push_back(pause); });
  }

  BrokenChannel peer_;
  ScriptedScreen screen_;
  std::vector<std::chrono::milliseconds> pauses_;
};

TEST_F(LongRecordTest, AddressDataSumIn50ByteChunksAndConfirmed) {
  const PeerBytes data = Data(120);
  peer_.Expect(PeerFrame({kAddressBytes, data}), PeerFrame({kAddressBytes, {0xFE}}));
  ASSERT_TRUE(Send(data, kFileChunks));
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  // 128 bytes: 50, 100, 128.
  EXPECT_EQ(screen_.progress_positions(), (std::vector<int>{39, 78, 100}));
  EXPECT_TRUE(pauses_.empty());
  EXPECT_EQ(peer_.timeouts(), (std::vector<int>{5000, 30000, 5000}));
  EXPECT_TRUE(screen_.messages().empty());
}

TEST_F(LongRecordTest, LoaderChunksAddressThen1024WithPauseAfterEach) {
  const PeerBytes data = Data(2000);
  peer_.Expect(PeerFrame({kAddressBytes, data}), PeerFrame({kAddressBytes, {0xFE}}));
  ASSERT_TRUE(Send(data, kLoaderChunks));
  // 2008 bytes: 7, 1031, 2008.
  EXPECT_EQ(screen_.progress_positions(), (std::vector<int>{0, 51, 100}));
  EXPECT_EQ(pauses_, (std::vector<std::chrono::milliseconds>(3, std::chrono::milliseconds(10))));
}

TEST_F(LongRecordTest, ConfirmationRules) {
  const PeerBytes data = Data(3);
  const PeerBytes frame = PeerFrame({kAddressBytes, data});
  struct Case {
    PeerBytes reply;
    const char* message;  // nullptr: fails without one
  } cases[] = {
      {PeerFrame({kAddressBytes, {0x01}}), "Ошибка байта подтверждения"},
      {PeerFrame({PeerAddress(18, "123457"), {0xFE}}), nullptr},
      {PeerJoin({kAddressBytes, {0xFE, 0x00}}), nullptr},
      {PeerJoin({kAddressBytes, {0xFE}}), "Таймаут приема подтверждения"},
  };
  for (const Case& c : cases) {
    BrokenChannel peer;
    peer.SetReadTimeout(5000);
    ScriptedScreen screen;
    peer.Expect(frame, c.reply);
    EXPECT_FALSE(SendLongRecord(peer, screen, kAddress, data, kFileChunks));
    if (c.message == nullptr) {
      EXPECT_TRUE(screen.messages().empty()) << screen.MessageLines()[0];
    } else {
      ASSERT_EQ(screen.messages().size(), 1u);
      EXPECT_EQ(screen.messages()[0].text, c.message);
      EXPECT_EQ(screen.messages()[0].caption, "Ошибка");
    }
    EXPECT_EQ(peer.timeouts().back(), 5000);
  }
}

TEST_F(LongRecordTest, WriteAndReadFailuresPutTheTimeoutBack) {
  const PeerBytes data = Data(100);
  peer_.writes_allowed = 60;
  peer_.Expect(PeerFrame({kAddressBytes, data}));
  EXPECT_FALSE(Send(data, kFileChunks));
  EXPECT_EQ(screen_.MessageLines(), (std::vector<std::string>{"Ошибка: Ошибка посылки буфера"}));
  EXPECT_EQ(screen_.progress_positions(), (std::vector<int>{46}));  // the first chunk went
  EXPECT_EQ(peer_.timeouts(), (std::vector<int>{5000, 30000, 5000}));

  BrokenChannel reading;
  reading.SetReadTimeout(1800000);
  reading.reads_fail = true;
  ScriptedScreen screen;
  reading.Expect(PeerFrame({kAddressBytes, data}));
  EXPECT_FALSE(SendLongRecord(reading, screen, kAddress, data, kFileChunks));
  EXPECT_EQ(screen.MessageLines(),
            (std::vector<std::string>{"Ошибка: Ошибка приема подтверждения"}));
  EXPECT_EQ(reading.timeouts(), (std::vector<int>{1800000, 30000, 1800000}));
}

// The same on a real port: a pseudo-terminal whose far end checks the bytes.
TEST(LongRecordPtyTest, GoldenBytesOnTheWireAndTimeoutRestored) {
  PtyPeer pty;
  ASSERT_TRUE(pty.ok());
  SerialPort port;
  ASSERT_TRUE(port.OpenDevice(pty.device()));
  ASSERT_TRUE(port.SetReadTimeout(5000));
  SerialChannel channel(port);
  const PeerBytes data = Data(1500);
  const PeerBytes frame = PeerFrame({kAddressBytes, data});
  PeerBytes seen;
  pty.Run([&](PtyPeer& far) {
    seen = far.Read(frame.size());
    far.Write(PeerFrame({kAddressBytes, {0xFE}}));
  });
  ScriptedScreen screen;
  int pauses = 0;
  EXPECT_TRUE(SendLongRecord(channel, screen, kAddress, data, kLoaderChunks,
                             [&](std::chrono::milliseconds) { ++pauses; }));
  pty.Join();
  EXPECT_EQ(seen, frame);
  EXPECT_EQ(pauses, 3);  // 7, 1024, 477
  EXPECT_EQ(port.read_timeout(), 5000);

  // A confirmation with a wrong byte 7: refused, and the time-out set before
  // is back.
  ASSERT_TRUE(port.SetReadTimeout(1800000));
  pty.Run([&](PtyPeer& far) {
    far.Read(frame.size());
    far.Write(PeerFrame({kAddressBytes, {0x00}}));
  });
  EXPECT_FALSE(SendLongRecord(channel, screen, kAddress, data, kLoaderChunks,
                              [&](std::chrono::milliseconds) {}));
  pty.Join();
  EXPECT_TRUE(screen.HasMessage("Ошибка байта подтверждения"));
  EXPECT_EQ(port.read_timeout(), 1800000);
}

}  // namespace
}  // namespace telvane
