// The CSV export of the compact family's planned measurements, for the
// selected cable or for all cables: CP1251, lines ended by CR alone, values as
// the formatted texts the page shows.
#ifndef TELVANE_CABLE_PLANNED_CSV_H_
#define TELVANE_CABLE_PLANNED_CSV_H_

#include <array>
#include <string>
#include <vector>

#include "base/screen.h"
#include "cable/cable_database.h"
#include "link/instrument_info.h"

namespace telvane {

// The whole-file selection: all cables of the planned measurements.
inline constexpr int kAllCables = -1;

// The save dialog; the chosen filter gives the separator.
FileDialog PlannedCsvDialog();
// ";" for the first filter, "," for the others.
char CsvSeparatorForFilter(int filter_index);

// One pair of a file: whether it was measured at all (its record's first
// value is not the pair-not-measured marker) and its six values in the file's
// column order: capacitance AC, BC, AB, insulation AC, BC, AB.
struct CsvPair {
  bool measured = true;
  std::array<float, 6> values{};
};

// One cable of a file: its number counted from 1 and its pairs in row order.
struct CsvCable {
  unsigned number = 1;
  std::vector<CsvPair> pairs;
};

// The six cells of a pair as the pages show them (UTF-8): "НЕТ ИЗМЕРЕНИЙ"
// for every cell of a pair not measured and for each value-not-measured
// marker, else the formatted value.
std::array<std::string, 6> PlannedCells(const CsvPair& pair);

// The file's bytes for any family: the instrument's name and serial number,
// then each cable's caption, its title line (nine titles for the export of
// one cable, seven for all cables) and one row per pair.
std::string PlannedCsvText(const InstrumentInfo& instrument, const std::vector<CsvCable>& cables,
                           bool single_cable, char separator);

// Asks for the file and writes the cables to it; false when cancelled or
// failed (the failure shown).
bool ExportCsvCables(Screen& screen, const InstrumentInfo& instrument,
                     const std::vector<CsvCable>& cables, bool single_cable);

// The file's bytes for cable `cable` (0-based) or kAllCables.
std::string PlannedCsv(const CompactBase& base, const InstrumentInfo& instrument, int cable,
                       char separator);

bool SavePlannedCsv(Screen& screen, const CompactBase& base, const InstrumentInfo& instrument,
                    int cable, const std::string& path, char separator);

// Asks for the file and writes it; false when cancelled or failed.
bool ExportPlannedCsv(Screen& screen, const CompactBase& base, const InstrumentInfo& instrument,
                      int cable);

}  // namespace telvane

#endif  // TELVANE_CABLE_PLANNED_CSV_H_
