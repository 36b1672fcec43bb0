// Reading back what a test wrote into a database file.
#ifndef TELVANE_TESTS_SUPPORT_DB_QUERY_H_
#define TELVANE_TESTS_SUPPORT_DB_QUERY_H_

#include <string>

namespace telvane::testing {

// One number from a query on the database at `path`; -1 when there is none.
long long QueryNumber(const std::string& path, const std::string& sql);

}  // namespace telvane::testing

#endif  // TELVANE_TESTS_SUPPORT_DB_QUERY_H_
