// One grammar for every page on the command line:
//
//   telvane-cli [common options] pages PAGE --session KIND:SERIAL:PORT ACTION...
//
// A page command names the kinds whose window shows the page and the actions
// the person can take on it. The words are read whole before the port is
// opened (an unknown action, or a number that is not a number or lies outside
// its fixed range, is a usage error); then the session opens, the kind's first
// transfer runs, and the actions run in the order given. The first action that
// fails ends the run: nothing after it runs. An action fails when the page
// says so, shows an error box, or leaves a dialog unanswered.
#ifndef TELVANE_CLI_PAGE_COMMAND_H_
#define TELVANE_CLI_PAGE_COMMAND_H_

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_screen.h"
#include "cli/page_session.h"
#include "page/page_id.h"

namespace telvane::cli {

// What an action takes after its name.
// kWord: one of the action's `words`, passed on as its 0-based index; kText: any
// text, as session.action_text().
enum class ActionArgument { kNone, kNumber, kNumberList, kText, kWord };

struct PageAction {
  std::string name;  // "--send"
  ActionArgument argument = ActionArgument::kNone;
  // The fixed range of its numbers (the data may bound them further).
  int minimum = 0;
  int maximum = 0;
  std::string help;
  // Runs the action; false when it failed (after saying why).
  // The text of a kText action (a name or a path) is session.action_text().
  std::function<bool(PageSession& session, const std::vector<int>& numbers)> run;
  // The words a kWord action takes.
  std::vector<std::string> words{};
};

struct PageCommand {
  std::string name;  // the PAGE word: "types"
  std::vector<uint8_t> kinds;
  // The tabs the command reaches.
  std::vector<PageId> pages;
  std::string help;
  std::vector<PageAction> actions;
  // Runs after the kind's first transfer for kinds whose window has no tab of
  // this page (the type page on kind 6 reads the status itself).
  std::function<bool(PageSession& session)> prepare;
};

struct ParsedAction {
  const PageAction* action = nullptr;
  std::vector<int> numbers;
  std::string text;
};

// Reads ACTION... of `command`; nullopt after the usage message.
std::optional<std::vector<ParsedAction>> ParseActions(const PageCommand& command,
                                                      const std::vector<std::string>& words);

// Where the session comes from: a known instrument, or the search when absent.
struct SessionChoice {
  std::optional<KnownInstrument> known;
};

// Opens the session, runs the first transfer and the actions; the exit status.
int RunPageActions(const PageCommand& command, const SessionChoice& session_choice,
                   const std::vector<ParsedAction>& actions, CliScreen& screen);

// The actions of `command`, one per line, for "pages PAGE --help".
void PrintPageHelp(const PageCommand& command);

// An action's data-bound check: false after "telvane-cli: OPTION N: ...".
bool WithinData(const std::string& option, int number, int count, const char* what);

}  // namespace telvane::cli

#endif  // TELVANE_CLI_PAGE_COMMAND_H_
