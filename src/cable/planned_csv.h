// The CSV export of the compact family's planned measurements, for the
// selected cable or for all cables: CP1251, lines ended by CR alone, values as
// the formatted texts the page shows.
#ifndef TELVANE_CABLE_PLANNED_CSV_H_
#define TELVANE_CABLE_PLANNED_CSV_H_

#include <string>

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
