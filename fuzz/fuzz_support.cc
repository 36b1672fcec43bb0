#include "fuzz_support.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>

namespace telvane::fuzz {

std::string WriteInput(const uint8_t* data, size_t size, const char* extension) {
  const char* dir = std::getenv("TMPDIR");
  std::string path = std::string(dir != nullptr ? dir : "/tmp") + "/telvane-fuzz-" +
                     std::to_string(getpid()) + "." + extension;
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) std::abort();
  size_t done = 0;
  while (done < size) {
    const ssize_t n = ::write(fd, data + done, size - done);
    if (n <= 0) std::abort();
    done += static_cast<size_t>(n);
  }
  ::close(fd);
  return path;
}

int FirmwareOf(uint8_t selector) {
  static constexpr int kVersions[] = {8000, 8007, 8024, 8025};
  return kVersions[selector % 4];
}

}  // namespace telvane::fuzz
