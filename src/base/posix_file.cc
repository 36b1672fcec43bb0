#include "base/posix_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace telvane {

PosixFile PosixFile::Create(const std::string& path) {
  return PosixFile(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
}

PosixFile PosixFile::CreateNew(const std::string& path) {
  return PosixFile(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
}

PosixFile PosixFile::OpenForReading(const std::string& path) {
  return PosixFile(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
}

PosixFile PosixFile::OpenRegularForReading(const std::string& path) {
  // O_NONBLOCK keeps the open of a FIFO without a writer from waiting; the
  // file is then refused by its type before anything is read.
  PosixFile file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  struct stat info;
  if (!file.valid() || ::fstat(file.fd_, &info) != 0 || !S_ISREG(info.st_mode)) return PosixFile();
  const int flags = ::fcntl(file.fd_, F_GETFL);
  if (flags < 0 || ::fcntl(file.fd_, F_SETFL, flags & ~O_NONBLOCK) != 0) return PosixFile();
  return file;
}

PosixFile& PosixFile::operator=(PosixFile&& other) noexcept {
  if (this != &other) {
    Close();
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

PosixFile::~PosixFile() { Close(); }

bool PosixFile::Write(std::span<const uint8_t> bytes) {
  if (fd_ < 0) return false;
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

bool PosixFile::Write(const std::string& bytes) {
  return Write(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
}

std::optional<std::vector<uint8_t>> PosixFile::ReadAll(size_t limit) {
  if (fd_ < 0) return std::nullopt;
  std::vector<uint8_t> out;
  uint8_t buffer[65536];
  while (out.size() < limit) {
    const size_t want = std::min(sizeof buffer, limit - out.size());
    const ssize_t n = ::read(fd_, buffer, want);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) break;
    out.insert(out.end(), buffer, buffer + n);
  }
  return out;
}

std::optional<uint64_t> PosixFile::Size() const {
  struct stat info;
  if (fd_ < 0 || ::fstat(fd_, &info) != 0 || S_ISDIR(info.st_mode)) return std::nullopt;
  return static_cast<uint64_t>(info.st_size);
}

bool PosixFile::Sync() { return fd_ >= 0 && ::fsync(fd_) == 0; }

bool PosixFile::Close() {
  if (fd_ < 0) return true;
  const int result = ::close(fd_);
  fd_ = -1;
  return result == 0;
}

}  // namespace telvane
