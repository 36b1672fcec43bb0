// Statements in the Jet dialect that the database code is written in, and
// their translation into SQLite's.
//
// The storage code builds its statements from the same literal pieces as
// always ("SELECT * FROM ", table, " WHERE [CableName]=", Q, name, Q). A value
// is never pasted in raw: `Quoted` writes it as a Jet string literal with every
// double quote doubled, and the translation turns each literal into a bound
// parameter, so a name holding quotes, brackets, percent signs or apostrophes
// can neither break nor change a statement.
//
// Translation:
//   "text" and 'text'      -> a bound parameter (doubled quotes undone)
//   [name]                 -> "name" (an SQLite identifier)
//   DELETE * FROM          -> DELETE FROM
//   [date column] Like x   -> telvane_date_text("column") LIKE x, which compares
//                             the date as the text dd.mm.yyyy, as Jet does
#ifndef TELVANE_STORAGE_DB_JET_SQL_H_
#define TELVANE_STORAGE_DB_JET_SQL_H_

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace telvane {

// One double-quote character, the Q of the statement tables.
inline constexpr char kQ[] = "\"";

class JetSql {
 public:
  JetSql() = default;
  explicit JetSql(std::string_view text) : text_(text) {}

  // Appends a literal piece of the statement.
  JetSql& operator<<(std::string_view piece) {
    text_ += piece;
    return *this;
  }
  JetSql& operator<<(long number) {
    text_ += std::to_string(number);
    return *this;
  }
  // Appends `value` as a complete Jet string literal: Q, value, Q.
  JetSql& Quoted(std::string_view value);
  // Appends the inside of a literal whose quotes the caller writes as pieces
  // (for statements whose quote is part of a longer piece).
  JetSql& Escaped(std::string_view value);

  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

struct TranslatedSql {
  std::string sql;                      // SQLite text with ? placeholders
  std::vector<std::string> parameters;  // the literals' texts, in order
};

// Case-insensitive names of the columns that hold dates.
using DateColumns = std::set<std::string>;

// Translates a Jet statement; `date_columns` are the lower-case names of date
// columns (for Like). Unterminated literals or brackets are an error: the
// result then has an empty `sql`.
TranslatedSql TranslateJet(std::string_view jet, const DateColumns& date_columns);

// ASCII lower case (Cyrillic names are compared byte for byte).
std::string LowerAscii(std::string_view text);

}  // namespace telvane

#endif  // TELVANE_STORAGE_DB_JET_SQL_H_
