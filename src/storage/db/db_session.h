// What every database operation shares: the choice of the file, the check of
// the tables and the message for a provider error.
#ifndef TELVANE_STORAGE_DB_DB_SESSION_H_
#define TELVANE_STORAGE_DB_DB_SESSION_H_

#include <optional>
#include <string>
#include <vector>

#include "base/screen.h"
#include "storage/db/database.h"

namespace telvane {

inline constexpr char kDbErrorCaption[] = "Ошибка";
inline constexpr char kMissingTables[] = "%s\r\nне содержит всех необходимых таблиц.";
inline constexpr char kMissingTypeTable[] = "%s\r\nне содержит необходимых таблиц.";
inline constexpr char kMissingLegacyTable[] = "%s\r\nне содержит таблицы: \"%s\"";

// The open-file dialog "Open a Database file" with the filter
// "MDB (БД MS Access 2000)"; nullopt when cancelled or when the chosen file's
// extension is not "mdb".
std::optional<std::string> ChooseDatabaseFile(Screen& screen);
// The save dialog of the legacy export ("*.mdb", default extension "mdb").
std::optional<std::string> ChooseDatabaseToCreate(Screen& screen);
bool HasMdbExtension(const std::string& path);

// "Description = '%s'\n" with the provider's text, caption "Ошибка".
void ShowDbError(Screen& screen, const DbError& error);

// True when every table is present; otherwise shows `message` filled with the
// path (and, for the legacy message, the first missing table) and returns
// false.
bool CheckTables(Screen& screen, Database& db, const std::vector<std::string>& tables,
                 const char* message);

// Replaces the first "%s" of `format` by each argument in turn.
std::string FillMessage(const char* format, const std::vector<std::string>& args);

}  // namespace telvane

#endif  // TELVANE_STORAGE_DB_DB_SESSION_H_
