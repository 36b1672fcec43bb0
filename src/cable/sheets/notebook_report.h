// The report of a notebook entry of the sheet page: the head of the sheet
// report (title, form lines) with "записи блокнота измерителя" as subtitle,
// then the entry's pairs with their capacitance and insulation as the
// cable pages show them.
#ifndef TELVANE_CABLE_SHEETS_NOTEBOOK_REPORT_H_
#define TELVANE_CABLE_SHEETS_NOTEBOOK_REPORT_H_

#include <string>

#include "cable/sheets/sheet_catalog.h"
#include "cable/sheets/sheet_report.h"

namespace telvane {

// True when every write succeeded.
bool WriteNotebookReport(const std::string& path, const NotebookRecord& entry, int number,
                         const ReportHeading& heading);

// The text of a capacitance or insulation of the notebook: "НЕТ ИЗМЕРЕНИЙ"
// for the not-measured markers, else FormatMeasurement's text.
std::string NotebookValueText(float value, int kind);

}  // namespace telvane

#endif  // TELVANE_CABLE_SHEETS_NOTEBOOK_REPORT_H_
