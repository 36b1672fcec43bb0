#include "cli/command.h"

namespace telvane::cli {

void RegisterTesterCommands(CommandTable& table) {}

}  // namespace telvane::cli
