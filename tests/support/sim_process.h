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

// One telvane-sim process serving COMn of `port_dir`. The constructor returns
// once the link is in place (or the process died); the destructor stops the
// simulator with SIGTERM and waits for it.
class SimProcess {
 public:
  // `args` are the simulator's options after --port-dir and --com, e.g.
  // {"--kind", "6", "--serial", "123456", "--fault", "echo"}.
  SimProcess(const std::string& port_dir, int com, std::vector<std::string> args);
  ~SimProcess();
  SimProcess(const SimProcess&) = delete;
  SimProcess& operator=(const SimProcess&) = delete;

  // The link appeared and the process is running.
  bool ready() const { return ready_; }
  // Stops the simulator; returns its exit status (-1 when it did not exit).
  int Stop();
  // What the simulator wrote to stderr so far (its trace, its complaints).
  std::string Log() const;
  const std::string& link() const { return link_; }

 private:
  pid_t pid_ = -1;
  bool ready_ = false;
  std::string link_;
  std::string log_path_;
};

}  // namespace telvane::testing

#endif  // TELVANE_TESTS_SUPPORT_SIM_PROCESS_H_
