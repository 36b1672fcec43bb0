// An empty current-schema database, for users who have no other way to make
// one: the six tables of data/schema.sql in a new SQLite file.
#ifndef TELVANE_STORAGE_DB_CREATE_DATABASE_H_
#define TELVANE_STORAGE_DB_CREATE_DATABASE_H_

#include <string>

#include "base/screen.h"

namespace telvane {

// Refuses an existing file ("Ошибка создания файла" with the file name);
// provider errors show "Description = '%s'\n" and leave no file behind.
bool CreateCurrentDatabase(Screen& screen, const std::string& path);

}  // namespace telvane

#endif  // TELVANE_STORAGE_DB_CREATE_DATABASE_H_
