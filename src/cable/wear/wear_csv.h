// The armour-wear series as a CSV file: CP1251, every line ended by a
// carriage return alone; the instrument's name and serial number, the column
// head, then one line per measurement. The separator is a semicolon for the
// first filter of the save dialog and a comma for the others.
#ifndef TELVANE_CABLE_WEAR_WEAR_CSV_H_
#define TELVANE_CABLE_WEAR_WEAR_CSV_H_

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/screen.h"

namespace telvane {

// The save dialog's filters, in order.
std::vector<FileFilter> WearCsvFilters();

// The file's bytes; `filter_index` is the 1-based filter chosen.
std::string WearCsvBytes(const std::string& instrument_name, const std::string& serial_number,
                         std::span<const uint8_t> series, int filter_index);

}  // namespace telvane

#endif  // TELVANE_CABLE_WEAR_WEAR_CSV_H_
