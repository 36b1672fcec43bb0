#include "storage/db/create_database.h"

#include <filesystem>

#include "storage/db/database.h"
#include "storage/db/db_session.h"
#include "storage/db/schema.h"
#include "storage/trace/trace_file_io.h"

namespace telvane {

bool CreateCurrentDatabase(Screen& screen, const std::string& path) {
  std::error_code ec;
  if (std::filesystem::exists(path, ec) || path.empty()) {
    ShowFileError(screen, kCreateFileError, path);
    return false;
  }
  try {
    Database db;
    db.Create(path);
    Database::Transaction transaction(db);
    db.ExecuteScript(CurrentSchemaSql());
    transaction.Commit();
    return true;
  } catch (const DbError& error) {
    std::filesystem::remove(path, ec);
    ShowDbError(screen, error);
    return false;
  }
}

}  // namespace telvane
