#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "link/irda/irda_sim.h"

namespace telvane::testing {

namespace {

constexpr auto kStartLimit = std::chrono::seconds(10);

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

IrdaSimProcess::IrdaSimProcess(const IrdaSimDir& dir, const std::string& name,
                               std::vector<std::string> args) {
  const std::string socket_path = dir.path() + "/" + name;
  log_path_ = dir.log_dir() + "/" + std::to_string(std::hash<std::string>{}(name)) + ".log";
  std::vector<std::string> words = {TELVANE_SIM_PATH, "--irda-dir", dir.path(), "--name", name};
  words.insert(words.end(), args.begin(), args.end());
  pid_ = ::fork();
  if (pid_ == 0) {
    const int log = ::open(log_path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (log >= 0) ::dup2(log, 2);
    const int null = ::open("/dev/null", O_RDWR);
    if (null >= 0) {
      ::dup2(null, 0);
      ::dup2(null, 1);
    }
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  if (pid_ < 0) return;
  const auto deadline = std::chrono::steady_clock::now() + kStartLimit;
  while (std::chrono::steady_clock::now() < deadline) {
    struct stat st;
    if (::stat(socket_path.c_str(), &st) == 0 && S_ISSOCK(st.st_mode)) {
      ready_ = true;
      return;
    }
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

int IrdaSimProcess::Stop() {
  if (pid_ <= 0) return -1;
  ::kill(pid_, SIGTERM);
  int status = 0;
  const pid_t done = ::waitpid(pid_, &status, 0);
  pid_ = -1;
  if (done <= 0 || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

IrdaSimProcess::~IrdaSimProcess() { Stop(); }

std::string IrdaSimProcess::Log() const {
  std::ifstream in(log_path_);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace telvane::testing
