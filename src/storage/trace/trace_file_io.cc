#include "storage/trace/trace_file_io.h"

#include <cmath>
#include <cstring>

#include "base/file_read.h"
#include "base/file_write.h"
#include "base/values.h"

namespace telvane {

bool ReadTraceFile(Screen& screen, const std::string& path, size_t limit,
                   std::vector<uint8_t>& bytes, uint64_t& size) {
  bytes.clear();
  std::optional<FileBytes> read =
      ReadFileStart(screen, path, limit, {kOpenFileError, kReadFileError});
  if (!read) return false;
  bytes = std::move(read->bytes);
  size = read->size;
  return true;
}

bool WriteTraceFile(Screen& screen, const std::string& path, std::span<const uint8_t> bytes) {
  return WriteWholeFile(screen, path, bytes, WriteFailure::kFileName);
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
