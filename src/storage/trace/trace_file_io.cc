#include "storage/trace/trace_file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>

#include "app/values.h"

namespace telvane {
namespace {

// Closes a descriptor on every way out.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  // Closes now; false when the close reported an error (data not written).
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return fd < 0 || ::close(fd) == 0;
  }

 private:
  int fd_;
};

}  // namespace

void ShowFileError(Screen& screen, const char* caption, const std::string& path) {
  screen.ShowMessage(Icon::kError, caption, path);
}

bool ReadWholeFile(Screen& screen, const std::string& path, size_t limit,
                   std::vector<uint8_t>& bytes, uint64_t& size) {
  bytes.clear();
  Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat info;
  if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0 || S_ISDIR(info.st_mode)) {
    ShowFileError(screen, kOpenFileError, path);
    return false;
  }
  size = static_cast<uint64_t>(info.st_size);
  const size_t want = static_cast<size_t>(std::min<uint64_t>(size, limit));
  bytes.resize(want);
  size_t have = 0;
  while (have < want) {
    const ssize_t n = ::read(fd.get(), bytes.data() + have, want - have);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      bytes.clear();
      ShowFileError(screen, kReadFileError, path);
      return false;
    }
    if (n == 0) break;
    have += static_cast<size_t>(n);
  }
  bytes.resize(have);
  return true;
}

bool WriteWholeFile(Screen& screen, const std::string& path, std::span<const uint8_t> bytes) {
  Fd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  if (fd.get() < 0) {
    ShowFileError(screen, kCreateFileError, path);
    return false;
  }
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd.get(), bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ShowFileError(screen, kWriteFileError, path);
      return false;
    }
    done += static_cast<size_t>(n);
  }
  if (!fd.Close()) {
    ShowFileError(screen, kWriteFileError, path);
    return false;
  }
  return true;
}

bool ByteReader::Skip(size_t n) {
  if (!ok_ || n > remaining()) {
    ok_ = false;
    return false;
  }
  position_ += n;
  return true;
}

bool ByteReader::Bytes(size_t n, uint8_t* out) {
  if (!ok_ || n > remaining()) {
    ok_ = false;
    return false;
  }
  if (n > 0) std::memcpy(out, data_.data() + position_, n);
  position_ += n;
  return true;
}

std::span<const uint8_t> ByteReader::View(size_t n) {
  if (!ok_ || n > remaining()) {
    ok_ = false;
    return {};
  }
  auto view = data_.subspan(position_, n);
  position_ += n;
  return view;
}

uint8_t ByteReader::U8() {
  uint8_t v = 0;
  Bytes(1, &v);
  return v;
}

uint16_t ByteReader::U16() {
  uint8_t b[2] = {0, 0};
  return Bytes(2, b) ? LoadLe16(b) : 0;
}

uint32_t ByteReader::U32() {
  uint8_t b[4] = {0, 0, 0, 0};
  return Bytes(4, b) ? LoadLe32(b) : 0;
}

float ByteReader::Float() {
  uint8_t b[4] = {0, 0, 0, 0};
  return Bytes(4, b) ? LoadLeFloat(b) : 0.0f;
}

void ByteWriter::U16(uint16_t v) {
  uint8_t b[2];
  StoreLe16(v, b);
  bytes_.insert(bytes_.end(), b, b + 2);
}

void ByteWriter::U32(uint32_t v) {
  uint8_t b[4];
  StoreLe32(v, b);
  bytes_.insert(bytes_.end(), b, b + 4);
}

void ByteWriter::Float(float v) {
  uint8_t b[4];
  StoreLeFloat(v, b);
  bytes_.insert(bytes_.end(), b, b + 4);
}

uint16_t TruncateToU16(double value) {
  if (std::isnan(value) || value <= 0.0) return 0;
  if (value >= 65535.0) return 65535;
  return static_cast<uint16_t>(value);
}

int32_t TruncateToI32(double value) {
  if (std::isnan(value)) return 0;
  if (value <= -2147483648.0) return INT32_MIN;
  if (value >= 2147483647.0) return INT32_MAX;
  return static_cast<int32_t>(value);
}

}  // namespace telvane
