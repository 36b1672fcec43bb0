// The empty database shipped with the program (share/telvane/template.mdb):
// every table the program reads or writes, the current ones and both older
// Cyrillic ones, without rows.
#ifndef TELVANE_STORAGE_DB_TEMPLATE_DATABASE_H_
#define TELVANE_STORAGE_DB_TEMPLATE_DATABASE_H_

#include <optional>
#include <string>

namespace telvane {

inline constexpr char kTemplateDatabaseName[] = "template.mdb";

// The template beside the running program: "<bin>/../share/telvane" when
// installed, the build tree's "share/telvane" when run from the build (the
// programs sit one or two folders below it). nullopt when none is there.
std::optional<std::string> FindTemplateDatabase();

}  // namespace telvane

#endif  // TELVANE_STORAGE_DB_TEMPLATE_DATABASE_H_
