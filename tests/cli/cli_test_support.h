// What the command-line tests share: a simulated meter on COM1 of a temporary
// port folder, traced so that a test can count the frames it received.
#ifndef TELVANE_TESTS_CLI_CLI_TEST_SUPPORT_H_
#define TELVANE_TESTS_CLI_CLI_TEST_SUPPORT_H_

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/sim_process.h"
#include "support/temp_dir.h"

namespace telvane::testing {

inline constexpr char kSerial[] = "C12345";

class CliSimTest : public ::testing::Test {
 protected:
  // Starts (or restarts) the simulator as `kind` with `more` options.
  void StartSim(int kind, std::vector<std::string> more = {}) {
    sim_.reset();
    std::vector<std::string> args = {"--kind", std::to_string(kind), "--serial", kSerial,
                                     "--trace"};
    args.insert(args.end(), more.begin(), more.end());
    sim_ = std::make_unique<SimProcess>(ports_.path(), 1, args);
    ASSERT_TRUE(sim_->ready());
    kind_ = kind;
  }
  std::string Log() const { return sim_ ? sim_->Log() : ""; }
  // How often the simulator received the command frame `code` of its kind.
  int CommandsReceived(int code) const;
  // Frames of at least `length` bytes the simulator received.
  int RecordsReceived(size_t length) const;
  std::string File(const std::string& name) const { return dir_.File(name); }
  std::string Quoted(const std::string& name) const { return ShellQuote(dir_.File(name)); }

  SimPortDir ports_;
  TempDir dir_;
  std::unique_ptr<SimProcess> sim_;
  int kind_ = 0;
};

// Text of a CP1251 file as UTF-8.
std::string FileText(const std::string& path);

}  // namespace telvane::testing

#endif  // TELVANE_TESTS_CLI_CLI_TEST_SUPPORT_H_
