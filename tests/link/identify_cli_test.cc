// telvane-cli identify against simulators: what it prints, how it exits, and
// that it ends the session on the wire.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/sim_process.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

using testing::SimPortDir;
using testing::SimProcess;

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs telvane-cli with the port folder of the test in its environment.
CliRun Cli(const SimPortDir& ports, const std::string& args) {
  const std::string err_path = ports.path() + "/cli-stderr.txt";
  const std::string command = std::string(TELVANE_CLI_PATH) + " " + args + " 2>" + err_path;
  CliRun run;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) run.out += buffer;
  const int status = ::pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  const std::vector<uint8_t> err = testing::ReadAll(err_path);
  run.err.assign(err.begin(), err.end());
  return run;
}

TEST(IdentifyCliTest, PrintsTheInstrumentAndEndsTheSession) {
  SimPortDir ports;
  ports.AddDeadPort(1);
  SimProcess sim(ports.path(), 2, {"--kind", "11", "--serial", "T00042", "--trace"});
  ASSERT_TRUE(sim.ready());
  const CliRun run = Cli(ports, "identify");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "kind: 11\n"
            "name: Кабельный прибор КВР-ПРО-ТАВРА\n"
            "serial: T00042\n"
            "link: serial\n"
            "port: COM2\n"
            "baud: 115200\n");
  // The end-of-session command 0xFF came and was confirmed.
  EXPECT_NE(sim.Log().find("<- 0B 54 30 30 30 34 32 FF"), std::string::npos) << sim.Log();
  EXPECT_NE(sim.Log().find("-> 0B 54 30 30 30 34 32 00"), std::string::npos) << sim.Log();
}

TEST(IdentifyCliTest, FindsTheTextInstrumentWhenNoBinaryOneAnswers) {
  SimPortDir ports;
  SimProcess sim(ports.path(), 1, {"--kind", "255"});
  ASSERT_TRUE(sim.ready());
  const CliRun run = Cli(ports, "identify");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "kind: 255\n"
            "name: КВР-ПРО 9.31\n"
            "serial: ------\n"
            "link: serial (IrDA adapter)\n"
            "port: COM1\n"
            "baud: 19200\n");
}

TEST(IdentifyCliTest, NothingAnsweringExitsOneAfterTheWarning) {
  SimPortDir ports;
  ports.AddDeadPort(4);
  const CliRun run = Cli(ports, "identify");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("Telvane: Совместимые устройства не найдены Переподключите прибор и "
                         "попробуйте снова..."),
            std::string::npos)
      << run.err;
}

}  // namespace
}  // namespace telvane
