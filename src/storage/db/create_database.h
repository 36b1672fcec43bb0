// A database to start from, for users who have no other way to make one: a
// copy of the shipped empty template with every table the program uses.
#ifndef TELVANE_STORAGE_DB_CREATE_DATABASE_H_
#define TELVANE_STORAGE_DB_CREATE_DATABASE_H_

#include <string>

#include "base/screen.h"

namespace telvane {

// Copies the template to `path`, which must not exist. An existing file or a
// file that cannot be made shows "Ошибка создания файла" with the file name; a
// missing or unreadable template shows "Ошибка открытия файла" with its name.
// A failed copy leaves no file behind.
bool CreateCurrentDatabase(Screen& screen, const std::string& path);

}  // namespace telvane

#endif  // TELVANE_STORAGE_DB_CREATE_DATABASE_H_
