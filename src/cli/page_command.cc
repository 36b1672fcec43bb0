#include "cli/page_command.h"

#include <algorithm>
#include <cstdio>

#include "cli/arguments.h"

namespace telvane::cli {
namespace {

std::string ArgumentText(const PageAction& action) {
  switch (action.argument) {
    case ActionArgument::kNumber:
      return " N";
    case ActionArgument::kNumberList:
      return " N[,N...]";
    case ActionArgument::kText:
      return " TEXT";
    case ActionArgument::kWord: {
      std::string text;
      for (const std::string& word : action.words) text += (text.empty() ? " " : "|") + word;
      return text;
    }
    case ActionArgument::kNone:
      break;
  }
  return "";
}

}  // namespace

std::optional<std::vector<ParsedAction>> ParseActions(const PageCommand& command,
                                                      const std::vector<std::string>& words) {
  std::vector<ParsedAction> parsed;
  for (size_t i = 0; i < words.size(); ++i) {
    const auto found = std::find_if(command.actions.begin(), command.actions.end(),
                                    [&](const PageAction& a) { return a.name == words[i]; });
    if (found == command.actions.end()) {
      std::fprintf(stderr, "telvane-cli: pages %s has no action '%s' (see pages %s --help)\n",
                   command.name.c_str(), words[i].c_str(), command.name.c_str());
      return std::nullopt;
    }
    ParsedAction action{&*found, {}, {}};
    if (found->argument != ActionArgument::kNone) {
      const std::string value = i + 1 < words.size() ? words[++i] : std::string();
      if (found->argument == ActionArgument::kText) {
        if (value.empty()) {
          std::fprintf(stderr, "telvane-cli: %s needs a value\n", found->name.c_str());
          return std::nullopt;
        }
        action.text = value;
      } else if (found->argument == ActionArgument::kWord) {
        const auto word = std::find(found->words.begin(), found->words.end(), value);
        if (word == found->words.end()) {
          std::fprintf(stderr, "telvane-cli: %s takes%s\n", found->name.c_str(),
                       ArgumentText(*found).c_str());
          return std::nullopt;
        }
        action.numbers.push_back(static_cast<int>(word - found->words.begin()));
      } else if (found->argument == ActionArgument::kNumber) {
        const auto number = ParseNumber(found->name, value, found->minimum, found->maximum);
        if (!number) return std::nullopt;
        action.numbers.push_back(*number);
      } else {
        auto numbers = ParseNumberList(found->name, value, found->minimum, found->maximum);
        if (!numbers) return std::nullopt;
        action.numbers = std::move(*numbers);
      }
    }
    parsed.push_back(std::move(action));
  }
  return parsed;
}

int RunPageActions(const PageCommand& command, const SessionChoice& session_choice,
                   const std::vector<ParsedAction>& actions, CliScreen& screen) {
  PageSession session(screen);
  const bool open =
      session_choice.known ? session.OpenKnown(*session_choice.known) : session.Search();
  if (!open) {
    std::fprintf(stderr, "telvane-cli: no session with the instrument\n");
    return kFailed;
  }
  if (std::find(command.kinds.begin(), command.kinds.end(), session.kind()) ==
      command.kinds.end()) {
    std::fprintf(stderr, "telvane-cli: the instrument found (kind %u) has no page '%s'\n",
                 session.kind(), command.name.c_str());
    return kFailed;
  }
  const int errors_before_start = screen.errors_shown();
  session.RunFirstTransfer();
  if (command.prepare && !command.prepare(session)) return kFailed;
  if (screen.errors_shown() != errors_before_start) {
    std::fprintf(stderr, "telvane-cli: the first transfer failed; no action was run\n");
    return kFailed;
  }
  for (size_t i = 0; i < actions.size(); ++i) {
    const ParsedAction& action = actions[i];
    const int errors = screen.errors_shown();
    const int unanswered = screen.dialogs_unanswered();
    session.set_action_text(action.text);
    const bool done = action.action->run(session, action.numbers);
    if (done && errors == screen.errors_shown() && unanswered == screen.dialogs_unanswered()) {
      continue;
    }
    std::string skipped;
    for (size_t j = i + 1; j < actions.size(); ++j) skipped += " " + actions[j].action->name;
    std::fprintf(stderr, "telvane-cli: %s failed%s%s\n", action.action->name.c_str(),
                 skipped.empty() ? "" : "; not run:", skipped.c_str());
    return kFailed;
  }
  return 0;
}

void PrintPageHelp(const PageCommand& command) {
  std::printf(
      "usage: telvane-cli [--yes] [--answers y,n,c,...] [--choose N[,N...]] "
      "[--file PATH[:N]]... [--folder DIR] pages %s --session KIND:SERIAL:PORT "
      "ACTION...\n",
      command.name.c_str());
  std::string kinds;
  for (const uint8_t kind : command.kinds) {
    kinds += (kinds.empty() ? "" : ", ") + std::to_string(kind);
  }
  std::printf("%s (kinds %s). Actions, run in the order given:\n", command.help.c_str(),
              kinds.c_str());
  for (const PageAction& action : command.actions) {
    const std::string synopsis = action.name + ArgumentText(action);
    std::printf("  %-22s %s\n", synopsis.c_str(), action.help.c_str());
  }
}

bool WithinData(const std::string& option, int number, int count, const char* what) {
  if (number >= 1 && number <= count) return true;
  std::fprintf(stderr, "telvane-cli: %s %d: the page holds %d %s\n", option.c_str(), number, count,
               what);
  return false;
}

}  // namespace telvane::cli
