#include "base/fixed_record.h"

#include <algorithm>

#include "base/cp1251.h"

namespace telvane {

std::string RawTextField(const uint8_t* field, size_t width) {
  const uint8_t* end = std::find(field, field + width, uint8_t{0});
  return std::string(reinterpret_cast<const char*>(field), static_cast<size_t>(end - field));
}

std::string ReadTextField(const uint8_t* field, size_t width) {
  return Cp1251ToUtf8(RawTextField(field, width));
}

void WriteTextField(uint8_t* field, size_t width, size_t max_chars, std::string_view utf8) {
  const std::string cp1251 = Utf8ToCp1251(utf8);
  const size_t kept = std::min({cp1251.size(), max_chars, width});
  std::fill(field, field + width, uint8_t{0});
  std::copy_n(reinterpret_cast<const uint8_t*>(cp1251.data()), kept, field);
}

}  // namespace telvane
