#include "base/file_write.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace telvane {

WriteResult WriteWholeFile(const std::string& path, const uint8_t* data, size_t length) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return WriteResult::kNotCreated;
  bool ok = true;
  while (ok && length > 0) {
    const ssize_t n = ::write(fd, data, length);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = false;
      break;
    }
    data += n;
    length -= static_cast<size_t>(n);
  }
  if (::close(fd) != 0) ok = false;
  return ok ? WriteResult::kWritten : WriteResult::kNotWritten;
}

}  // namespace telvane
