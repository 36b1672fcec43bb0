// Sheets built byte by byte from the record's layout, shared by the record,
// report and page tests, and the reader of reports through python3-xlrd.
#ifndef TELVANE_TESTS_CABLE_SHEETS_SHEET_SAMPLES_H_
#define TELVANE_TESTS_CABLE_SHEETS_SHEET_SAMPLES_H_

#include <cstdint>
#include <string>
#include <vector>

#include "cable/sheets/sheet_record.h"

namespace telvane::testing {

// Little-endian float bytes at `offset` of `bytes`.
void PutFloat(std::vector<uint8_t>& bytes, size_t offset, float value);

// A sheet of kind 20: frequencies 1.5 and 150.25 kHz; combination 1 working
// only (pairs 1-2: 12, 126), combination 2 crosstalk only (pairs 3-4: -5,
// 60), combination 3 both (pairs 5-6: working 7, 8; crosstalk 70, 126);
// a pair-selection table at 4.5 kHz of 4 pairs: (0,1) 55, (0,2) 126,
// (0,3) 127, (1,2) 40, (1,3) -3, (2,3) 33.
std::vector<uint8_t> FullSheetBytes();
// A sheet of kind 10 with a pair-selection table at 8 kHz whose every value
// of pairs k < j is 10·k + j (for up to 6 pairs).
std::vector<uint8_t> PairOnlySheetBytes();
// A sheet of kind 10 without a pair-selection table.
std::vector<uint8_t> EmptySheetBytes();

SheetRecord Sheet(const std::vector<uint8_t>& bytes);

// What python3-xlrd reads from the report at `path`
// (tests/cable/sheets/xlrd_report.py), one line each.
std::vector<std::string> XlrdReport(const std::string& path);
// The cell lines only (those starting with a row number).
std::vector<std::string> XlrdReportCells(const std::string& path);

}  // namespace telvane::testing

#endif  // TELVANE_TESTS_CABLE_SHEETS_SHEET_SAMPLES_H_
