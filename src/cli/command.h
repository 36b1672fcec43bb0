// The subcommands of telvane-cli. Each subsystem registers its own commands in
// a file of its own (link_commands.cc, cable_commands.cc, ...).
#ifndef TELVANE_CLI_COMMAND_H_
#define TELVANE_CLI_COMMAND_H_

#include <functional>
#include <string>
#include <vector>

#include "cli/cli_screen.h"

namespace telvane::cli {

// Arguments of one command after the common options were taken out.
struct Invocation {
  std::vector<std::string> args;  // the words after the command name
  CliScreen* screen = nullptr;
};

struct Command {
  std::string name;      // e.g. "identify" or "db create"
  std::string synopsis;  // e.g. "db create FILE"
  std::string help;      // one line
  std::function<int(Invocation&)> run;
};

using CommandTable = std::vector<Command>;

void RegisterLinkCommands(CommandTable& table);
void RegisterCableCommands(CommandTable& table);
void RegisterStorageCommands(CommandTable& table);
void RegisterTesterCommands(CommandTable& table);
void RegisterCablePagesCommands(CommandTable& table);

// Takes "--name VALUE" out of args; returns the value or `fallback`.
std::string TakeOption(std::vector<std::string>& args, const std::string& name,
                       const std::string& fallback = "");
// Takes a flag "--name" out of args; true when it was there.
bool TakeFlag(std::vector<std::string>& args, const std::string& name);

}  // namespace telvane::cli

#endif  // TELVANE_CLI_COMMAND_H_
