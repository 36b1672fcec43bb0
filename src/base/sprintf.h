// printf-style formatting into a std::string, for the fixed text layouts of
// files and SQL statements.
#ifndef TELVANE_BASE_SPRINTF_H_
#define TELVANE_BASE_SPRINTF_H_

#include <string>

namespace telvane {

std::string Sprintf(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace telvane

#endif  // TELVANE_BASE_SPRINTF_H_
