#include "cli/command.h"

namespace telvane::cli {

void RegisterLinkCommands(CommandTable& table) {}

}  // namespace telvane::cli
