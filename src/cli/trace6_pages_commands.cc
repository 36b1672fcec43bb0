// The kind 6 reflectogram page on the command line: choose an entry, receive
// its trace (the folder dialog takes --folder), save it (the save dialog takes
// --file PATH[:2], filter 2 being the worksheet) and print the list, the panel
// and the reflections of the received trace.
#include <cstdio>
#include <string>

#include "cable/trace6/trace6_page.h"
#include "cli/command.h"
#include "cli/reflection_lines.h"

namespace telvane::cli {
namespace {

using Numbers = std::vector<int>;
// Entries the initial transfer may announce (a 16-bit count).
constexpr int kMaxEntries = 65535;

Trace6Page& Page(PageSession& s) { return s.page<Trace6Page>(PageId::kReflectograms6); }

bool Print(Trace6Page& page) {
  const std::vector<std::string> lines = page.Lines();
  if (lines.empty()) {
    std::printf("Рефлектограмм нет\n");
    return true;
  }
  for (size_t i = 0; i < lines.size(); ++i) {
    const int index = static_cast<int>(i);
    std::printf("%c%2zu %s%s\n", index == page.selected() ? '>' : ' ', i + 1, lines[i].c_str(),
                page.received(index) ? " *" : "");
  }
  for (const auto& [caption, value] : page.Panel()) {
    std::printf("%s: %s\n", caption.c_str(), value.c_str());
  }
  PrintReflections(page.PlotTraces());
  return true;
}

PageCommand TraceCommand() {
  PageCommand c{"trace",
                {6},
                {PageId::kReflectograms6},
                "The reflectograms of the full-family meter: receive, save as RFG 3.0 or XLS",
                {},
                nullptr};
  c.actions = {
      {"--select", ActionArgument::kNumber, 1, kMaxEntries,
       "put the list cursor on reflectogram N (1-based)",
       [](PageSession& s, const Numbers& n) {
         if (!WithinData("--select", n[0], Page(s).count(), "reflectograms")) return false;
         Page(s).Select(n[0] - 1);
         return true;
       }},
      {"--receive", ActionArgument::kNone, 0, 0,
       "receive the current trace (its files below the --folder answer)",
       [](PageSession& s, const Numbers&) { return Page(s).Receive(); }},
      {"--save", ActionArgument::kNone, 0, 0,
       "save the current trace, receiving it first (--file PATH for RFG 3.0, PATH:2 for XLS)",
       [](PageSession& s, const Numbers&) { return Page(s).Save(); }},
      {"--print", ActionArgument::kNone, 0, 0,
       "print the list, the current entry's fields and the reflections of its trace",
       [](PageSession& s, const Numbers&) { return Print(Page(s)); }},
  };
  return c;
}

}  // namespace

void AddTrace6PageCommands(PageCommandTable& table) { table.push_back(TraceCommand()); }

}  // namespace telvane::cli
