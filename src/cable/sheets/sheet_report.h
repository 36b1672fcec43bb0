// The report of a measurement sheet ("ПРОТОКОЛ"): an Excel 2.1 worksheet with
// the form lines, the working-attenuation and crosstalk tables and the
// pair-selection table, cell by cell.
#ifndef TELVANE_CABLE_SHEETS_SHEET_REPORT_H_
#define TELVANE_CABLE_SHEETS_SHEET_REPORT_H_

#include <string>

#include "base/screen.h"
#include "cable/sheets/sheet_record.h"
#include "storage/worksheet_writer.h"

namespace telvane {

// What the form lines name: the instrument and the moment of the report.
struct ReportHeading {
  std::string instrument_name;
  std::string serial_number;
  DateTime now;
};

// The head every report of the sheet page shares: fonts 0 (plain) and 1
// (bold), the ten cell formats, the column widths, the title rows and the
// form lines (rows 1 to 12). `subtitle` is the text of row 2. Returns the
// combined result of every write.
bool WriteReportHead(WorksheetWriter& writer, const std::string& subtitle,
                     const ReportHeading& heading);

// Writes the report of `sheet` to `path`; `pairs` is the number of pairs of
// the pair-selection table. True when every write succeeded (the caller shows
// "Ошибка создание файла" otherwise).
bool WriteSheetReport(const std::string& path, const SheetRecord& sheet, int pairs,
                      const ReportHeading& heading);

}  // namespace telvane

#endif  // TELVANE_CABLE_SHEETS_SHEET_REPORT_H_
