// telvane-sim seen from the wire alone: the bytes it answers with, written
// out by hand. Instrument: kind 9, serial "123456" (address sum 0x3E).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/port_setup.h"
#include "link/serial_port.h"
#include "support/sim_process.h"

namespace telvane {
namespace {

using Bytes = std::vector<uint8_t>;

class SimWireTest : public ::testing::Test {
 protected:
  void Start(std::vector<std::string> more = {}) {
    std::vector<std::string> args = {"--kind", "9", "--serial", "123456", "--trace"};
    args.insert(args.end(), more.begin(), more.end());
    sim_ = std::make_unique<testing::SimProcess>(ports_.path(), 5, args);
    ASSERT_TRUE(sim_->ready());
    ASSERT_TRUE(port_.Open("COM5"));
    ASSERT_TRUE(port_.Apply(*ParseModeString(kSearchMode)));
    ASSERT_TRUE(port_.SetReadTimeout(500));
  }

  Bytes Exchange(const Bytes& out, size_t expect) {
    port_.Write(out.data(), out.size());
    Bytes in;
    uint8_t b = 0;
    while (in.size() < expect && port_.ReadByte(b) == ReadResult::kByte) in.push_back(b);
    return in;
  }

  testing::SimPortDir ports_;
  std::unique_ptr<testing::SimProcess> sim_;
  SerialPort port_;
};

const Bytes kIdentification = {0x09, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x0D, 0x4B};
const Bytes kSyncFrame = {0x09, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x3E};
const Bytes kSyncReply = {0x09, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36,
                          0xCE, 0xCD, 0xCC, 0xCB, 0xCA, 0xC9, 0x03};

TEST_F(SimWireTest, ProbeSynchronisationAndEndOfSession) {
  Start();
  EXPECT_TRUE(Exchange({0x14}, 1).empty());  // another kind's code: silence
  EXPECT_EQ(Exchange({0x09}, 9), kIdentification);
  EXPECT_EQ(Exchange(kSyncFrame, 14), kSyncReply);
  // A command the kind does not know is not confirmed.
  EXPECT_TRUE(Exchange({0x09, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x77, 0xB5}, 1).empty());
  // A command frame with a wrong sum is ignored.
  EXPECT_TRUE(Exchange({0x09, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0xFF, 0x3E}, 1).empty());
  EXPECT_EQ(Exchange({0x09, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0xFF, 0x3D}, 9),
            Bytes({0x09, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x00, 0x3E}));
  // The session is over: the code identifies again.
  EXPECT_EQ(Exchange({0x09}, 9), kIdentification);
  const std::string log = sim_->Log();
  EXPECT_NE(log.find("sim: -> 09 31 32 33 34 35 36 0D 4B"), std::string::npos) << log;
  EXPECT_NE(log.find("sim: <- 09 31 32 33 34 35 36 FF 3D"), std::string::npos) << log;
}

TEST_F(SimWireTest, FaultsShapeTheReplies) {
  Start({"--fault", "bad-id-sum", "--baud-code", "3", "--fault", "silence-after:12"});
  Bytes spoiled = kIdentification;
  spoiled[7] = 0x03;
  spoiled[8] = 0x42;  // 0x3E + 0x03 + 1
  EXPECT_EQ(Exchange({0x09}, 9), spoiled);
  // Only 3 more bytes go out before the silence.
  EXPECT_EQ(Exchange(kSyncFrame, 14), Bytes(kSyncReply.begin(), kSyncReply.begin() + 3));
}

TEST_F(SimWireTest, EchoPortReturnsEveryByte) {
  Start({"--fault", "echo"});
  EXPECT_EQ(Exchange({0x09, 0x55, 0xAA}, 3), Bytes({0x09, 0x55, 0xAA}));
}

// address + bytes + their 8-bit sum.
Bytes Frame(const Bytes& address, const Bytes& bytes) {
  Bytes frame = address;
  frame.insert(frame.end(), bytes.begin(), bytes.end());
  unsigned sum = 0;
  for (const uint8_t b : frame) sum += b;
  frame.push_back(static_cast<uint8_t>(sum));
  return frame;
}

TEST_F(SimWireTest, CompactTypeListIsNumberedFromOne) {
  sim_ = std::make_unique<testing::SimProcess>(
      ports_.path(), 5, std::vector<std::string>{"--kind", "7", "--serial", "123456", "--trace"});
  ASSERT_TRUE(sim_->ready());
  ASSERT_TRUE(port_.Open("COM5"));
  ASSERT_TRUE(port_.Apply(*ParseModeString(kSearchMode)));
  ASSERT_TRUE(port_.SetReadTimeout(500));
  const Bytes address = {0x07, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36};
  ASSERT_EQ(Exchange({0x07}, 9).size(), 9u);
  ASSERT_EQ(Exchange(Frame(address, {}), 14).size(), 14u);
  ASSERT_EQ(Exchange(Frame(address, {0x22}), 9), Frame(address, {0xDD}));
  // Eight 17-byte types, numbered 1 to 8 in list order, each confirmed with
  // the complement of its number.
  Bytes confirmation;
  for (uint8_t number = 1; number <= 8; ++number) {
    const Bytes record = Exchange(confirmation, 7 + 1 + 17 + 1);
    ASSERT_EQ(record.size(), 26u) << sim_->Log();
    EXPECT_EQ(record[7], number);
    confirmation = Frame(address, {static_cast<uint8_t>(~number)});
  }
  // After the last confirmation nothing more comes.
  EXPECT_TRUE(Exchange(confirmation, 1).empty());
}

}  // namespace
}  // namespace telvane
