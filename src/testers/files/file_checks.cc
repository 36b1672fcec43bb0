#include "testers/files/file_checks.h"

#include <cctype>

namespace telvane {
namespace {

constexpr size_t kMaxLineLength = 255;

bool LineValid(std::string_view line) {
  if (line.size() >= kMaxLineLength) return false;
  const size_t start = line.find_first_not_of(" \t");
  if (start == std::string_view::npos) return true;
  line.remove_prefix(start);
  if (line[0] == '=' || (line.size() > 1 && line[1] == '=')) return true;
  for (char c : line) {
    const bool allowed = (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || c == ',' ||
                         c == ' ' || c == '\t';
    if (!allowed) return false;
  }
  return true;
}

}  // namespace

bool IsMaskFileName(std::string_view name) {
  const size_t dot = name.rfind('.');
  if (dot == std::string_view::npos || name.size() - dot != 4) return false;
  const std::string_view extension = name.substr(dot + 1);
  for (size_t i = 0; i < 3; ++i) {
    if (std::tolower(static_cast<unsigned char>(extension[i])) != "msk"[i]) return false;
  }
  return true;
}

std::optional<std::vector<uint8_t>> UpdateFileCheck(std::span<const uint8_t> file) {
  if (file.empty()) return std::nullopt;
  std::vector<uint8_t> data(file.begin(), file.end() - 1);
  uint8_t sum = 0;
  uint8_t key = 1;
  for (uint8_t& byte : data) {
    sum = static_cast<uint8_t>(sum + byte);
    byte ^= key;
    key = static_cast<uint8_t>(key + 1);
  }
  if (file.back() != sum) return std::nullopt;
  return data;
}

bool MaskLinesValid(std::string_view text) {
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!LineValid(line)) return false;
    start = end + 1;
  }
  return true;
}

}  // namespace telvane
