// The database layer the storage code talks to: an SQLite file standing in for
// the Access database the program was written against.
//
// A `Database` is a connection to the file at a path the caller gives whole
// (its connection string "Provider=Microsoft.Jet.OLEDB.4.0;Password=;Data
// Source=PATH" is kept for what it names, never parsed back, so a ';' or '='
// in a path stays part of the file name); it offers the table and column schema rowsets,
// statements in the Jet dialect (translated, see jet_sql.h) and transactions.
// A `Recordset` opened on "SELECT * FROM table ..." holds the keys and values
// of the selected rows and supports AddNew / Put / Update, Get and moving.
//
// Errors of the provider are thrown as DbError with the provider's text, as
// the component layer raises its errors; every database operation catches
// them at its top and shows "Description = '%s'\n".
#ifndef TELVANE_STORAGE_DB_DATABASE_H_
#define TELVANE_STORAGE_DB_DATABASE_H_

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "storage/db/jet_sql.h"

struct sqlite3;
struct sqlite3_stmt;

namespace telvane {

class DbError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The provider name the application object holds.
inline constexpr char kJetProvider[] = "Microsoft.Jet.OLEDB.4.0;";

// "Provider=" + provider + "Password=;" + "Data Source=" + path.
std::string ConnectionString(const std::string& path);

// A field: Null, a whole number, a real number or text (UTF-8).
class FieldValue {
 public:
  FieldValue() = default;
  FieldValue(std::nullopt_t) {}
  FieldValue(int v) : value_(static_cast<int64_t>(v)) {}
  FieldValue(long v) : value_(static_cast<int64_t>(v)) {}
  FieldValue(long long v) : value_(static_cast<int64_t>(v)) {}
  FieldValue(unsigned v) : value_(static_cast<int64_t>(v)) {}
  FieldValue(bool v) : value_(static_cast<int64_t>(v ? 1 : 0)) {}
  FieldValue(float v) : value_(static_cast<double>(v)) {}
  FieldValue(double v) : value_(v) {}
  FieldValue(std::string v) : value_(std::move(v)) {}
  FieldValue(const char* v) : value_(std::string(v)) {}

  bool is_null() const { return std::holds_alternative<std::monostate>(value_); }
  bool is_text() const { return std::holds_alternative<std::string>(value_); }
  // Numbers convert as the component layer converts variants; Null gives 0 or
  // the empty text; text gives its leading number.
  int64_t AsLong() const;
  double AsDouble() const;
  float AsFloat() const { return static_cast<float>(AsDouble()); }
  std::string AsText() const;

  const std::variant<std::monostate, int64_t, double, std::string>& raw() const { return value_; }
  bool operator==(const FieldValue&) const = default;

 private:
  std::variant<std::monostate, int64_t, double, std::string> value_;
};

class Database {
 public:
  Database() = default;
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // Opens the existing database file `path`, as the connection string
  // ConnectionString(path) names it; throws DbError when the file is missing
  // or is not a database.
  void Open(const std::string& path);
  // Creates a new, empty database file (the file must not exist).
  void Create(const std::string& path);
  void Close();
  bool is_open() const { return db_ != nullptr; }
  const std::string& path() const { return path_; }
  const std::string& connection_string() const { return connection_string_; }

  // The schema rowsets: the "TABLE_NAME" of every table, and "TABLE_NAME" /
  // "COLUMN_NAME" of every column.
  std::vector<std::string> TableNames();
  struct ColumnRow {
    std::string table_name;
    std::string column_name;
  };
  std::vector<ColumnRow> Columns();
  bool HasColumn(const std::string& table, const std::string& column);

  // Runs a statement that returns no rows; returns the number of rows changed.
  int Execute(const JetSql& statement);
  // Runs SQLite text as it is (schema scripts).
  void ExecuteScript(const std::string& sql);

  // One transaction; rolled back unless Commit was called.
  class Transaction {
   public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void Commit();

   private:
    Database& db_;
    bool done_ = false;
  };

  // --- For Recordset --------------------------------------------------------
  // A prepared statement from the cache, reset and with its bindings cleared.
  sqlite3_stmt* Prepare(const std::string& sql);
  TranslatedSql Translate(const JetSql& statement);
  [[noreturn]] void Fail();
  sqlite3* handle() { return db_; }

 private:
  void OpenPath(const std::string& path, int flags);
  const DateColumns& date_columns();

  sqlite3* db_ = nullptr;
  std::string path_;
  std::string connection_string_;
  std::map<std::string, sqlite3_stmt*> statements_;
  std::optional<DateColumns> date_columns_;
};

class Recordset {
 public:
  Recordset() = default;
  // Opens on a "SELECT * FROM table [WHERE ...] [ORDER BY ...]" statement.
  void Open(Database& db, const JetSql& select);
  void Close();

  bool IsEof() const { return position_ >= rows_.size(); }
  size_t RecordCount() const { return rows_.size(); }
  void MoveFirst() { position_ = 0; }
  void MoveNext() {
    if (position_ < rows_.size()) ++position_;
  }

  // The field of the current row (or of the row being added); throws DbError
  // for an unknown column or when there is no current row.
  FieldValue Get(const std::string& column) const;
  // Starts a new row at the end; fields not put stay Null (or their default).
  void AddNew();
  void Put(const std::string& column, FieldValue value);
  // Stores the new or changed row; a new row is read back, so values the
  // database assigns (auto numbers) can then be read with Get.
  void Update();

  const std::vector<std::string>& columns() const { return columns_; }

 private:
  struct Row {
    int64_t rowid = 0;
    std::vector<FieldValue> values;
    std::vector<bool> changed;
    bool is_new = false;
  };
  size_t ColumnIndex(const std::string& column) const;
  void LoadRow(int64_t rowid, Row& row);

  Database* db_ = nullptr;
  std::string table_;
  std::vector<std::string> columns_;
  std::vector<Row> rows_;
  size_t position_ = 0;
};

}  // namespace telvane

#endif  // TELVANE_STORAGE_DB_DATABASE_H_
