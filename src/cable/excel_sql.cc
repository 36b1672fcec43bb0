#include "cable/excel_sql.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "base/file_write.h"
#include "base/sprintf.h"
#include "storage/worksheet_writer.h"

namespace telvane {
namespace {

// A cursor over a statement.
class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  void SkipBlanks() {
    while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
  }
  bool AtEnd() {
    SkipBlanks();
    return pos_ >= text_.size();
  }
  // Takes `word` (case-insensitive ASCII) after blanks.
  bool Take(std::string_view word) {
    SkipBlanks();
    if (text_.size() - pos_ < word.size()) return false;
    for (size_t i = 0; i < word.size(); ++i) {
      if (std::toupper(static_cast<unsigned char>(text_[pos_ + i])) !=
          std::toupper(static_cast<unsigned char>(word[i]))) {
        return false;
      }
    }
    pos_ += word.size();
    return true;
  }
  // A name: letters, digits, '_' and any non-ASCII byte.
  std::optional<std::string> Name() {
    SkipBlanks();
    const size_t start = pos_;
    while (pos_ < text_.size()) {
      const unsigned char c = static_cast<unsigned char>(text_[pos_]);
      if (!(std::isalnum(c) || c == '_' || c >= 0x80)) break;
      ++pos_;
    }
    if (pos_ == start) return std::nullopt;
    return std::string(text_.substr(start, pos_ - start));
  }
  // A '...' literal with '' standing for one quote.
  std::optional<std::string> Quoted() {
    SkipBlanks();
    if (pos_ >= text_.size() || text_[pos_] != '\'') return std::nullopt;
    std::string out;
    for (++pos_; pos_ < text_.size(); ++pos_) {
      if (text_[pos_] == '\'') {
        if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
          out += '\'';
          ++pos_;
        } else {
          ++pos_;
          return out;
        }
      } else {
        out += text_[pos_];
      }
    }
    return std::nullopt;  // unterminated
  }
  // A bare token up to ',' or ')'.
  std::string Bare() {
    SkipBlanks();
    const size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != ',' && text_[pos_] != ')') ++pos_;
    std::string token(text_.substr(start, pos_ - start));
    while (!token.empty() && std::isspace(static_cast<unsigned char>(token.back())))
      token.pop_back();
    return token;
  }
  bool Peek(char c) {
    SkipBlanks();
    return pos_ < text_.size() && text_[pos_] == c;
  }

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

// The driver part that opens every connection string of the exports.
std::string DriverPrefix() { return std::string("DRIVER={") + kExcelDriver + "};"; }

std::optional<double> ParseNumber(const std::string& token) {
  if (token.empty()) return std::nullopt;
  char* end = nullptr;
  const double value = std::strtod(token.c_str(), &end);
  if (end == token.c_str() || *end != '\0') return std::nullopt;
  return value;
}

}  // namespace

std::string ExcelConnectionString(const std::string& path) {
  return Sprintf("DRIVER={%s};DSN='';FIRSTROWHASNAMES=1;READONLY=FALSE;CREATE_DB=\"%s\";DBQ=%s",
                 kExcelDriver, path.c_str(), path.c_str());
}

std::string EscapeSqlText(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '\'') out += '\'';
    out += c;
  }
  return out;
}

bool ExcelSqlConnection::Open(const std::string& connection_string, const std::string& path) {
  open_ = false;
  columns_.clear();
  rows_.clear();
  table_.clear();
  if (!connection_string.starts_with(DriverPrefix()) || path.empty()) return false;
  std::error_code ec;
  std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (folder.empty()) folder = ".";
  if (!std::filesystem::is_directory(folder, ec)) return false;
  path_ = path;
  open_ = true;
  return true;
}

bool ExcelSqlConnection::Execute(const std::string& statement) {
  if (!open_) return false;
  Scanner s(statement);
  if (s.Take("CREATE") && s.Take("TABLE")) {
    return CreateTable(statement);
  }
  Scanner t(statement);
  if (t.Take("INSERT") && t.Take("INTO")) return Insert(statement);
  return false;
}

bool ExcelSqlConnection::CreateTable(std::string_view text) {
  if (!table_.empty()) return false;  // one worksheet, one table
  Scanner s(text);
  s.Take("CREATE");
  s.Take("TABLE");
  const auto name = s.Name();
  if (!name || !s.Take("(")) return false;
  std::vector<Column> columns;
  for (;;) {
    const auto column = s.Name();
    const auto type = s.Name();
    if (!column || !type) return false;
    Column c{*column, ColumnType::kText};
    Scanner type_scan(*type);
    if (type_scan.Take("NUMBER") && type_scan.AtEnd()) {
      c.type = ColumnType::kNumber;
    } else if (!(Scanner(*type).Take("TEXT") && type->size() == 4)) {
      return false;
    }
    columns.push_back(c);
    if (s.Take(")")) break;
    if (!s.Take(",")) return false;
  }
  if (!s.AtEnd()) return false;
  table_ = *name;
  columns_ = std::move(columns);
  return true;
}

bool ExcelSqlConnection::Insert(std::string_view text) {
  Scanner s(text);
  s.Take("INSERT");
  s.Take("INTO");
  const auto name = s.Name();
  if (!name || *name != table_ || !s.Take("(")) return false;
  std::vector<size_t> order;
  for (;;) {
    const auto column = s.Name();
    if (!column) return false;
    size_t index = 0;
    while (index < columns_.size() && columns_[index].name != *column) ++index;
    if (index == columns_.size()) return false;
    order.push_back(index);
    if (s.Take(")")) break;
    if (!s.Take(",")) return false;
  }
  if (!s.Take("VALUES") || !s.Take("(")) return false;
  std::vector<Value> row(columns_.size(), Value(std::string()));
  for (size_t i = 0;; ++i) {
    if (i >= order.size()) return false;
    const Column& column = columns_[order[i]];
    std::string token;
    bool quoted = false;
    if (s.Peek('\'')) {
      const auto literal = s.Quoted();
      if (!literal) return false;
      token = *literal;
      quoted = true;
    } else {
      token = s.Bare();
    }
    if (column.type == ColumnType::kNumber) {
      const auto number = ParseNumber(token);
      if (!number) return false;
      row[order[i]] = *number;
    } else {
      if (!quoted && token.empty()) return false;
      row[order[i]] = token;
    }
    if (s.Take(")")) {
      if (i + 1 != order.size()) return false;
      break;
    }
    if (!s.Take(",")) return false;
  }
  if (!s.AtEnd()) return false;
  rows_.push_back(std::move(row));
  return true;
}

bool ExcelSqlConnection::Close() {
  if (!open_) return false;
  open_ = false;
  if (table_.empty()) return false;  // no table: the driver would leave no workbook
  std::optional<FileReplacement> replacement = FileReplacement::Begin(path_);
  if (!replacement) return false;
  replacement->file().Close();  // the writer opens the new file itself
  WorksheetWriter writer;
  bool ok = writer.Open(replacement->new_path());
  for (size_t c = 0; c < columns_.size(); ++c) {
    ok = writer.WriteLabel(0, static_cast<uint16_t>(c), 0, columns_[c].name, 0, 0) && ok;
  }
  for (size_t r = 0; r < rows_.size(); ++r) {
    const auto row_index = static_cast<uint16_t>(r + 1);
    for (size_t c = 0; c < columns_.size(); ++c) {
      const Value& v = rows_[r][c];
      if (const double* number = std::get_if<double>(&v)) {
        ok = writer.WriteNumber(row_index, static_cast<uint16_t>(c), 0, *number, 0, 0) && ok;
      } else {
        ok = writer.WriteLabel(row_index, static_cast<uint16_t>(c), 0, std::get<std::string>(v), 0,
                               0) &&
             ok;
      }
    }
  }
  ok = writer.Close() && ok;
  return ok && replacement->Commit();
}

}  // namespace telvane
