// A small SQL connection that writes an Excel workbook: the program's stand-in
// for the Excel driver. It accepts the connection string the exports build,
// one CREATE TABLE and its INSERT statements, and on Close writes the table as
// an Excel 2.1 worksheet through WorksheetWriter: the first row holds the
// column names, TEXT columns become labels and NUMBER columns numbers.
#ifndef TELVANE_CABLE_EXCEL_SQL_H_
#define TELVANE_CABLE_EXCEL_SQL_H_

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace telvane {

inline constexpr char kExcelDriver[] = "MICROSOFT EXCEL DRIVER (*.XLS)";

// "DRIVER={...};DSN='';FIRSTROWHASNAMES=1;READONLY=FALSE;CREATE_DB="path";DBQ=path"
// The path is pasted in as the driver expects it; the connection never reads
// it back out of this text (a ';' or '"' in a path would move it).
std::string ExcelConnectionString(const std::string& path);

// Doubles every single quote, so a text can stand inside '...'.
std::string EscapeSqlText(std::string_view text);

class ExcelSqlConnection {
 public:
  enum class ColumnType { kText, kNumber };
  struct Column {
    std::string name;
    ColumnType type;
  };
  using Value = std::variant<std::string, double>;

  ExcelSqlConnection() = default;
  ExcelSqlConnection(const ExcelSqlConnection&) = delete;
  ExcelSqlConnection& operator=(const ExcelSqlConnection&) = delete;

  // Accepts a connection string of the Excel driver for the workbook at
  // `path`, taken whole from the caller; the folder must exist.
  bool Open(const std::string& connection_string, const std::string& path);
  // Runs one statement (UTF-8); false for a statement it cannot parse or that
  // does not fit the table.
  bool Execute(const std::string& statement);
  // Writes the workbook beside its place and puts it there only when it is
  // complete; false (the old file left as it was) when the target is not a
  // regular file or the workbook could not be written whole.
  bool Close();

  bool is_open() const { return open_; }
  const std::string& path() const { return path_; }
  const std::vector<Column>& columns() const { return columns_; }
  const std::vector<std::vector<Value>>& rows() const { return rows_; }

 private:
  bool CreateTable(std::string_view rest);
  bool Insert(std::string_view rest);

  bool open_ = false;
  std::string path_;
  std::string table_;
  std::vector<Column> columns_;
  std::vector<std::vector<Value>> rows_;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_EXCEL_SQL_H_
