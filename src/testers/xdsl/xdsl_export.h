// The exports of one xDSL log: the text with a chosen separator (lines ended
// by a carriage return alone, CP1251) and the Excel 2.1 worksheet. Both are
// drawn from one table of rows (XdslExportRows), so the two files always hold
// the same content: row r of the worksheet is line r of the text.
#ifndef TELVANE_TESTERS_XDSL_XDSL_EXPORT_H_
#define TELVANE_TESTERS_XDSL_XDSL_EXPORT_H_

#include <string>
#include <vector>

#include "testers/xdsl/xdsl_records.h"

namespace telvane {

struct XdslExportSource {
  std::string instrument_name;  // UTF-8
  std::string serial_number;    // the serial-number text
  XdslBand band = XdslBand::kA;
  const XdslLogEntry* entry = nullptr;
  const XdslLog* log = nullptr;
};

struct XdslCell {
  enum class Kind {
    kEmpty,   // nothing
    kBlank,   // a blank in the text, nothing in the worksheet
    kText,    // `text`
    kNumber,  // `value` printed with `format`; "-" when not finite
  };
  Kind kind = Kind::kEmpty;
  std::string text;
  double value = 0;
  const char* format = "%.0f";
};

struct XdslRow {
  std::vector<XdslCell> cells;  // none: an empty line
  // Summary, bin and counter lines write every "." of the text as ",".
  bool decimal_comma = false;
};

std::vector<XdslRow> XdslExportRows(const XdslExportSource& source);

// The text file's bytes (CP1251) with `separator` between the cells.
std::string XdslExportText(const XdslExportSource& source, char separator);

// Writes the worksheet; false when any record could not be written (the
// caller shows "Ошибка создание файла").
bool WriteXdslWorksheet(const XdslExportSource& source, const std::string& path);

// "%d day(s) " when at least one whole day, then "%2.2d:%2.2d:%2.2d"; "-" for
// a value that is not finite, negative, or too large for a day count.
std::string XdslDurationText(float seconds);

}  // namespace telvane

#endif  // TELVANE_TESTERS_XDSL_XDSL_EXPORT_H_
