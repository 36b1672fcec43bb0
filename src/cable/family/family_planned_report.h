// The reports of one cable's planned measurements of the 435-byte and
// 233-byte families: an Excel 2.1 worksheet (both families) and a CSV file
// (435-byte family, ";" or ","), with the values as the formatted texts of
// the table. Both files are written beside the chosen file and take its place
// only when complete.
#ifndef TELVANE_CABLE_FAMILY_FAMILY_PLANNED_REPORT_H_
#define TELVANE_CABLE_FAMILY_FAMILY_PLANNED_REPORT_H_

#include <string>
#include <vector>

#include "base/screen.h"
#include "cable/family/family_planned.h"

namespace telvane {

struct PlannedReport {
  Family family = Family::k435;
  std::string instrument;    // the instrument's name
  std::string serial;        // its serial number as text
  std::string cable;         // the selected cable's name
  std::string planned_name;  // 435-byte family: the planned measurements' name
  std::string date;          // and their date as the page shows it
  std::vector<PlannedRow> rows;
};

// "Сохранить...": 435-byte family the worksheet and the two CSV filters,
// 233-byte family the worksheet alone; default extension "xls".
FileDialog PlannedReportDialog(Family family);

// The CSV file's bytes (CP1251, lines ended by CR alone).
std::string PlannedReportCsv(const PlannedReport& report, char separator);

// Writes the worksheet; "Ошибка создание файла" (caption "Ошибка") once at the
// end when any part failed.
bool WritePlannedWorksheet(Screen& screen, const std::string& path, const PlannedReport& report);
// Writes the CSV file; "Ошибка создания файла" with the file name on failure.
bool WritePlannedCsv(Screen& screen, const std::string& path, const PlannedReport& report,
                     char separator);

// Writes the file that `choice` names in the form of its filter (1 worksheet,
// 2 CSV ";", 3 CSV ","; the 233-byte family has the worksheet alone).
bool SavePlannedReport(Screen& screen, const FileChoice& choice, const PlannedReport& report);

}  // namespace telvane

#endif  // TELVANE_CABLE_FAMILY_FAMILY_PLANNED_REPORT_H_
