// The page commands of the testers: one line per area, each area's commands in
// a file of its own.
#include "cli/command.h"

namespace telvane::cli {

void AddTesterPageCommands(PageCommandTable& table) {
  AddFilePageCommands(table);
  AddResultPageCommands(table);
  AddXdslPageCommands(table);
  AddLinePageCommands(table);
  AddKind9PageCommands(table);
}

}  // namespace telvane::cli
