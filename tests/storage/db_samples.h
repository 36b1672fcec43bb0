// Databases for the storage tests, and a look at their rows through SQLite
// itself rather than through the code under test.
#ifndef TELVANE_TESTS_STORAGE_DB_SAMPLES_H_
#define TELVANE_TESTS_STORAGE_DB_SAMPLES_H_

#include <string>
#include <vector>

namespace telvane::testing {

// A new database at `path` made by running `sql` (default: data/schema.sql as
// shipped, read from the source tree).
void MakeDatabase(const std::string& path, const std::string& sql = "");
// The shipped data/schema.sql.
std::string ShippedSchema();
// Every row of a query, its columns joined by "|" (NULL for Null).
std::vector<std::string> Rows(const std::string& path, const std::string& sql);

}  // namespace telvane::testing

#endif  // TELVANE_TESTS_STORAGE_DB_SAMPLES_H_
