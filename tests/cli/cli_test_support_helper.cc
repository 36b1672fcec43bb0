#include <cstdio>
#include <sstream>

#include "base/cp1251.h"
#include "cli/cli_test_support.h"

namespace telvane::testing {
namespace {

// "sim: <- " and the bytes in the simulator's trace form.
std::string TraceOf(const std::vector<int>& bytes) {
  std::string line = "sim: <-";
  char hex[4];
  for (const int b : bytes) {
    std::snprintf(hex, sizeof hex, " %02X", b & 0xFF);
    line += hex;
  }
  return line;
}

}  // namespace

int CliSimTest::CommandsReceived(int code) const {
  std::vector<int> frame = {kind_};
  for (const char c : std::string(kSerial)) frame.push_back(static_cast<unsigned char>(c));
  frame.push_back(code);
  int sum = 0;
  for (const int b : frame) sum += b;
  frame.push_back(sum & 0xFF);
  const std::string wanted = TraceOf(frame);
  int count = 0;
  std::istringstream log(Log());
  for (std::string line; std::getline(log, line);) count += line == wanted ? 1 : 0;
  return count;
}

int CliSimTest::RecordsReceived(size_t length) const {
  int count = 0;
  std::istringstream log(Log());
  for (std::string line; std::getline(log, line);) {
    if (!line.starts_with("sim: <-")) continue;
    // Three characters a byte; a long frame ends in "... (N bytes)".
    size_t bytes = (line.size() - 7) / 3;
    if (const size_t open = line.rfind(" ... ("); open != std::string::npos) {
      bytes = std::stoul(line.substr(open + 6));
    }
    if (bytes >= length) ++count;
  }
  return count;
}

std::string FileText(const std::string& path) {
  const auto bytes = ReadAll(path);
  return Cp1251ToUtf8(std::string(bytes.begin(), bytes.end()));
}

}  // namespace telvane::testing
