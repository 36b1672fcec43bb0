#include "support/sim_irda.h"

#include <cstdlib>
#include <functional>

namespace telvane::testing {
namespace {

std::vector<std::string> DeviceArgs(const IrdaSimDir& dir, const std::string& name,
                                    std::vector<std::string> args) {
  std::vector<std::string> words = {"--irda-dir", dir.path(), "--name", name};
  words.insert(words.end(), args.begin(), args.end());
  return words;
}

}  // namespace

IrdaSimDir::IrdaSimDir() {
  if (const char* old = std::getenv("TELVANE_IRDA_DIR")) previous_ = old;
  ::setenv("TELVANE_IRDA_DIR", path().c_str(), 1);
}

IrdaSimDir::~IrdaSimDir() {
  if (previous_) {
    ::setenv("TELVANE_IRDA_DIR", previous_->c_str(), 1);
  } else {
    ::unsetenv("TELVANE_IRDA_DIR");
  }
}

// The logs stay outside the folder of devices, which holds sockets only.
IrdaSimProcess::IrdaSimProcess(const IrdaSimDir& dir, const std::string& name,
                               std::vector<std::string> args)
    : SimulatorProcess(
          DeviceArgs(dir, name, std::move(args)),
          dir.log_dir() + "/" + std::to_string(std::hash<std::string>{}(name)) + ".log",
          dir.path() + "/" + name) {}

}  // namespace telvane::testing
