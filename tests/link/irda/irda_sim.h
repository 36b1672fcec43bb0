// telvane-sim as IrDA devices for the end-to-end tests: a temporary folder of
// devices in range (TELVANE_IRDA_DIR points at it while the object lives) and
// simulator processes that each listen there under a device name.
#ifndef TELVANE_TESTS_LINK_IRDA_IRDA_SIM_H_
#define TELVANE_TESTS_LINK_IRDA_IRDA_SIM_H_

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace telvane::testing {

class IrdaSimDir {
 public:
  IrdaSimDir();
  ~IrdaSimDir();
  IrdaSimDir(const IrdaSimDir&) = delete;
  IrdaSimDir& operator=(const IrdaSimDir&) = delete;

  std::string path() const { return dir_.path().string(); }
  // Where the simulators' logs go (outside the folder of devices).
  std::string log_dir() const { return logs_.path().string(); }

 private:
  TempDir dir_;
  TempDir logs_;
  std::optional<std::string> previous_;
};

// One telvane-sim serving the device `name`; the constructor returns once the
// socket is in place (or the process died), the destructor stops it.
class IrdaSimProcess {
 public:
  // `args`: the options after --irda-dir and --name, e.g.
  // {"--kind", "12", "--serial", "123456", "--fault", "silent"}.
  IrdaSimProcess(const IrdaSimDir& dir, const std::string& name, std::vector<std::string> args);
  ~IrdaSimProcess();
  IrdaSimProcess(const IrdaSimProcess&) = delete;
  IrdaSimProcess& operator=(const IrdaSimProcess&) = delete;

  bool ready() const { return ready_; }
  // Stops the simulator; its exit status (-1 when it did not exit normally).
  int Stop();
  std::string Log() const;

 private:
  pid_t pid_ = -1;
  bool ready_ = false;
  std::string log_path_;
};

}  // namespace telvane::testing

#endif  // TELVANE_TESTS_LINK_IRDA_IRDA_SIM_H_
