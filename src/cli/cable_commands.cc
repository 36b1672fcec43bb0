#include "cli/command.h"

namespace telvane::cli {

void RegisterCableCommands(CommandTable& table) {}

}  // namespace telvane::cli
