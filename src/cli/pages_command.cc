// "telvane-cli pages ...": the one grammar of every page (page_command.h), the
// listing of the tabs of every kind and each page's list of actions.
#include <cstdio>
#include <string>

#include "app/kind_table.h"
#include "cli/command.h"

namespace telvane::cli {

const PageCommandTable& PageCommands() {
  static const PageCommandTable table = [] {
    PageCommandTable t;
    AddCablePageCommands(t);
    AddFamilyTypePageCommands(t);
    AddFamilyPlannedPageCommands(t);
    AddReflectogramPageCommands(t);
    AddFamilyCablePageCommands(t);
    AddTrace6PageCommands(t);
    AddSheetPageCommands(t);
    AddTesterPageCommands(t);
    return t;
  }();
  return table;
}

namespace {

const PageCommand* FindPage(const std::string& name) {
  for (const PageCommand& page : PageCommands()) {
    if (page.name == name) return &page;
  }
  return nullptr;
}

// The command-line name that reaches `id`, or nullptr.
const char* CommandFor(PageId id) {
  for (const PageCommand& page : PageCommands()) {
    for (const PageId reached : page.pages) {
      if (reached == id) return page.name.c_str();
    }
  }
  return nullptr;
}

int ListPages() {
  std::fputs(TabListingText(ListTabs(), CommandFor).c_str(), stdout);
  return 0;
}

int Pages(Invocation& in) {
  std::vector<std::string>& args = in.args;
  if (!args.empty() && args.front() == "--list") return ListPages();
  if (args.empty()) {
    std::fprintf(stderr, "telvane-cli: pages takes --list or PAGE (see --help)\n");
    return kUsageError;
  }
  const std::string name = args.front();
  args.erase(args.begin());
  const PageCommand* page = FindPage(name);
  if (page == nullptr) {
    std::fprintf(stderr, "telvane-cli: no page '%s' (see pages --list)\n", name.c_str());
    return kUsageError;
  }
  if (TakeFlag(args, "--help")) {
    PrintPageHelp(*page);
    return 0;
  }
  const auto session = TakeOptional(args, "--session");
  KnownInstrument known;
  if (!session || !ParseKnownInstrument(*session, known)) {
    std::fprintf(stderr,
                 "telvane-cli: pages %s takes --session KIND:SERIAL:PORT "
                 "(PORT COMn or irda)\n",
                 name.c_str());
    return kUsageError;
  }
  return RunPage(name, SessionChoice{known}, args, *in.screen);
}

}  // namespace

int RunPage(const std::string& name, const SessionChoice& session,
            const std::vector<std::string>& words, CliScreen& screen) {
  const PageCommand* page = FindPage(name);
  if (page == nullptr) return kUsageError;
  const auto actions = ParseActions(*page, words);
  if (!actions) return kUsageError;
  if (session.known &&
      std::find(page->kinds.begin(), page->kinds.end(), session.known->kind) == page->kinds.end()) {
    std::string kinds;
    for (const uint8_t kind : page->kinds)
      kinds += (kinds.empty() ? "" : " or ") + std::to_string(kind);
    std::fprintf(stderr, "telvane-cli: pages %s takes --session %s:SERIAL:PORT\n", name.c_str(),
                 kinds.c_str());
    return kFailed;
  }
  return RunPageActions(*page, session, *actions, screen);
}

void RegisterPagesCommand(CommandTable& table) {
  std::string names;
  for (const PageCommand& page : PageCommands()) names += (names.empty() ? "" : ", ") + page.name;
  table.push_back({"pages", "pages PAGE --session KIND:SERIAL:PORT ACTION...",
                   "run a page's actions in order (PAGE: " + names +
                       "; pages PAGE --help lists them; pages --list lists every tab)",
                   Pages});
}

}  // namespace telvane::cli
