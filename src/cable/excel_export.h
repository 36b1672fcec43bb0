// The Excel exports of the cable-parameter meters through the SQL layer: the
// parameters of one cable, the planned measurements of one cable and the
// cable-type table. Each builds a connection string and its statements and
// lets ExcelSqlConnection write the workbook.
#ifndef TELVANE_CABLE_EXCEL_EXPORT_H_
#define TELVANE_CABLE_EXCEL_EXPORT_H_

#include <string>
#include <vector>

#include "base/screen.h"
#include "cable/cable_database.h"

namespace telvane {

// Database numbers of the cable export (the position in the page's choice).
inline constexpr int kExportParameters = 0;
inline constexpr int kExportPlanned = 1;
inline constexpr int kExportReflectograms = 2;

// The statements, UTF-8, text values with their quotes doubled.
std::vector<std::string> CableParameterStatements(const CableRecord& cable);
std::vector<std::string> PlannedStatements(const CableRecord& cable,
                                           const PlannedDatabase& planned);
std::vector<std::string> CableTypeStatements(const CableTypeTable& table);

// Runs `statements` on a new connection to the workbook `path` and replaces
// the file with the result. Any failure (a target that is not a regular file,
// a missing or read-only folder, a statement that does not fit, a short
// write) shows "Ошибка создания файла" with the file name, returns false and
// leaves the old file as it was.
bool WriteExcelWorkbook(Screen& screen, const std::string& path,
                        const std::vector<std::string>& statements);

// The workbook paths below a chosen folder: "<folder>/<cable name>/Параметры
// кабеля.xls" and "<folder>/<cable name>/Плановые измерения/p_dd_dd_dd.xls".
// Creates the folders on the way (a failure is not reported; the connection
// then fails). A cable name that would leave the chosen folder is made safe.
std::string PrepareCableExportPath(const std::string& folder, const CableRecord& cable,
                                   const PlannedDatabase& planned, int database_number);

// Export of cable `cable` for database number 0 or 1 (2 and others refused
// with a message), to a folder the user chooses.
bool ExportCableToExcel(Screen& screen, const CableBase& base, int cable, int database_number);

FileDialog CableTypeExcelDialog();
// Export of the type table to a file the user chooses.
bool ExportCableTypesToExcel(Screen& screen, const CableTypeTable& table);

}  // namespace telvane

#endif  // TELVANE_CABLE_EXCEL_EXPORT_H_
