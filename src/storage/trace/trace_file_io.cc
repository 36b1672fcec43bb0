#include "storage/trace/trace_file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>

#include "base/posix_file.h"
#include "base/values.h"

namespace telvane {

void ShowFileError(Screen& screen, const char* caption, const std::string& path) {
  screen.ShowMessage(Icon::kError, caption, path);
}

bool ReadWholeFile(Screen& screen, const std::string& path, size_t limit,
                   std::vector<uint8_t>& bytes, uint64_t& size) {
  bytes.clear();
  PosixFile file = PosixFile::OpenForReading(path);
  const std::optional<uint64_t> file_size = file.Size();
  if (!file.valid() || !file_size) {
    ShowFileError(screen, kOpenFileError, path);
    return false;
  }
  size = *file_size;
  std::optional<std::vector<uint8_t>> read = file.ReadAll(limit);
  if (!read) {
    ShowFileError(screen, kReadFileError, path);
    return false;
  }
  bytes = std::move(*read);
  return true;
}

bool WriteWholeFile(Screen& screen, const std::string& path, std::span<const uint8_t> bytes) {
  PosixFile file = PosixFile::Create(path);
  if (!file.valid()) {
    ShowFileError(screen, kCreateFileError, path);
    return false;
  }
  if (!file.Write(bytes) || !file.Close()) {
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
