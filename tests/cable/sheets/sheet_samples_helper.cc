#include <cctype>
#include <cstdio>
#include <cstring>

#include "cable/sheets/sheet_samples.h"
#include "support/sim_process.h"

namespace telvane::testing {
namespace {

void Combination(std::vector<uint8_t>& b, int c, uint8_t state, int16_t out, int16_t in,
                 std::vector<int8_t> working, std::vector<int8_t> crosstalk) {
  const size_t base = 324 + 28 * static_cast<size_t>(c);
  b[base] = state;
  for (size_t f = 0; f < working.size(); ++f) b[base + 3 + f] = static_cast<uint8_t>(working[f]);
  for (size_t f = 0; f < crosstalk.size(); ++f) {
    b[base + 14 + f] = static_cast<uint8_t>(crosstalk[f]);
  }
  b[base + 24] = static_cast<uint8_t>(out);
  b[base + 25] = static_cast<uint8_t>(static_cast<uint16_t>(out) >> 8);
  b[base + 26] = static_cast<uint8_t>(in);
  b[base + 27] = static_cast<uint8_t>(static_cast<uint16_t>(in) >> 8);
}

}  // namespace

void PutFloat(std::vector<uint8_t>& bytes, size_t offset, float value) {
  uint32_t bits = 0;
  std::memcpy(&bits, &value, 4);
  for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<uint8_t>(bits >> (8 * i));
}

std::vector<uint8_t> FullSheetBytes() {
  std::vector<uint8_t> b(604, 0);
  b[48] = 0;  // has a pair-selection table
  PutFloat(b, 56, 4.5f);
  // Pair table of 4 pairs: index k·4 − (k+1)(k+2)/2 + j + 1 from byte 81.
  b[82] = 55;                        // (0,1): 1
  b[83] = 126;                       // (0,2): 2
  b[84] = 127;                       // (0,3): 3
  b[85] = 40;                        // (1,2): 4
  b[86] = static_cast<uint8_t>(-3);  // (1,3): 5
  b[87] = 33;                        // (2,3): 6
  b[272] = 20;
  PutFloat(b, 276, 2.0f);
  PutFloat(b, 280, 1.5f);
  PutFloat(b, 284, 150.25f);
  PutFloat(b, 288, 999.0f);  // beyond the count: never shown
  Combination(b, 0, 30, 1, 2, {12, 126}, {99, 99});
  Combination(b, 1, 20, 3, 4, {99, 99}, {-5, 60});
  Combination(b, 2, 40, 5, 6, {7, 8}, {70, 126});
  Combination(b, 3, 0, 7, 8, {1, 1}, {1, 1});
  return b;
}

std::vector<uint8_t> PairOnlySheetBytes() {
  std::vector<uint8_t> b(604, 0);
  b[48] = 0;
  PutFloat(b, 56, 8.0f);
  b[272] = 10;
  const int n = 6;
  for (int k = 0; k < n; ++k) {
    for (int j = k + 1; j < n; ++j) b[81 + (k * n - (k + 1) * (k + 2) / 2 + j + 1)] = 10 * k + j;
  }
  return b;
}

std::vector<uint8_t> EmptySheetBytes() {
  std::vector<uint8_t> b(604, 0);
  b[48] = 1;
  b[272] = 10;
  return b;
}

SheetRecord Sheet(const std::vector<uint8_t>& bytes) {
  SheetRecord sheet;
  sheet.Assign(bytes);
  return sheet;
}

std::vector<std::string> XlrdReport(const std::string& path) {
  const std::string command = std::string(TELVANE_PYTHON) + " " + TELVANE_SOURCE_DIR +
                              "/tests/cable/sheets/xlrd_report.py " + ShellQuote(path) + " 2>&1";
  std::vector<std::string> lines;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return lines;
  std::string text;
  for (int c; (c = fgetc(pipe)) != EOF;) text += static_cast<char>(c);
  pclose(pipe);
  for (size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
       start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

std::vector<std::string> XlrdReportCells(const std::string& path) {
  std::vector<std::string> cells;
  for (const std::string& line : XlrdReport(path)) {
    if (!line.empty() && std::isdigit(static_cast<unsigned char>(line[0]))) cells.push_back(line);
  }
  return cells;
}

}  // namespace telvane::testing
