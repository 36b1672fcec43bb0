// Builds the empty database shipped as share/telvane/template.mdb: the
// current tables of data/schema.sql and the tables of the two older Cyrillic
// schemas, without rows. Run by the build: make_template_database FILE.
#include <cstdio>
#include <filesystem>
#include <string>

#include "cable/db/legacy_schema.h"
#include "storage/db/database.h"
#include "storage/db/schema.h"

int main(int argc, char** argv) {
  using namespace telvane;
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_template_database FILE\n");
    return 2;
  }
  const std::string path = argv[1];
  // Made under a second name and renamed when complete, so a failed build
  // never leaves a half-made template in place.
  const std::string partial = path + ".partial";
  std::error_code ec;
  std::filesystem::remove(partial, ec);
  try {
    Database db;
    db.Create(partial);
    Database::Transaction transaction(db);
    db.ExecuteScript(CurrentSchemaSql());
    db.ExecuteScript(LegacyASchemaSql());
    db.ExecuteScript(LegacyBSchemaSql());
    transaction.Commit();
  } catch (const DbError& error) {
    std::fprintf(stderr, "make_template_database: %s\n", error.what());
    std::filesystem::remove(partial, ec);
    return 1;
  }
  std::filesystem::rename(partial, path, ec);
  if (ec) {
    std::fprintf(stderr, "make_template_database: %s\n", ec.message().c_str());
    return 1;
  }
  return 0;
}
