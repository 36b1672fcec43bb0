// File access shared by the trace file readers and writers: whole-file reads
// and writes that report failures the way every trace operation does (the file
// name as text, the message as caption, an error icon), and a bounds-checked
// little-endian reader over the bytes read.
#ifndef TELVANE_STORAGE_TRACE_TRACE_FILE_IO_H_
#define TELVANE_STORAGE_TRACE_TRACE_FILE_IO_H_

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/file_messages.h"
#include "base/screen.h"

namespace telvane {

inline constexpr char kDataLossCaption[] = "Предупреждение";
inline constexpr char kDataLossText[] = "Потеря данных.\r\nКоличество точек больше возможного.";

// At most `limit` bytes of a regular file; `size` is its real size. False
// (with "Ошибка открытия файла" or "Ошибка чтения файла") when it cannot be
// opened, is not a regular file, or cannot be read.
bool ReadTraceFile(Screen& screen, const std::string& path, size_t limit,
                   std::vector<uint8_t>& bytes, uint64_t& size);
// Creates or replaces the file and writes `bytes`: "Ошибка создания файла" or
// "Ошибка записи в файл" on failure (a partly written file stays).
bool WriteTraceFile(Screen& screen, const std::string& path, std::span<const uint8_t> bytes);

// Reads little-endian values in order; every read past the end fails and makes
// ok() false for good.
class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> data) : data_(data) {}
  bool ok() const { return ok_; }
  size_t position() const { return position_; }
  size_t remaining() const { return data_.size() - position_; }
  bool Skip(size_t n);
  // Copies n bytes to `out` (which must have room for them).
  bool Bytes(size_t n, uint8_t* out);
  // A view of the next n bytes, empty when fewer remain.
  std::span<const uint8_t> View(size_t n);
  uint8_t U8();
  uint16_t U16();
  uint32_t U32();
  float Float();

 private:
  std::span<const uint8_t> data_;
  size_t position_ = 0;
  bool ok_ = true;
};

// Appends little-endian values.
class ByteWriter {
 public:
  std::vector<uint8_t>& bytes() { return bytes_; }
  void U8(uint8_t v) { bytes_.push_back(v); }
  void U16(uint16_t v);
  void U32(uint32_t v);
  void Float(float v);
  void Bytes(std::span<const uint8_t> b) { bytes_.insert(bytes_.end(), b.begin(), b.end()); }
  void Fill(size_t n, uint8_t v) { bytes_.insert(bytes_.end(), n, v); }

 private:
  std::vector<uint8_t> bytes_;
};

// `value` truncated toward zero and limited to 0..65535 (NaN gives 0).
uint16_t TruncateToU16(double value);
// `value` truncated toward zero and limited to the int32 range (NaN gives 0).
int32_t TruncateToI32(double value);

}  // namespace telvane

#endif  // TELVANE_STORAGE_TRACE_TRACE_FILE_IO_H_
