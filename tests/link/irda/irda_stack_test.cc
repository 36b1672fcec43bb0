// The device list layout and the emulated stack seen from the link code.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

#include "link/irda/busy_device.h"
#include "link/irda/irda_peer.h"
#include "link/irda_emulated_stack.h"
#include "link/irda_system_stack.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

using testing::Bytes;

TEST(DeviceListTest, LayoutIsCountThenTwentyNineByteEntries) {
  const auto list = BuildDeviceList({{{0x11, 0x22, 0x33, 0x44}, "AB"}, {{1, 2, 3, 4}, "C"}});
  Bytes expected(297, 0);
  expected[0] = 2;
  // Entry 0 at 4: id, then the name zero-filled to 22 bytes, hints, charset.
  expected[4] = 0x11, expected[5] = 0x22, expected[6] = 0x33, expected[7] = 0x44;
  expected[8] = 'A', expected[9] = 'B';
  // Entry 1 at 33.
  expected[33] = 1, expected[34] = 2, expected[35] = 3, expected[36] = 4;
  expected[37] = 'C';
  EXPECT_EQ(Bytes(list.begin(), list.end()), expected);

  const auto devices = ParseDeviceList(list.data(), list.size());
  ASSERT_EQ(devices.size(), 2u);
  EXPECT_EQ(devices[0].name, "AB");
  EXPECT_EQ(devices[1].id, (DeviceId{1, 2, 3, 4}));
}

TEST(DeviceListTest, CountIsTrustedOnlyAsFarAsEntriesFit) {
  uint8_t list[297];
  std::memset(list, 'x', sizeof(list));
  list[0] = 0xFF, list[1] = 0xFF, list[2] = 0, list[3] = 0;
  const auto devices = ParseDeviceList(list, sizeof(list));
  ASSERT_EQ(devices.size(), 10u);
  // A name that fills all 22 bytes has no terminator and stops at the field.
  EXPECT_EQ(devices[9].name, std::string(22, 'x'));
  EXPECT_TRUE(ParseDeviceList(list, 3).empty());
}

TEST(SystemStackTest, DoesNotStartOnLinux) {
  SystemIrdaStack stack;
  uint16_t granted = 0xFFFF;
  EXPECT_FALSE(stack.Startup(kIrdaLibraryVersion, granted));
  EXPECT_EQ(stack.OpenSocket(kIrdaFamily, kStreamSocket, 0), IrdaStack::kNoSocket);
}

class EmulatedStackTest : public ::testing::Test {
 protected:
  Bytes List(EmulatedIrdaStack& stack) {
    const int s = stack.OpenSocket(kIrdaFamily, kStreamSocket, 0);
    EXPECT_GE(s, 0);
    Bytes list(297, 0xEE);
    EXPECT_TRUE(stack.EnumerateDevices(s, list.data(), list.size()));
    stack.Close(s);
    return list;
  }
  testing::TempDir dir_;
};

TEST_F(EmulatedStackTest, EverySocketOfTheFolderIsADevice) {
  testing::IrdaPeer first(dir_.path().string(), "Керван-ПРО 2.6X");
  testing::WriteAll(dir_.File("notes.txt"), {'n'});
  testing::IrdaPeer hidden(dir_.path().string(), ".binding");
  EmulatedIrdaStack stack(dir_.path().string());
  uint16_t granted = 0;
  ASSERT_TRUE(stack.Startup(kIrdaLibraryVersion, granted));
  EXPECT_EQ(granted, 0x0202);

  Bytes list = List(stack);
  auto devices = ParseDeviceList(list.data(), list.size());
  ASSERT_EQ(devices.size(), 1u);
  // The name travels in CP1251.
  EXPECT_EQ(devices[0].name, "\xCA\xE5\xF0\xE2\xE0\xED-\xCF\xD0\xCE 2.6X");
  const DeviceId id = devices[0].id;

  // Another device in range leaves the first one's id alone.
  testing::IrdaPeer second(dir_.path().string(), "0-first-by-name");
  list = List(stack);
  devices = ParseDeviceList(list.data(), list.size());
  ASSERT_EQ(devices.size(), 2u);
  EXPECT_EQ(devices[0].name, "0-first-by-name");
  EXPECT_EQ(devices[1].id, id);
  EXPECT_NE(devices[0].id, id);
}

TEST_F(EmulatedStackTest, LongNamesAreCutToTwentyTwoBytes) {
  testing::IrdaPeer peer(dir_.path().string(), "abcdefghijklmnopqrstuvwxyz");
  EmulatedIrdaStack stack(dir_.path().string());
  const Bytes list = List(stack);
  EXPECT_EQ(list[0], 1);
  EXPECT_EQ(std::string(list.begin() + 8, list.begin() + 30), "abcdefghijklmnopqrstuv");
  EXPECT_EQ(list[30], 0);  // hint bytes and character set follow
}

TEST_F(EmulatedStackTest, ConnectsOnlyToTheClientService) {
  testing::IrdaPeer peer(dir_.path().string(), "dev");
  peer.Read(3);
  peer.Start();
  EmulatedIrdaStack stack(dir_.path().string());
  const DeviceId id = EmulatedIrdaStack::IdOf("dev");
  const int s = stack.OpenSocket(kIrdaFamily, kStreamSocket, 0);

  IrdaAddress other = IrClientAddress(id);
  std::strcpy(other.service.data(), "IrOther");
  EXPECT_FALSE(stack.Connect(s, other));
  IrdaAddress unknown = IrClientAddress({9, 9, 9, 9});
  EXPECT_FALSE(stack.Connect(s, unknown));

  ASSERT_TRUE(stack.Connect(s, IrClientAddress(id)));
  const uint8_t hello[] = {1, 2, 3};
  EXPECT_EQ(stack.Send(s, hello, 3), 3);
  stack.Close(s);
  EXPECT_EQ(peer.Finish(), (Bytes{1, 2, 3}));
}

TEST_F(EmulatedStackTest, AClosedPeerIsAReceiveFailure) {
  testing::IrdaPeer peer(dir_.path().string(), "dev");
  peer.Start();  // reads until the program ends its side, then closes
  EmulatedIrdaStack stack(dir_.path().string());
  const int s = stack.OpenSocket(kIrdaFamily, kStreamSocket, 0);
  ASSERT_TRUE(stack.Connect(s, IrClientAddress(EmulatedIrdaStack::IdOf("dev"))));
  shutdown(s, SHUT_WR);  // the peer sees the end and closes its side
  EXPECT_EQ(stack.Select(s, WaitMode::kReadable, {5, 0}), 1);
  uint8_t byte;
  EXPECT_EQ(stack.Receive(s, &byte, 1), -1);
  EXPECT_NE(stack.LastError(), 0);
  stack.Close(s);
  peer.Finish();
}

TEST_F(EmulatedStackTest, ADeviceThatNeverAcceptsIsRefusedAfterABoundedWait) {
  testing::BusyDevice busy(dir_.path().string(), "busy");
  ASSERT_TRUE(busy.full());
  EmulatedIrdaStack stack(dir_.path().string());
  const int s = stack.OpenSocket(kIrdaFamily, kStreamSocket, 0);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(stack.Connect(s, IrClientAddress(EmulatedIrdaStack::IdOf("busy"))));
  const auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(stack.LastError(), ETIMEDOUT);
  EXPECT_GE(waited, EmulatedIrdaStack::kConnectWait);
  EXPECT_LT(waited, std::chrono::seconds(3));
  stack.Close(s);
}

}  // namespace
}  // namespace telvane
