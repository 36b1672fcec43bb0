// A record of a fixed number of bytes with little-endian field access.
//
// The cable meters exchange their databases as packed little-endian records,
// and the program writes the same bytes to its files. Every record type keeps
// its bytes in a std::array and decodes each field on access, so the layout
// never depends on how the compiler packs a struct, and every byte the program
// does not interpret travels on unchanged.
#ifndef TELVANE_BASE_FIXED_RECORD_H_
#define TELVANE_BASE_FIXED_RECORD_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "base/values.h"

namespace telvane {

// Reads a CP1251 text field of `width` bytes (up to the first NUL) as UTF-8.
std::string ReadTextField(const uint8_t* field, size_t width);
// The CP1251 bytes of a text field of `width` bytes, up to the first NUL.
std::string RawTextField(const uint8_t* field, size_t width);
// Writes `utf8` as CP1251 into a field of `width` bytes: at most `max_chars`
// characters, the rest of the field NUL.
void WriteTextField(uint8_t* field, size_t width, size_t max_chars, std::string_view utf8);

template <size_t N>
class FixedRecord {
 public:
  static constexpr size_t kSize = N;
  using Bytes = std::array<uint8_t, N>;

  FixedRecord() : bytes_{} {}
  explicit FixedRecord(const Bytes& bytes) : bytes_(bytes) {}

  const Bytes& bytes() const { return bytes_; }
  Bytes& mutable_bytes() { return bytes_; }
  std::span<const uint8_t> span() const { return bytes_; }

  // Replaces every byte; a source of another size leaves the record unchanged
  // and returns false.
  bool Assign(std::span<const uint8_t> source) {
    if (source.size() != N) return false;
    for (size_t i = 0; i < N; ++i) bytes_[i] = source[i];
    return true;
  }

  friend bool operator==(const FixedRecord&, const FixedRecord&) = default;

 protected:
  uint8_t U8(size_t offset) const { return bytes_[offset]; }
  uint16_t U16(size_t offset) const { return LoadLe16(&bytes_[offset]); }
  uint32_t U32(size_t offset) const { return LoadLe32(&bytes_[offset]); }
  float F32(size_t offset) const { return LoadLeFloat(&bytes_[offset]); }
  std::string Text(size_t offset, size_t width) const {
    return ReadTextField(&bytes_[offset], width);
  }
  std::string RawText(size_t offset, size_t width) const {
    return RawTextField(&bytes_[offset], width);
  }

  void SetU8(size_t offset, uint8_t value) { bytes_[offset] = value; }
  void SetU16(size_t offset, uint16_t value) { StoreLe16(value, &bytes_[offset]); }
  void SetU32(size_t offset, uint32_t value) { StoreLe32(value, &bytes_[offset]); }
  void SetF32(size_t offset, float value) { StoreLeFloat(value, &bytes_[offset]); }
  void SetText(size_t offset, size_t width, size_t max_chars, std::string_view utf8) {
    WriteTextField(&bytes_[offset], width, max_chars, utf8);
  }

 private:
  Bytes bytes_;
};

}  // namespace telvane

#endif  // TELVANE_BASE_FIXED_RECORD_H_
