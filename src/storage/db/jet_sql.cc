#include "storage/db/jet_sql.h"

#include <cctype>

namespace telvane {
namespace {

bool IsWordChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_' ||
         (static_cast<unsigned char>(c) >= 0x80);
}

void AppendIdentifier(std::string& out, std::string_view name) {
  out += '"';
  for (char c : name) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

}  // namespace

JetSql& JetSql::Escaped(std::string_view value) {
  for (char c : value) {
    if (c == '"') text_ += '"';
    text_ += c;
  }
  return *this;
}

JetSql& JetSql::Quoted(std::string_view value) {
  text_ += '"';
  Escaped(value);
  text_ += '"';
  return *this;
}

std::string LowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

TranslatedSql TranslateJet(std::string_view jet, const DateColumns& date_columns) {
  TranslatedSql result;
  std::string& out = result.sql;
  // Where the last identifier began in `out`, and its name, for Like.
  size_t last_identifier_at = std::string::npos;
  std::string last_identifier;
  std::string previous_word;  // upper-case previous keyword, for DELETE *
  size_t i = 0;
  while (i < jet.size()) {
    const char c = jet[i];
    if (c == '"' || c == '\'') {
      std::string value;
      size_t j = i + 1;
      bool closed = false;
      while (j < jet.size()) {
        if (jet[j] == c) {
          if (j + 1 < jet.size() && jet[j + 1] == c) {
            value += c;
            j += 2;
            continue;
          }
          closed = true;
          break;
        }
        value += jet[j++];
      }
      if (!closed) return {};
      result.parameters.push_back(std::move(value));
      out += '?';
      i = j + 1;
      previous_word.clear();
      last_identifier_at = std::string::npos;
      continue;
    }
    if (c == '[') {
      const size_t end = jet.find(']', i + 1);
      if (end == std::string_view::npos) return {};
      last_identifier_at = out.size();
      last_identifier = std::string(jet.substr(i + 1, end - i - 1));
      AppendIdentifier(out, last_identifier);
      i = end + 1;
      previous_word.clear();
      continue;
    }
    if (c == '*' && previous_word == "DELETE") {
      // "DELETE * FROM": SQLite takes no column list.
      ++i;
      while (i < jet.size() && jet[i] == ' ') ++i;
      previous_word.clear();
      continue;
    }
    if (IsWordChar(c)) {
      size_t j = i;
      while (j < jet.size() && IsWordChar(jet[j])) ++j;
      const std::string_view word = jet.substr(i, j - i);
      std::string upper(word);
      for (char& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
      if (upper == "LIKE" && last_identifier_at != std::string::npos &&
          date_columns.count(LowerAscii(last_identifier)) > 0) {
        // The column and the blanks after it become the function call.
        const size_t name_end = out.find_last_not_of(' ') + 1;
        const std::string column = out.substr(last_identifier_at, name_end - last_identifier_at);
        out.resize(last_identifier_at);
        out += "telvane_date_text(" + column + ") LIKE ";
        last_identifier_at = std::string::npos;
      } else {
        // A bare word may be a column name too.
        last_identifier_at = out.size();
        last_identifier = std::string(word);
        out += word;
      }
      previous_word = upper;
      i = j;
      continue;
    }
    out += c;
    if (c != ' ') {
      last_identifier_at = std::string::npos;
      previous_word.clear();
    }
    ++i;
  }
  return result;
}

}  // namespace telvane
