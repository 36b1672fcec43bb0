// The two single-table Cyrillic schemas of the older cable-parameter pages.
//
// Schema A, table tbl_ПараметрыКабеля: one row per cable of the full family
// (262-byte records), written into an existing database.
// Schema B, table tbl_ПараметрыКабеля04: one row per cable of the compact
// family; the export creates the database file with this single table.
#ifndef TELVANE_CABLE_DB_LEGACY_SCHEMA_H_
#define TELVANE_CABLE_DB_LEGACY_SCHEMA_H_

#include <optional>
#include <string>
#include <vector>

#include "base/screen.h"
#include "cable/cable_records.h"
#include "cable/compact_records.h"

namespace telvane {

inline constexpr char kDatabaseEmpty[] = "База пуста!";
inline constexpr char kDatabaseEmptyCaption[] = "ПРЕДУПРЕЖДЕНИЕ";
inline constexpr char kLegacyBErrorFormat[] = "\n\tSource :  %s \n\tdescription : %s \n ";
inline constexpr char kLegacyOtherError[] = "Error occured in include files....";
// The provider named as the source of errors on the schema B pages.
inline constexpr char kProviderSource[] = "SQLite";

// The CREATE statement of schema A's table (its column types are this
// program's choice), for preparing a database by hand or in tests.
const char* LegacyASchemaSql();
// The CREATE statement of schema B's table, as the export makes it.
const char* LegacyBSchemaSql();

// Writes one row per cable (a row of the same name is replaced).
bool WriteLegacyA(Screen& screen, const std::string& path, const std::vector<CableRecord>& cables);
// The cables of the table; nullopt after a shown failure or "База пуста!".
std::optional<std::vector<CableRecord>> ReadLegacyA(Screen& screen, const std::string& path);

// Replaces the file by a new database holding schema B's table with one row
// per cable; section types are named from `types` by their index. The new
// database is made beside the file and renamed over it when complete; only a
// regular file is replaced. Any failure shows "Ошибка создания файла" with
// the file name and leaves the old file as it was.
bool ExportLegacyB(Screen& screen, const std::string& path,
                   const std::vector<CompactCableRecord>& cables,
                   const std::vector<CompactCableType>& types);
// Reads the rows back; each section's type name is looked up in `types`
// (index 0 when no type has that name).
std::optional<std::vector<CompactCableRecord>> ImportLegacyB(
    Screen& screen, const std::string& path, const std::vector<CompactCableType>& types);

}  // namespace telvane

#endif  // TELVANE_CABLE_DB_LEGACY_SCHEMA_H_
