// The subcommands of telvane-cli. Each subsystem registers its own commands in
// a file of its own (link_commands.cc, cable_commands.cc, ...).
#ifndef TELVANE_CLI_COMMAND_H_
#define TELVANE_CLI_COMMAND_H_

#include <functional>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/cli_screen.h"
#include "cli/page_command.h"

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
// "trace plot" and "trace events" over trace files.
void RegisterTraceCommands(CommandTable& table);
void RegisterTesterCommands(CommandTable& table);
// "e1 show" and "e1 report" (e1_commands.cc), added by RegisterTesterCommands.
void AddE1Commands(CommandTable& table);
// "pages PAGE --session KIND:SERIAL:PORT ACTION...", "pages --list" and
// "pages PAGE --help" over every subsystem's page commands.
void RegisterPagesCommand(CommandTable& table);

// The page commands of every subsystem, in order.
using PageCommandTable = std::vector<PageCommand>;
void AddCablePageCommands(PageCommandTable& table);
// "pages family-types" (family_types_commands.cc).
void AddFamilyTypePageCommands(PageCommandTable& table);
// "pages family-planned" (family_planned_commands.cc).
void AddFamilyPlannedPageCommands(PageCommandTable& table);
void AddReflectogramPageCommands(PageCommandTable& table);
// "pages family-cables" (family_cables_commands.cc).
void AddFamilyCablePageCommands(PageCommandTable& table);
void AddTrace6PageCommands(PageCommandTable& table);
void AddTesterPageCommands(PageCommandTable& table);
// "pages xdsl", "line-info", "line-records", "frequencies", "line-delete"
// (xdsl_pages_commands.cc).
void AddXdslPageCommands(PageCommandTable& table);
// "pages line-traces" (line_pages_commands.cc).
void AddLinePageCommands(PageCommandTable& table);
// The pages of the instruments with a file system (file_pages_commands.cc).
void AddFilePageCommands(PageCommandTable& table);
// The sheets (kinds 13, 14), the armour wear (kind 8) and the memory plan (kind 9).
void AddSheetPageCommands(PageCommandTable& table);
// "pages e1" and "pages ethernet" (e1_pages_commands.cc).
void AddResultPageCommands(PageCommandTable& table);
// "pages kind9-cables" and "pages kind9-planned" (kind9_pages_commands.cc).
void AddKind9PageCommands(PageCommandTable& table);
const PageCommandTable& PageCommands();

// Runs the page command named `page` with `words` as its actions (the
// spellings of page actions under older command names use it). Usage errors
// give kUsageError before the session opens.
int RunPage(const std::string& page, const SessionChoice& session,
            const std::vector<std::string>& words, CliScreen& screen);

}  // namespace telvane::cli

#endif  // TELVANE_CLI_COMMAND_H_
