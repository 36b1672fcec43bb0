// The port layer: mode strings, COM names and where they lead, exclusive
// opening, line speeds and the read time-out rule.
#include "link/serial_port.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>

#include "link/port_names.h"
#include "link/port_setup.h"
#include "support/pty_peer.h"
#include "support/scripted_screen.h"
#include "support/sim_process.h"

namespace telvane {
namespace {

TEST(ModeStringTest, TheProgramsOwnStringsAreAccepted) {
  for (const char* mode : {kSearchMode, kSessionMode, kTextMode}) {
    ASSERT_TRUE(ParseModeString(mode).has_value()) << mode;
  }
  const LineSettings s = *ParseModeString("BAUD=19200 Parity=e DATA=7 stop=2");
  EXPECT_EQ(s.baud, 19200u);
  EXPECT_EQ(s.parity, 'E');
  EXPECT_EQ(s.data_bits, 7);
  EXPECT_EQ(s.stop_bits, 2);
}

TEST(ModeStringTest, MalformedStringsAreRejected) {
  for (const char* mode :
       {"", "   ", "baud", "baud=", "=9600", "baud=96x0", "baud=0", "parity=Q", "data=9", "data=4",
        "stop=3", "speed=9600", "baud=9600 parity=N data=8 stop=1.5", "baud=9600 data=5 stop=2",
        "dtr=maybe"}) {
    EXPECT_FALSE(ParseModeString(mode).has_value()) << '"' << mode << '"';
  }
  EXPECT_TRUE(ParseModeString("data=5 stop=1.5").has_value());
}

TEST(ModeStringTest, ARejectedStringIsReportedBeforeAnyPortOpens) {
  testing::ScriptedScreen screen;
  EXPECT_FALSE(BuildSettings("baud=9600 parity=X", screen, "Внутренняя ошибка DCB", "Ошибка"));
  EXPECT_EQ(screen.MessageLines(), std::vector<std::string>{"Ошибка: Внутренняя ошибка DCB"});
}

TEST(PortNameTest, NamesFromTenUpwardsUseTheDevicePrefix) {
  EXPECT_EQ(PortName(1), "COM1");
  EXPECT_EQ(PortName(9), "COM9");
  EXPECT_EQ(PortName(10), "\\\\.\\COM10");
  EXPECT_EQ(PortName(254), "\\\\.\\COM254");
  EXPECT_EQ(PortNumber("COM7"), 7u);
  EXPECT_EQ(PortNumber("\\\\.\\COM254"), 254u);
  EXPECT_EQ(PortNumber("\\\\.\\COM3"), 3u);
  for (const char* bad : {"COM0", "COM255", "COM", "COM07", "LPT1", "com1", "COM1x"}) {
    EXPECT_FALSE(PortNumber(bad).has_value()) << bad;
  }
}

TEST(PortNameTest, PortFolderIsTheOnlySourceOfPorts) {
  testing::SimPortDir ports;
  ports.AddDeadPort(12);
  EXPECT_EQ(ResolvePortName("\\\\.\\COM12"), ports.path() + "/COM12");
  EXPECT_FALSE(ResolvePortName("COM1").has_value());
  EXPECT_FALSE(ResolvePortName("COM13").has_value());
  SerialPort port;
  EXPECT_FALSE(port.Open("\\\\.\\COM12"));  // exists, but is no terminal
}

TEST(SerialPortTest, OpeningIsExclusiveWhicheverNameLeadsThere) {
  testing::PtyPeer peer;
  testing::SimPortDir ports;
  const std::string link = ports.path() + "/COM3";
  ASSERT_EQ(::symlink(peer.device().c_str(), link.c_str()), 0);
  SerialPort first, second;
  ASSERT_TRUE(first.Open("COM3"));
  EXPECT_FALSE(second.OpenDevice(peer.device()));
  EXPECT_FALSE(second.Open("COM3"));
  first.Close();
  EXPECT_TRUE(second.Open("COM3"));
}

TEST(SerialPortTest, EveryIrdaSpeedReachesTheDevice) {
  testing::PtyPeer peer;
  SerialPort port;
  ASSERT_TRUE(port.OpenDevice(peer.device()));
  ASSERT_TRUE(port.Apply(*ParseModeString(kSearchMode)));
  for (uint32_t baud : {9600u, 19200u, 28800u, 57600u, 115200u, 38400u}) {
    ASSERT_TRUE(port.SetBaud(baud)) << baud;
    EXPECT_EQ(port.DeviceBaud(), baud);
  }
}

TEST(SerialPortTest, AReadThatMovesNothingIsATimeOutAndPurgeDropsQueuedBytes) {
  testing::PtyPeer peer;
  SerialPort port;
  ASSERT_TRUE(port.OpenDevice(peer.device()));
  ASSERT_TRUE(port.Apply(*ParseModeString(kSearchMode)));
  ASSERT_TRUE(port.SetReadTimeout(140));
  uint8_t b = 0;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(port.ReadByte(b), ReadResult::kTimeout);
  EXPECT_EQ(port.last_count(), 0u);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(130));

  peer.Write({0x41, 0x42, 0x43});
  ASSERT_EQ(port.ReadByte(b), ReadResult::kByte);  // one byte, the rest queued
  EXPECT_EQ(b, 0x41);
  EXPECT_EQ(port.last_count(), 1u);
  port.Purge(true, true);
  EXPECT_EQ(port.ReadByte(b), ReadResult::kTimeout);

  ASSERT_TRUE(port.Write(reinterpret_cast<const uint8_t*>("ok"), 2));
  EXPECT_EQ(peer.Read(2), std::vector<uint8_t>({'o', 'k'}));

  // A confirmation written just before the next transfer's purge still
  // reaches the instrument, while the stale input is gone.
  peer.Write({0x55});
  const uint8_t confirmation = 0xFE;
  ASSERT_TRUE(port.Write(&confirmation, 1));
  port.Purge(true, true);
  EXPECT_EQ(peer.Read(1), std::vector<uint8_t>({0xFE}));
  EXPECT_EQ(port.ReadByte(b), ReadResult::kTimeout);
}

}  // namespace
}  // namespace telvane
