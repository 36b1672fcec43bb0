#include "cable/db/legacy_schema.h"

#include "base/file_messages.h"
#include "base/file_write.h"
#include "storage/db/database.h"
#include "storage/db/db_session.h"
#include "storage/db/schema.h"

namespace telvane {
namespace {

std::string Prefixed(int section, const char* column) {
  return std::to_string(section + 1) + "_" + column;
}

std::string Section(int section, const char* column) {
  return "Участок_" + std::to_string(section + 1) + "_" + column;
}

JetSql SelectAll(const char* table) { return JetSql() << "SELECT * FROM " << table; }

void ShowLegacyBError(Screen& screen, const DbError& error) {
  screen.ShowMessage(Icon::kError, kDbErrorCaption,
                     FillMessage(kLegacyBErrorFormat, {kProviderSource, error.what()}));
}

// The notebook lines joined by CR LF, without trailing empty lines.
std::string Notebook(const CableRecord& cable) {
  int last = CableRecord::kNotebookLines - 1;
  while (last >= 0 && cable.notebook_line(last).empty()) --last;
  std::string text;
  for (int line = 0; line <= last; ++line) {
    if (line > 0) text += "\r\n";
    text += cable.notebook_line(line);
  }
  return text;
}

void SetNotebook(CableRecord& cable, const std::string& text) {
  size_t from = 0;
  for (int line = 0; line < CableRecord::kNotebookLines && from <= text.size(); ++line) {
    const size_t end = text.find("\r\n", from);
    cable.set_notebook_line(line, text.substr(from, end == std::string::npos ? end : end - from));
    if (end == std::string::npos) break;
    from = end + 2;
  }
}

// One row per cable, in one transaction.
void WriteLegacyBRows(Database& db, const std::vector<CompactCableRecord>& cables,
                      const std::vector<CompactCableType>& types) {
  Database::Transaction transaction(db);
  Recordset rs;
  rs.Open(db, SelectAll(kLegacyBTable));
  for (const CompactCableRecord& cable : cables) {
    rs.AddNew();
    rs.Put("ИмяКабеля", cable.name());
    rs.Put("Температура", cable.temperature());
    rs.Put("КоличествоУчастков", cable.section_count());
    rs.Put("РасчетДлиныПоДиаметруИТемпературе",
           cable.length_calculation() == CompactCableRecord::kLengthFromDiameter);
    for (int i = 0; i < CompactCableRecord::kSections; ++i) {
      const CompactSection s = cable.section(i);
      rs.Put(Section(i, "Длина"), s.length);
      if (s.type_index < types.size()) {
        const CompactCableType& type = types[s.type_index];
        rs.Put(Section(i, "ТипКабеля"), type.name());
        rs.Put(Section(i, "Диаметр"), type.core_diameter());
        rs.Put(Section(i, "Емкость"), type.capacitance());
      }
    }
    rs.Update();
  }
  transaction.Commit();
}

}  // namespace

const char* LegacyASchemaSql() {
  return R"(CREATE TABLE "tbl_ПараметрыКабеля" (
  "ИмяКабеля" TEXT(255), "ТипКабеля" TEXT(255), "КоличествоПар" INTEGER,
  "Температура" DOUBLE, "ТипЗоны" INTEGER, "БлокнотИзмерителя" TEXT,
  "КоэффициентУкорочения" DOUBLE, "УсловиеСочетания" INTEGER,
  "1_Длина" INTEGER, "1_ДиаметрТПЖ" DOUBLE, "1_УдельноеСопротивлениеТПЖ" INTEGER,
  "1_УдельнаяЕмкостьКабеля" INTEGER, "1_ТемпературныйКоэффициентСжатия" DOUBLE,
  "2_Длина" INTEGER, "2_ДиаметрТПЖ" DOUBLE, "2_УдельноеСопротивлениеТПЖ" INTEGER,
  "2_УдельнаяЕмкостьКабеля" INTEGER, "2_ТемпературныйКоэффициентСжатия" DOUBLE,
  "3_Длина" INTEGER, "3_ДиаметрТПЖ" DOUBLE, "3_УдельноеСопротивлениеТПЖ" INTEGER,
  "3_УдельнаяЕмкостьКабеля" INTEGER, "3_ТемпературныйКоэффициентСжатия" DOUBLE,
  "4_Длина" INTEGER, "4_ДиаметрТПЖ" DOUBLE, "4_УдельноеСопротивлениеТПЖ" INTEGER,
  "4_УдельнаяЕмкостьКабеля" INTEGER, "4_ТемпературныйКоэффициентСжатия" DOUBLE,
  "5_Длина" INTEGER, "5_ДиаметрТПЖ" DOUBLE, "5_УдельноеСопротивлениеТПЖ" INTEGER,
  "5_УдельнаяЕмкостьКабеля" INTEGER, "5_ТемпературныйКоэффициентСжатия" DOUBLE,
  "КоличествоРФГ" INTEGER);)";
}

const char* LegacyBSchemaSql() {
  // The catalog step of the export: the one table, its columns in order.
  static const std::string sql = [] {
    std::string ddl = std::string("CREATE TABLE \"") + kLegacyBTable +
                      "\" (\"ИмяКабеля\" VARCHAR(13), \"Температура\" REAL, "
                      "\"КоличествоУчастков\" BYTE, \"РасчетДлиныПоДиаметруИТемпературе\" BIT";
    for (int i = 0; i < CompactCableRecord::kSections; ++i) {
      ddl += ", \"" + Section(i, "Длина") + "\" REAL, \"" + Section(i, "ТипКабеля") +
             "\" VARCHAR(9), \"" + Section(i, "Диаметр") + "\" REAL, \"" + Section(i, "Емкость") +
             "\" REAL";
    }
    return ddl + ");";
  }();
  return sql.c_str();
}

bool WriteLegacyA(Screen& screen, const std::string& path, const std::vector<CableRecord>& cables) {
  WaitCursor wait(screen);
  try {
    Database db;
    db.Open(path);
    if (!CheckTables(screen, db, {kLegacyATable}, kMissingLegacyTable)) return false;
    for (const CableRecord& cable : cables) {
      Database::Transaction transaction(db);
      JetSql remove;
      remove << "DELETE * FROM " << kLegacyATable << " WHERE [ИмяКабеля]=";
      db.Execute(remove.Quoted(cable.name()));
      Recordset rs;
      JetSql select;
      select << "SELECT * FROM " << kLegacyATable << " WHERE [ИмяКабеля]=";
      rs.Open(db, select.Quoted(cable.name()));
      rs.AddNew();
      rs.Put("ИмяКабеля", cable.name());
      rs.Put("ТипКабеля", cable.type_name());
      rs.Put("КоличествоПар", cable.pair_count());
      rs.Put("Температура", cable.temperature());
      rs.Put("ТипЗоны", cable.zone());
      rs.Put("БлокнотИзмерителя", Notebook(cable));
      rs.Put("КоэффициентУкорочения", cable.shortening_factor());
      rs.Put("УсловиеСочетания", cable.condition());
      for (int i = 0; i < CableRecord::kSections; ++i) {
        const CableSection s = cable.section(i);
        rs.Put(Prefixed(i, "Длина"), s.length());
        rs.Put(Prefixed(i, "ДиаметрТПЖ"), s.core_diameter());
        rs.Put(Prefixed(i, "УдельноеСопротивлениеТПЖ"), s.core_resistance());
        rs.Put(Prefixed(i, "УдельнаяЕмкостьКабеля"), s.capacitance());
        rs.Put(Prefixed(i, "ТемпературныйКоэффициентСжатия"), s.temperature_factor());
      }
      rs.Put("КоличествоРФГ", 0);
      rs.Update();
      transaction.Commit();
    }
    return true;
  } catch (const DbError& error) {
    ShowDbError(screen, error);
    return false;
  }
}

std::optional<std::vector<CableRecord>> ReadLegacyA(Screen& screen, const std::string& path) {
  WaitCursor wait(screen);
  try {
    Database db;
    db.Open(path);
    if (!CheckTables(screen, db, {kLegacyATable}, kMissingLegacyTable)) return std::nullopt;
    Recordset rs;
    rs.Open(db, SelectAll(kLegacyATable));
    if (rs.RecordCount() == 0) {
      screen.ShowMessage(Icon::kWarning, kDatabaseEmptyCaption, kDatabaseEmpty);
      return std::nullopt;
    }
    std::vector<CableRecord> cables;
    for (rs.MoveFirst(); !rs.IsEof(); rs.MoveNext()) {
      CableRecord cable;
      cable.set_name(rs.Get("ИмяКабеля").AsText());
      cable.set_type_name(rs.Get("ТипКабеля").AsText());
      cable.set_pair_count(static_cast<uint16_t>(rs.Get("КоличествоПар").AsLong()));
      cable.set_temperature(rs.Get("Температура").AsFloat());
      cable.set_zone(static_cast<uint8_t>(rs.Get("ТипЗоны").AsLong()));
      SetNotebook(cable, rs.Get("БлокнотИзмерителя").AsText());
      cable.set_shortening_factor(rs.Get("КоэффициентУкорочения").AsFloat());
      cable.set_condition(static_cast<uint8_t>(rs.Get("УсловиеСочетания").AsLong()));
      uint8_t used = 0;
      for (int i = 0; i < CableRecord::kSections; ++i) {
        CableSection s;
        s.set_length(static_cast<uint16_t>(rs.Get(Prefixed(i, "Длина")).AsLong()));
        s.set_core_diameter(rs.Get(Prefixed(i, "ДиаметрТПЖ")).AsFloat());
        s.set_core_resistance(
            static_cast<uint16_t>(rs.Get(Prefixed(i, "УдельноеСопротивлениеТПЖ")).AsLong()));
        s.set_capacitance(
            static_cast<uint16_t>(rs.Get(Prefixed(i, "УдельнаяЕмкостьКабеля")).AsLong()));
        s.set_temperature_factor(rs.Get(Prefixed(i, "ТемпературныйКоэффициентСжатия")).AsFloat());
        if (s.length() != 0) used = static_cast<uint8_t>(i + 1);
        cable.set_section(i, s);
      }
      cable.set_section_count(used);
      cables.push_back(cable);
    }
    return cables;
  } catch (const DbError& error) {
    ShowDbError(screen, error);
    return std::nullopt;
  }
}

bool ExportLegacyB(Screen& screen, const std::string& path,
                   const std::vector<CompactCableRecord>& cables,
                   const std::vector<CompactCableType>& types) {
  WaitCursor wait(screen);
  try {
    // The new database is made beside the chosen file and takes its place
    // only once every row is in: a failure leaves the old file as it was, and
    // nothing but a regular file is ever replaced.
    std::optional<FileReplacement> replacement = FileReplacement::Begin(path);
    if (!replacement) throw DbError("No new file can be made beside the chosen one.");
    replacement->file().Close();  // the database opens the new, empty file itself
    {
      Database db;
      db.Open(replacement->new_path());
      db.ExecuteScript(LegacyBSchemaSql());
      WriteLegacyBRows(db, cables, types);
    }
    if (!replacement->Commit()) throw DbError("The new database could not take its place.");
    return true;
  } catch (const std::exception&) {
    // Every step writes the new file only: whatever failed, the file could
    // not be made, and the old one stays.
    ShowFileError(screen, kCreateFileError, path);
    return false;
  }
}

std::optional<std::vector<CompactCableRecord>> ImportLegacyB(
    Screen& screen, const std::string& path, const std::vector<CompactCableType>& types) {
  WaitCursor wait(screen);
  try {
    Database db;
    db.Open(path);
    if (!CheckTables(screen, db, {kLegacyBTable}, kMissingLegacyTable)) return std::nullopt;
    Recordset rs;
    rs.Open(db, SelectAll(kLegacyBTable));
    if (rs.RecordCount() == 0) {
      screen.ShowMessage(Icon::kWarning, kDatabaseEmptyCaption, kDatabaseEmpty);
      return std::nullopt;
    }
    std::vector<CompactCableRecord> cables;
    for (rs.MoveFirst(); !rs.IsEof(); rs.MoveNext()) {
      CompactCableRecord cable;
      cable.set_name(rs.Get("ИмяКабеля").AsText());
      cable.set_temperature(rs.Get("Температура").AsFloat());
      cable.set_section_count(static_cast<uint8_t>(rs.Get("КоличествоУчастков").AsLong()));
      cable.set_length_calculation(rs.Get("РасчетДлиныПоДиаметруИТемпературе").AsLong() != 0
                                       ? CompactCableRecord::kLengthFromDiameter
                                       : 0);
      for (int i = 0; i < CompactCableRecord::kSections; ++i) {
        CompactSection s;
        s.length = rs.Get(Section(i, "Длина")).AsFloat();
        const std::string type_name = rs.Get(Section(i, "ТипКабеля")).AsText();
        for (size_t t = 0; t < types.size() && t < 256; ++t) {
          if (types[t].name() == type_name) {
            s.type_index = static_cast<uint8_t>(t);
            break;
          }
        }
        cable.set_section(i, s);
      }
      cable.UpdateChecksum();
      cables.push_back(cable);
    }
    return cables;
  } catch (const DbError& error) {
    ShowLegacyBError(screen, error);
    return std::nullopt;
  } catch (const std::exception&) {
    screen.ShowMessage(Icon::kError, kDbErrorCaption, kLegacyOtherError);
    return std::nullopt;
  }
}

}  // namespace telvane
