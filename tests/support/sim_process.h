// Starting telvane-sim for a test: a temporary port folder that stands in for
// the machine's serial ports (TELVANE_PORT_DIR points at it while the object
// lives), and simulator processes that each place their COMn link in it.
#ifndef TELVANE_TESTS_SUPPORT_SIM_PROCESS_H_
#define TELVANE_TESTS_SUPPORT_SIM_PROCESS_H_

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace telvane::testing {

// A temporary folder set as TELVANE_PORT_DIR; the previous value comes back
// when the object goes.
class SimPortDir {
 public:
  SimPortDir();
  ~SimPortDir();
  SimPortDir(const SimPortDir&) = delete;
  SimPortDir& operator=(const SimPortDir&) = delete;

  std::string path() const { return dir_.path().string(); }
  // The link COMn, as a port that exists but is no terminal.
  void AddDeadPort(int com) const;

 private:
  TempDir dir_;
  std::optional<std::string> previous_;
};

// One running telvane-sim: started with `args`, its stderr in `log_path`. The
// constructor returns once `ready_path` exists (or the process died); the
// destructor stops the simulator with SIGTERM and waits for it.
class SimulatorProcess {
 public:
  SimulatorProcess(std::vector<std::string> args, std::string log_path,
                   const std::string& ready_path);
  ~SimulatorProcess();
  SimulatorProcess(const SimulatorProcess&) = delete;
  SimulatorProcess& operator=(const SimulatorProcess&) = delete;

  // The simulator placed its port or socket and is running.
  bool ready() const { return ready_; }
  // Stops the simulator; returns its exit status (-1 when it did not exit).
  int Stop();
  // What the simulator wrote to stderr so far (its trace, its complaints).
  std::string Log() const;

 private:
  pid_t pid_ = -1;
  bool ready_ = false;
  std::string log_path_;
};

// One telvane-sim serving COMn of `port_dir`.
class SimProcess : public SimulatorProcess {
 public:
  // `args` are the simulator's options after --port-dir and --com, e.g.
  // {"--kind", "6", "--serial", "123456", "--fault", "echo"}.
  SimProcess(const std::string& port_dir, int com, std::vector<std::string> args);

  const std::string& link() const { return link_; }

 private:
  std::string link_;
};

// One run of telvane-cli with `arguments` (shell words, quoted by the caller):
// its exit status (-1 when it did not exit) and what it wrote to stdout and
// stderr together.
struct CliResult {
  int status = -1;
  std::string output;
};
CliResult RunCli(const std::string& arguments);

// A word quoted for the shell.
std::string ShellQuote(const std::string& word);

}  // namespace telvane::testing

#endif  // TELVANE_TESTS_SUPPORT_SIM_PROCESS_H_
