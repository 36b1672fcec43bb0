// telvane-cli identify with an IrDA device in range: the socket is tried
// before the serial ports, and the session ends over it.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "link/irda/busy_device.h"
#include "support/sim_irda.h"
#include "support/sim_process.h"

namespace telvane {
namespace {

std::string RunIdentify(int& status, const std::string& options = "") {
  const std::string command = std::string(TELVANE_CLI_PATH) + options + " identify 2>&1";
  std::string out;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return out;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) out += buffer;
  const int result = ::pclose(pipe);
  status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
  return out;
}

TEST(IrdaIdentifyCliTest, TriesTheSocketBeforeTheSerialPorts) {
  testing::SimPortDir ports;
  testing::IrdaSimDir irda;
  // An instrument on COM1 as well: it must not be the one found.
  testing::SimProcess serial(ports.path(), 1, {"--kind", "19", "--serial", "E10001"});
  testing::IrdaSimProcess device(irda, "КВР-ПРО-'30'",
                                 {"--kind", "16", "--serial", "4E0017", "--trace"});
  ASSERT_TRUE(serial.ready());
  ASSERT_TRUE(device.ready()) << device.Log();

  int status = -1;
  const std::string out = RunIdentify(status);
  EXPECT_EQ(status, 0) << out;
  EXPECT_NE(out.find("kind: 16\nname: КВР-ПРО-'30'\nserial: 4E0017\nlink: irda\n"),
            std::string::npos)
      << out;
  // The end-of-session command went to the IrDA device.
  device.Stop();
  EXPECT_NE(device.Log().find("<- 10 34 45 30 30 31 37 FF"), std::string::npos) << device.Log();
}

TEST(IrdaIdentifyCliTest, SilentDeviceLeavesTheSerialSearch) {
  testing::SimPortDir ports;
  testing::IrdaSimDir irda;
  testing::SimProcess serial(ports.path(), 1, {"--kind", "19", "--serial", "E10001"});
  testing::IrdaSimProcess device(irda, "dev",
                                 {"--kind", "12", "--serial", "4E0017", "--fault", "silent"});
  ASSERT_TRUE(serial.ready());
  ASSERT_TRUE(device.ready());
  int status = -1;
  const std::string out = RunIdentify(status);
  EXPECT_EQ(status, 0) << out;
  EXPECT_NE(out.find("kind: 19\n"), std::string::npos) << out;
  EXPECT_NE(out.find("link: serial\n"), std::string::npos) << out;
}

TEST(IrdaIdentifyCliTest, ADeviceThatNeverAcceptsDoesNotHoldTheSearch) {
  testing::SimPortDir ports;
  testing::IrdaSimDir irda;
  testing::SimProcess serial(ports.path(), 1, {"--kind", "19", "--serial", "E10001"});
  testing::BusyDevice busy(irda.path(), "busy");
  ASSERT_TRUE(serial.ready());
  ASSERT_TRUE(busy.full());
  int status = -1;
  const auto start = std::chrono::steady_clock::now();
  const std::string out = RunIdentify(status, " --yes");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20)) << out;
  // As with a refused connection: the message, then the serial search.
  EXPECT_NE(out.find("Невозможно соединение с устройством. Ошибка: 110"), std::string::npos) << out;
  EXPECT_EQ(status, 0) << out;
  EXPECT_NE(out.find("kind: 19\n"), std::string::npos) << out;
  EXPECT_NE(out.find("link: serial\n"), std::string::npos) << out;
}

}  // namespace
}  // namespace telvane
