#include "fuzz_support.h"

#include <unistd.h>

#include <cstdlib>
#include <span>

#include "base/posix_file.h"

namespace telvane::fuzz {

std::string WriteInput(const uint8_t* data, size_t size, const char* extension) {
  const char* dir = std::getenv("TMPDIR");
  std::string path = std::string(dir != nullptr ? dir : "/tmp") + "/telvane-fuzz-" +
                     std::to_string(getpid()) + "." + extension;
  PosixFile file = PosixFile::Create(path);
  if (!file.valid() || !file.Write(std::span(data, size)) || !file.Close()) std::abort();
  return path;
}

int FirmwareOf(uint8_t selector) {
  static constexpr int kVersions[] = {8000, 8007, 8024, 8025};
  return kVersions[selector % 4];
}

}  // namespace telvane::fuzz
