// The measurement sheets of kinds 13 and 14 (docs/sheets.md): 0x70 the
// 16-byte catalogue, 0x71 the 604-byte sheets, 0x72 the two 104-byte notebook
// entries. Every record is unnumbered and confirmed with the complement of
// its index in the series.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "registry.h"
#include "session.h"

namespace sim {
namespace {

constexpr size_t kSheetSize = 604;
constexpr int kTablePairs = 8;

void PutFloatLe(uint8_t* p, float value) {
  uint32_t bits = 0;
  std::memcpy(&bits, &value, 4);
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(bits >> (8 * i));
}

void PutI16Le(uint8_t* p, int value) {
  p[0] = static_cast<uint8_t>(value);
  p[1] = static_cast<uint8_t>(static_cast<unsigned>(value) >> 8);
}

// The pair-selection table of `pairs` pairs at `frequency`: crosstalk values
// from 45 to 90 dB, "over range" (126) and "not measured" (127) among them.
void PairTable(std::vector<uint8_t>& sheet, int pairs, float frequency) {
  sheet[48] = 0;
  PutFloatLe(&sheet[56], frequency);
  for (int k = 0; k < pairs; ++k) {
    for (int j = k + 1; j < pairs; ++j) {
      const int index = (k * pairs - (k + 1) * (k + 2) / 2 + j + 1) % 256;
      uint8_t value = static_cast<uint8_t>(45 + (k * 7 + j * 3) % 46);
      if ((k + j) % 9 == 4) value = 126;
      if ((k + j) % 11 == 7) value = 127;
      sheet[81 + static_cast<size_t>(index)] = value;
    }
  }
}

// Combination c: state, output and input pair, working and crosstalk values.
void Combination(std::vector<uint8_t>& sheet, int c, uint8_t state, int frequencies) {
  uint8_t* p = &sheet[324 + 28 * static_cast<size_t>(c)];
  p[0] = state;
  for (int f = 0; f < frequencies; ++f) {
    int working = 2 + c + f * 3;
    int crosstalk = 80 - c * 2 - f * 4;
    if ((c + f) % 7 == 3) working = 126;
    if ((c * 3 + f) % 8 == 5) crosstalk = 126;
    if (c == 1 && f == 0) working = -4;
    p[3 + f] = static_cast<uint8_t>(working);
    p[14 + f] = static_cast<uint8_t>(crosstalk);
  }
  PutI16Le(p + 24, 2 * c + 1);
  PutI16Le(p + 26, 2 * c + 2);
}

std::vector<uint8_t> AttenuationSheet(uint8_t kind, int frequencies, bool pair_table) {
  std::vector<uint8_t> sheet(kSheetSize, 0);
  sheet[48] = 1;
  sheet[272] = kind;
  PutFloatLe(&sheet[276], static_cast<float>(frequencies));
  for (int f = 0; f < 10; ++f) PutFloatLe(&sheet[280 + 4 * f], 0.5f * std::pow(2.0f, f));
  const uint8_t states[10] = {30, 20, 40, 40, 0, 30, 20, 40, 10, 40};
  for (int c = 0; c < 10; ++c) Combination(sheet, c, states[c], frequencies);
  if (pair_table) PairTable(sheet, kTablePairs, 16.0f);
  return sheet;
}

std::vector<std::vector<uint8_t>> Sheets() {
  std::vector<std::vector<uint8_t>> sheets;
  sheets.push_back(AttenuationSheet(20, 5, true));
  std::vector<uint8_t> pairs_only(kSheetSize, 0);
  pairs_only[272] = 10;
  PairTable(pairs_only, kTablePairs, 8.0f);
  sheets.push_back(pairs_only);
  std::vector<uint8_t> empty(kSheetSize, 0);
  empty[48] = 1;
  empty[272] = 10;
  sheets.push_back(empty);
  sheets.push_back(AttenuationSheet(21, 10, false));
  return sheets;
}

// Sends the records of a series; record i is expected back with ~i.
void SendSeries(Session& s, const std::vector<std::vector<uint8_t>>& records, const char* what) {
  for (size_t i = 0; i < records.size(); ++i) {
    const auto answer = s.SendRecord(records[i], std::nullopt, 1);
    const uint8_t expected = static_cast<uint8_t>(~i);
    if (!answer || *answer != expected || !s.last_reply_sum_ok()) {
      std::fprintf(stderr, "sim: %s record %zu not confirmed\n", what, i);
      if (answer) s.GiveBackCommand();
      return;
    }
  }
}

void Catalogue(Session& s) {
  std::vector<uint8_t> catalogue(16, 0);
  catalogue[0] = static_cast<uint8_t>(Sheets().size());
  catalogue[1] = kTablePairs;
  PutFloatLe(&catalogue[4], s.config().kind == 14 ? 1.5f : 1.0f);
  PutFloatLe(&catalogue[8], 0.5f);
  PutFloatLe(&catalogue[12], s.config().sheet_version);
  SendSeries(s, {catalogue}, "catalogue");
}

void SheetRecords(Session& s) { SendSeries(s, Sheets(), "sheet"); }

// Two notebook entries: pairs with capacitance (nF) and insulation (kΩ), one
// of them not measured.
void Notebook(Session& s) {
  std::vector<std::vector<uint8_t>> entries;
  for (int e = 0; e < 2; ++e) {
    std::vector<uint8_t> entry(104, 0);
    const int count = e == 0 ? 6 : 3;
    entry[0] = static_cast<uint8_t>(count);
    for (int i = 0; i < count; ++i) {
      uint8_t* slot = &entry[4 + 10 * static_cast<size_t>(i)];
      PutI16Le(slot, 10 * e + i + 1);
      PutFloatLe(slot + 2, 40.0f + 1.25f * static_cast<float>(i));
      PutFloatLe(slot + 6, i == 2 ? -2850000128.0f : 31000000.0f / static_cast<float>(i + 1));
    }
    entries.push_back(entry);
  }
  SendSeries(s, entries, "notebook");
}

const CommandRegistrar kCatalogue13(13, 0x70, Catalogue);
const CommandRegistrar kSheets13(13, 0x71, SheetRecords);
const CommandRegistrar kNotebook13(13, 0x72, Notebook);
const CommandRegistrar kCatalogue14(14, 0x70, Catalogue);
const CommandRegistrar kSheets14(14, 0x71, SheetRecords);
const CommandRegistrar kNotebook14(14, 0x72, Notebook);

}  // namespace
}  // namespace sim
