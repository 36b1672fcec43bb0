#include "page/options.h"

#include <cctype>

namespace telvane {
namespace {

std::string Lower(const std::string& text) {
  std::string out = text;
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// The decimal number at `pos` of `text`, read up to the first non-digit.
int NumberAt(const std::string& text, size_t pos) {
  long value = 0;
  while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos]))) {
    value = value * 10 + (text[pos] - '0');
    if (value > kOptionMaximum) value = kOptionMaximum;
    ++pos;
  }
  return static_cast<int>(value);
}

// The value after the first of `markers` found in `line`, or `fallback`.
int FindOption(const std::string& line, std::initializer_list<const char*> markers, int fallback) {
  for (const char* marker : markers) {
    const std::string m = marker;
    const size_t at = line.find(m);
    if (at != std::string::npos) return NumberAt(line, at + m.size());
  }
  return fallback;
}

}  // namespace

AppOptions ParseOptions(const std::vector<std::string>& words) {
  std::string line;
  for (const std::string& word : words) line += Lower(word) + " ";
  AppOptions options;
  options.kind9_trailing_records =
      FindOption(line, {"/i9:", "--i9="}, options.kind9_trailing_records);
  options.locked_leading_entries =
      FindOption(line, {"/i0b:", "--i0b="}, options.locked_leading_entries);
  return options;
}

}  // namespace telvane
