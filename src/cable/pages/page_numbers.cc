#include "cable/pages/page_numbers.h"

#include <cmath>
#include <cstdlib>

#include "base/sprintf.h"

namespace telvane {

std::string FormatReal(float value) { return Sprintf("%g", static_cast<double>(value)); }

float ParseReal(std::string_view text) { return ParseDecimal(text).value_or(0); }

std::optional<float> ParseDecimal(std::string_view text) {
  std::string copy(text);
  for (char& c : copy) {
    if (c == ',') c = '.';
  }
  char* end = nullptr;
  const double value = std::strtod(copy.c_str(), &end);
  if (end == copy.c_str() || !std::isfinite(value)) return std::nullopt;
  return static_cast<float>(value);
}

uint32_t ParseWhole(std::string_view text, uint32_t maximum) {
  const float value = ParseReal(text);
  if (value <= 0) return 0;
  if (value >= static_cast<float>(maximum)) return maximum;
  return static_cast<uint32_t>(value);
}

std::string FilterNumericText(std::string_view text) {
  std::string out;
  bool point = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      out += c;
    } else if ((c == '-' || c == '+') && i == 0) {
      out += c;
    } else if (c == '.' && !point) {
      point = true;
      out += c;
    }
  }
  return out;
}

}  // namespace telvane
