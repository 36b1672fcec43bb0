#include "link/port_names.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace telvane {
namespace {

constexpr const char kDevicePrefix[] = "\\\\.\\";

bool Exists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

// An on-board UART node is only worth probing when the kernel found a UART
// behind it (its "type" is not 0, PORT_UNKNOWN).
bool UartPresent(unsigned index) {
  std::ifstream type("/sys/class/tty/ttyS" + std::to_string(index) + "/type");
  int value = 0;
  return type >> value && value != 0;
}

}  // namespace

std::string PortName(unsigned number) {
  char text[24];
  if (number < 10) {
    std::snprintf(text, sizeof text, "%s%u", "COM", number);
  } else {
    std::snprintf(text, sizeof text, "%s%s%u", kDevicePrefix, "COM", number);
  }
  return text;
}

std::optional<unsigned> PortNumber(const std::string& name) {
  std::string rest = name;
  if (rest.rfind(kDevicePrefix, 0) == 0) rest = rest.substr(sizeof kDevicePrefix - 1);
  if (rest.size() < 4 || rest.size() > 6 || rest.compare(0, 3, "COM") != 0) return std::nullopt;
  unsigned number = 0;
  for (size_t i = 3; i < rest.size(); ++i) {
    if (rest[i] < '0' || rest[i] > '9') return std::nullopt;
    number = number * 10 + static_cast<unsigned>(rest[i] - '0');
  }
  if (rest[3] == '0' || number < kFirstPort || number > kLastPort) return std::nullopt;
  return number;
}

std::optional<std::string> ResolvePortName(const std::string& name) {
  const std::optional<unsigned> number = PortNumber(name);
  if (!number) return std::nullopt;
  if (const char* dir = std::getenv("TELVANE_PORT_DIR"); dir != nullptr && *dir != '\0') {
    std::string path = std::string(dir) + "/COM" + std::to_string(*number);
    if (!Exists(path)) return std::nullopt;
    return path;
  }
  const unsigned n = *number;
  std::string path;
  if (n <= 32) {
    if (!UartPresent(n - 1)) return std::nullopt;
    path = "/dev/ttyS" + std::to_string(n - 1);
  } else if (n <= 132) {
    path = "/dev/ttyUSB" + std::to_string(n - 33);
  } else if (n <= 232) {
    path = "/dev/ttyACM" + std::to_string(n - 133);
  } else {
    return std::nullopt;
  }
  if (!Exists(path)) return std::nullopt;
  return path;
}

}  // namespace telvane
