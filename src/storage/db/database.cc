#include "storage/db/database.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "storage/db/automation_date.h"

namespace telvane {
namespace {

constexpr char kNoSuchField[] =
    "Item cannot be found in the collection corresponding to the requested name or ordinal.";
constexpr char kNoCurrentRecord[] =
    "Either BOF or EOF is True, or the current record has been deleted. Requested operation "
    "requires a current record.";

std::string QuoteIdentifier(const std::string& name) {
  std::string out = "\"";
  for (char c : name) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

// telvane_date_text(x): the day of an automation date as "dd.mm.yyyy".
void DateTextFunction(sqlite3_context* context, int, sqlite3_value** argv) {
  switch (sqlite3_value_type(argv[0])) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT: {
      const std::string text = AutomationDateText(sqlite3_value_double(argv[0]));
      sqlite3_result_text(context, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
      break;
    }
    case SQLITE_NULL:
      sqlite3_result_null(context);
      break;
    default:
      sqlite3_result_value(context, argv[0]);
  }
}

void Bind(Database& db, sqlite3_stmt* statement, int index, const FieldValue& value) {
  int rc = SQLITE_OK;
  const auto& raw = value.raw();
  if (std::holds_alternative<std::monostate>(raw)) {
    rc = sqlite3_bind_null(statement, index);
  } else if (const auto* i = std::get_if<int64_t>(&raw)) {
    rc = sqlite3_bind_int64(statement, index, *i);
  } else if (const auto* d = std::get_if<double>(&raw)) {
    rc = sqlite3_bind_double(statement, index, *d);
  } else {
    const std::string& s = std::get<std::string>(raw);
    rc =
        sqlite3_bind_text(statement, index, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
  }
  if (rc != SQLITE_OK) db.Fail();
}

FieldValue ColumnValue(sqlite3_stmt* statement, int index) {
  switch (sqlite3_column_type(statement, index)) {
    case SQLITE_INTEGER:
      return FieldValue(static_cast<long long>(sqlite3_column_int64(statement, index)));
    case SQLITE_FLOAT:
      return FieldValue(sqlite3_column_double(statement, index));
    case SQLITE_NULL:
      return FieldValue();
    default: {
      const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, index));
      return FieldValue(std::string(text, sqlite3_column_bytes(statement, index)));
    }
  }
}

// Steps a statement to its end; false when the database reported an error.
bool StepToEnd(sqlite3_stmt* statement) {
  int rc;
  while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
  }
  return rc == SQLITE_DONE;
}

}  // namespace

std::string ConnectionString(const std::string& path) {
  return std::string("Provider=") + kJetProvider + "Password=;" + "Data Source=" + path;
}

// --- FieldValue ------------------------------------------------------------

int64_t FieldValue::AsLong() const {
  if (const auto* i = std::get_if<int64_t>(&value_)) return *i;
  if (const auto* d = std::get_if<double>(&value_)) {
    if (!(*d > -9.2e18 && *d < 9.2e18)) return 0;
    return static_cast<int64_t>(*d);
  }
  if (const auto* s = std::get_if<std::string>(&value_))
    return std::strtoll(s->c_str(), nullptr, 10);
  return 0;
}

double FieldValue::AsDouble() const {
  if (const auto* i = std::get_if<int64_t>(&value_)) return static_cast<double>(*i);
  if (const auto* d = std::get_if<double>(&value_)) return *d;
  if (const auto* s = std::get_if<std::string>(&value_)) return std::strtod(s->c_str(), nullptr);
  return 0.0;
}

std::string FieldValue::AsText() const {
  if (const auto* i = std::get_if<int64_t>(&value_)) return std::to_string(*i);
  if (const auto* d = std::get_if<double>(&value_)) {
    char text[64];
    std::snprintf(text, sizeof text, "%.9g", *d);
    return text;
  }
  if (const auto* s = std::get_if<std::string>(&value_)) return *s;
  return {};
}

// --- Database --------------------------------------------------------------

Database::~Database() { Close(); }

void Database::Close() {
  for (auto& [sql, statement] : statements_) sqlite3_finalize(statement);
  statements_.clear();
  date_columns_.reset();
  if (db_ != nullptr) sqlite3_close(db_);
  db_ = nullptr;
}

[[noreturn]] void Database::Fail() {
  throw DbError(db_ != nullptr ? sqlite3_errmsg(db_) : "The connection is not open.");
}

void Database::OpenPath(const std::string& path, int flags) {
  Close();
  path_ = path;
  // Only a regular file can be a database: reading a FIFO or a device would
  // wait for ever or without end.
  struct stat info;
  if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
    throw DbError("file is not a database: '" + path + "'");
  }
  // A name that begins with "file:" would be read as a URI by a library
  // built to accept them; "./" keeps it a plain file name.
  const std::string file_name = path.starts_with("file:") ? "./" + path : path;
  if (sqlite3_open_v2(file_name.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
    const std::string text = db_ != nullptr ? sqlite3_errmsg(db_) : "out of memory";
    Close();
    throw DbError(text + ": '" + path + "'");
  }
  sqlite3_extended_result_codes(db_, 0);
  sqlite3_create_function(db_, "telvane_date_text", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                          DateTextFunction, nullptr, nullptr);
  // Reading the schema tells a database from any other file at once.
  if (sqlite3_exec(db_, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) !=
      SQLITE_OK) {
    const std::string text = sqlite3_errmsg(db_);
    Close();
    throw DbError(text + ": '" + path + "'");
  }
}

void Database::Open(const std::string& path) {
  if (path.empty()) throw DbError("The connection string holds no data source.");
  OpenPath(path, SQLITE_OPEN_READWRITE);
  connection_string_ = ConnectionString(path);
}

void Database::Create(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::exists(path, ec)) throw DbError("Database already exists: '" + path + "'");
  OpenPath(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
}

sqlite3_stmt* Database::Prepare(const std::string& sql) {
  if (db_ == nullptr) Fail();
  auto found = statements_.find(sql);
  if (found != statements_.end()) {
    sqlite3_reset(found->second);
    sqlite3_clear_bindings(found->second);
    return found->second;
  }
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v3(db_, sql.c_str(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT,
                         &statement, nullptr) != SQLITE_OK) {
    Fail();
  }
  if (statement == nullptr) throw DbError("Empty statement.");
  statements_.emplace(sql, statement);
  return statement;
}

const DateColumns& Database::date_columns() {
  if (!date_columns_) {
    DateColumns columns;
    sqlite3_stmt* s = Prepare(
        "SELECT lower(p.name), upper(p.type) FROM sqlite_master AS m, pragma_table_info(m.name) "
        "AS p WHERE m.type = 'table'");
    while (sqlite3_step(s) == SQLITE_ROW) {
      const std::string type = reinterpret_cast<const char*>(sqlite3_column_text(s, 1));
      if (type.find("DATE") != std::string::npos || type.find("TIME") != std::string::npos) {
        columns.insert(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)));
      }
    }
    date_columns_ = std::move(columns);
  }
  return *date_columns_;
}

TranslatedSql Database::Translate(const JetSql& statement) {
  TranslatedSql translated = TranslateJet(statement.text(), date_columns());
  if (translated.sql.empty()) throw DbError("Syntax error in statement: " + statement.text());
  return translated;
}

std::vector<std::string> Database::TableNames() {
  std::vector<std::string> names;
  sqlite3_stmt* s = Prepare(
      "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite\\_%' "
      "ESCAPE '\\' ORDER BY name");
  int rc;
  while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
    names.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)));
  }
  if (rc != SQLITE_DONE) Fail();
  return names;
}

std::vector<Database::ColumnRow> Database::Columns() {
  std::vector<ColumnRow> rows;
  sqlite3_stmt* s = Prepare(
      "SELECT m.name, p.name FROM sqlite_master AS m, pragma_table_info(m.name) AS p "
      "WHERE m.type = 'table' AND m.name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY m.name, p.cid");
  int rc;
  while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
    rows.push_back({reinterpret_cast<const char*>(sqlite3_column_text(s, 0)),
                    reinterpret_cast<const char*>(sqlite3_column_text(s, 1))});
  }
  if (rc != SQLITE_DONE) Fail();
  return rows;
}

bool Database::HasColumn(const std::string& table, const std::string& column) {
  for (const ColumnRow& row : Columns()) {
    if (row.table_name == table && row.column_name == column) return true;
  }
  return false;
}

int Database::Execute(const JetSql& statement) {
  const TranslatedSql translated = Translate(statement);
  sqlite3_stmt* s = Prepare(translated.sql);
  for (size_t i = 0; i < translated.parameters.size(); ++i) {
    Bind(*this, s, static_cast<int>(i + 1), FieldValue(translated.parameters[i]));
  }
  if (!StepToEnd(s)) Fail();
  return sqlite3_changes(db_);
}

void Database::ExecuteScript(const std::string& sql) {
  if (db_ == nullptr) Fail();
  char* error = nullptr;
  if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    const std::string text = error != nullptr ? error : sqlite3_errmsg(db_);
    sqlite3_free(error);
    throw DbError(text);
  }
  date_columns_.reset();
}

Database::Transaction::Transaction(Database& db) : db_(db) { db_.ExecuteScript("BEGIN"); }

Database::Transaction::~Transaction() {
  if (!done_ && db_.handle() != nullptr) {
    sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
  }
}

void Database::Transaction::Commit() {
  db_.ExecuteScript("COMMIT");
  done_ = true;
}

// --- Recordset -------------------------------------------------------------

void Recordset::Close() {
  db_ = nullptr;
  table_.clear();
  columns_.clear();
  rows_.clear();
  position_ = 0;
}

void Recordset::Open(Database& db, const JetSql& select) {
  Close();
  const TranslatedSql translated = db.Translate(select);
  const std::string prefix = "select * from ";
  if (LowerAscii(translated.sql.substr(0, prefix.size())) != prefix) {
    throw DbError("A recordset needs a statement of the form SELECT * FROM table.");
  }
  // The table name: a quoted identifier or a bare word.
  const std::string rest = translated.sql.substr(prefix.size());
  size_t end;
  if (!rest.empty() && rest[0] == '"') {
    end = 1;
    while (end < rest.size() &&
           !(rest[end] == '"' && (end + 1 >= rest.size() || rest[end + 1] != '"'))) {
      end += rest[end] == '"' ? 2 : 1;
    }
    ++end;
  } else {
    end = rest.find_first_of(" ;");
    if (end == std::string::npos) end = rest.size();
  }
  table_ = rest.substr(0, end);
  sqlite3_stmt* s = db.Prepare("SELECT _rowid_, * FROM " + rest);
  for (size_t i = 0; i < translated.parameters.size(); ++i) {
    Bind(db, s, static_cast<int>(i + 1), FieldValue(translated.parameters[i]));
  }
  const int count = sqlite3_column_count(s);
  for (int i = 1; i < count; ++i) columns_.emplace_back(sqlite3_column_name(s, i));
  int rc;
  while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
    Row row;
    row.rowid = sqlite3_column_int64(s, 0);
    for (int i = 1; i < count; ++i) row.values.push_back(ColumnValue(s, i));
    row.changed.assign(columns_.size(), false);
    rows_.push_back(std::move(row));
  }
  if (rc != SQLITE_DONE) db.Fail();
  db_ = &db;
  position_ = 0;
}

size_t Recordset::ColumnIndex(const std::string& column) const {
  const std::string wanted = LowerAscii(column);
  for (size_t i = 0; i < columns_.size(); ++i) {
    if (LowerAscii(columns_[i]) == wanted) return i;
  }
  throw DbError(kNoSuchField);
}

FieldValue Recordset::Get(const std::string& column) const {
  const size_t index = ColumnIndex(column);
  if (IsEof()) throw DbError(kNoCurrentRecord);
  return rows_[position_].values[index];
}

void Recordset::AddNew() {
  if (db_ == nullptr) throw DbError("The recordset is not open.");
  Row row;
  row.is_new = true;
  row.values.assign(columns_.size(), FieldValue());
  row.changed.assign(columns_.size(), false);
  rows_.push_back(std::move(row));
  position_ = rows_.size() - 1;
}

void Recordset::Put(const std::string& column, FieldValue value) {
  const size_t index = ColumnIndex(column);
  if (IsEof()) throw DbError(kNoCurrentRecord);
  rows_[position_].values[index] = std::move(value);
  rows_[position_].changed[index] = true;
}

void Recordset::LoadRow(int64_t rowid, Row& row) {
  sqlite3_stmt* s = db_->Prepare("SELECT * FROM " + table_ + " WHERE _rowid_ = ?");
  sqlite3_bind_int64(s, 1, rowid);
  if (sqlite3_step(s) != SQLITE_ROW) db_->Fail();
  for (size_t i = 0; i < columns_.size(); ++i) row.values[i] = ColumnValue(s, static_cast<int>(i));
  sqlite3_reset(s);
}

void Recordset::Update() {
  if (db_ == nullptr || IsEof()) throw DbError(kNoCurrentRecord);
  Row& row = rows_[position_];
  std::string sql;
  std::vector<const FieldValue*> values;
  if (row.is_new) {
    std::string names;
    std::string marks;
    for (size_t i = 0; i < columns_.size(); ++i) {
      if (!row.changed[i]) continue;
      names += (names.empty() ? "" : ", ") + QuoteIdentifier(columns_[i]);
      marks += marks.empty() ? "?" : ", ?";
      values.push_back(&row.values[i]);
    }
    sql = names.empty() ? "INSERT INTO " + table_ + " DEFAULT VALUES"
                        : "INSERT INTO " + table_ + " (" + names + ") VALUES (" + marks + ")";
  } else {
    std::string sets;
    for (size_t i = 0; i < columns_.size(); ++i) {
      if (!row.changed[i]) continue;
      sets += (sets.empty() ? "" : ", ") + QuoteIdentifier(columns_[i]) + " = ?";
      values.push_back(&row.values[i]);
    }
    if (sets.empty()) return;
    sql = "UPDATE " + table_ + " SET " + sets + " WHERE _rowid_ = ?";
  }
  sqlite3_stmt* s = db_->Prepare(sql);
  for (size_t i = 0; i < values.size(); ++i) Bind(*db_, s, static_cast<int>(i + 1), *values[i]);
  if (!row.is_new) sqlite3_bind_int64(s, static_cast<int>(values.size() + 1), row.rowid);
  if (!StepToEnd(s)) db_->Fail();
  if (row.is_new) {
    row.rowid = sqlite3_last_insert_rowid(db_->handle());
    row.is_new = false;
    LoadRow(row.rowid, row);
  }
  row.changed.assign(columns_.size(), false);
}

}  // namespace telvane
