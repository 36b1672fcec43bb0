// telvane-sim as IrDA devices for the end-to-end tests: a temporary folder of
// devices in range (TELVANE_IRDA_DIR points at it while the object lives) and
// simulator processes that each listen there under a device name.
#ifndef TELVANE_TESTS_SUPPORT_SIM_IRDA_H_
#define TELVANE_TESTS_SUPPORT_SIM_IRDA_H_

#include <optional>
#include <string>
#include <vector>

#include "support/sim_process.h"
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
class IrdaSimProcess : public SimulatorProcess {
 public:
  // `args`: the options after --irda-dir and --name, e.g.
  // {"--kind", "12", "--serial", "123456", "--fault", "silent"}.
  IrdaSimProcess(const IrdaSimDir& dir, const std::string& name, std::vector<std::string> args);
};

}  // namespace telvane::testing

#endif  // TELVANE_TESTS_SUPPORT_SIM_IRDA_H_
