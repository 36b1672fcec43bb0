#include "cli/command.h"

namespace telvane::cli {

void RegisterStorageCommands(CommandTable& table) {}

}  // namespace telvane::cli
