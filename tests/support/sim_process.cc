#include "support/sim_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

namespace telvane::testing {
namespace {

constexpr auto kStartLimit = std::chrono::seconds(10);

}  // namespace

SimPortDir::SimPortDir() {
  if (const char* old = std::getenv("TELVANE_PORT_DIR")) previous_ = old;
  ::setenv("TELVANE_PORT_DIR", path().c_str(), 1);
}

SimPortDir::~SimPortDir() {
  if (previous_) {
    ::setenv("TELVANE_PORT_DIR", previous_->c_str(), 1);
  } else {
    ::unsetenv("TELVANE_PORT_DIR");
  }
}

void SimPortDir::AddDeadPort(int com) const {
  std::ofstream(dir_.File("COM" + std::to_string(com))) << "not a terminal\n";
}

namespace {

std::vector<std::string> PortArgs(const std::string& port_dir, int com,
                                  std::vector<std::string> args) {
  std::vector<std::string> words = {"--port-dir", port_dir, "--com", std::to_string(com)};
  words.insert(words.end(), args.begin(), args.end());
  return words;
}

}  // namespace

SimulatorProcess::SimulatorProcess(std::vector<std::string> args, std::string log_path,
                                   const std::string& ready_path)
    : log_path_(std::move(log_path)) {
  std::vector<std::string> words = {TELVANE_SIM_PATH};
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
    if (::lstat(ready_path.c_str(), &st) == 0) {
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

int SimulatorProcess::Stop() {
  if (pid_ <= 0) return -1;
  ::kill(pid_, SIGTERM);
  int status = 0;
  const pid_t done = ::waitpid(pid_, &status, 0);
  pid_ = -1;
  if (done <= 0 || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

SimulatorProcess::~SimulatorProcess() { Stop(); }

std::string SimulatorProcess::Log() const {
  std::ifstream in(log_path_);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

SimProcess::SimProcess(const std::string& port_dir, int com, std::vector<std::string> args)
    : SimulatorProcess(PortArgs(port_dir, com, std::move(args)),
                       port_dir + "/sim-COM" + std::to_string(com) + ".log",
                       port_dir + "/COM" + std::to_string(com)),
      link_(port_dir + "/COM" + std::to_string(com)) {}

CliResult RunCli(const std::string& arguments) {
  CliResult result;
  const std::string command = std::string(TELVANE_CLI_PATH) + " " + arguments + " 2>&1";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  for (int c; (c = std::fgetc(pipe)) != EOF;) result.output += static_cast<char>(c);
  const int status = ::pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

std::string ShellQuote(const std::string& word) {
  std::string quoted = "'";
  for (const char c : word) {
    if (c == '\'') {
      quoted += "'\\''";
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

}  // namespace telvane::testing
