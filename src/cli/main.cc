// telvane-cli: every capability of the program without a window. Questions are
// answered in order by --answers, then Yes with --yes, else No; list choices
// take --choose; file dialogs take their answers from --file options in the
// order the operation asks for them.
#include <algorithm>
#include <cctype>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/cli_screen.h"
#include "cli/command.h"

namespace telvane::cli {

namespace {

// Takes the program's own options ("/i9:N", "/i0B:N" in any case, or their
// Unix spellings "--i9=N", "--i0b=N") out of the words, as the window reads
// them from its command line.
AppOptions TakeProgramOptions(std::vector<std::string>& args) {
  std::vector<std::string> options;
  std::erase_if(args, [&options](const std::string& word) {
    std::string lower = word;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const char* prefix : {"/i9:", "/i0b:", "--i9=", "--i0b="}) {
      if (lower.starts_with(prefix)) {
        options.push_back(word);
        return true;
      }
    }
    return false;
  });
  return ParseOptions(options);
}

void PrintHelp(const CommandTable& table) {
  std::printf(
      "usage: telvane-cli [--yes] [--answers y,n,c,...] [--choose N[,N...]] "
      "[--file PATH[:FILTER]]... [--folder DIR] [--progress] COMMAND [ARGS]\n\n"
      "Common options:\n"
      "  --yes              answer Yes to every question left (default: No)\n"
      "  --answers y,n,c    answer the next questions in order: Yes, No, Cancel\n"
      "  --choose N[,N...]  choose entry N (1-based) in the next list choices\n"
      "  --file PATH[:N]    answer the next open/save dialog with PATH (filter N, 1-based)\n"
      "  --folder DIR       answer the next folder dialog with DIR\n"
      "  --progress         show transfer progress on stderr\n"
      "  /i9:N, /i0B:N      the program's options (also --i9=N, --i0b=N): trailing kind 9\n"
      "                     records left out (default 2), locked leading cable entries (2)\n\n"
      "Commands:\n");
  for (const Command& c : table) std::printf("  %-40s %s\n", c.synopsis.c_str(), c.help.c_str());
}

int Main(int argc, char** argv) {
  // A write past the file-size limit then fails (EFBIG) and is reported as a
  // failed write, instead of ending the program half way through a file.
  std::signal(SIGXFSZ, SIG_IGN);
  CommandTable table;
  RegisterLinkCommands(table);
  RegisterCableCommands(table);
  RegisterStorageCommands(table);
  RegisterTraceCommands(table);
  RegisterTesterCommands(table);
  RegisterPagesCommand(table);

  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    PrintHelp(table);
    return kUsageError;
  }
  // "--help" first asks for this list; after a command it is the command's.
  if (args.front() == "--help" || args.front() == "-h") {
    PrintHelp(table);
    return 0;
  }
  if (TakeFlag(args, "--version")) {
    std::printf("2.0.19.7\n");
    return 0;
  }

  CliScreen screen;
  screen.set_options(TakeProgramOptions(args));
  screen.set_answer_yes(TakeFlag(args, "--yes"));
  screen.set_show_progress(TakeFlag(args, "--progress"));
  for (std::optional<std::string> a; (a = TakeOptional(args, "--answers"));) {
    const auto answers = ParseAnswers(*a);
    if (!answers) return kUsageError;
    for (const Answer answer : *answers) screen.AddAnswer(answer);
  }
  for (std::optional<std::string> c; (c = TakeOptional(args, "--choose"));) {
    const auto choices = ParseNumberList("--choose", *c, 1, 1000);
    if (!choices) return kUsageError;
    for (const int choice : *choices) screen.AddChoice(choice);
  }
  for (std::string f; !(f = TakeOption(args, "--file")).empty();) {
    int filter = 1;
    const size_t colon = f.rfind(':');
    if (colon != std::string::npos && colon + 1 < f.size() &&
        f.find_first_not_of("0123456789", colon + 1) == std::string::npos) {
      const auto index = ParseNumber("--file PATH:N", f.substr(colon + 1), 1, 99);
      if (!index) return kUsageError;
      filter = *index;
      f.resize(colon);
    }
    screen.AddFile(f, filter);
  }
  for (std::string d; !(d = TakeOption(args, "--folder")).empty();) screen.AddFolder(d);

  // The longest command name that the words start with: "db create" before "db".
  const Command* best = nullptr;
  size_t best_words = 0;
  for (const Command& c : table) {
    std::vector<std::string> words;
    for (size_t start = 0; start <= c.name.size();) {
      size_t space = c.name.find(' ', start);
      if (space == std::string::npos) space = c.name.size();
      words.push_back(c.name.substr(start, space - start));
      start = space + 1;
    }
    if (words.size() > args.size() || words.size() <= best_words) continue;
    if (std::equal(words.begin(), words.end(), args.begin())) {
      best = &c;
      best_words = words.size();
    }
  }
  if (best == nullptr) {
    std::fprintf(stderr, "telvane-cli: unknown command '%s' (see --help)\n",
                 args.empty() ? "" : args[0].c_str());
    return kUsageError;
  }
  Invocation invocation;
  invocation.args.assign(args.begin() + static_cast<long>(best_words), args.end());
  invocation.screen = &screen;
  return best->run(invocation);
}

}  // namespace
}  // namespace telvane::cli

int main(int argc, char** argv) { return telvane::cli::Main(argc, argv); }
