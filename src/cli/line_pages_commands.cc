// The line tester's reflectogram page (kind 17, versions below 4) on the
// command line: receive every reflectogram, put the cursor on one, save it
// (the save dialog takes --file PATH[:FILTER]: 1 RFG, 2 WV, 3 TDR, the
// extension deciding the format) and print the list, the panel and the
// reflections of the current trace.
#include <cstdio>
#include <string>

#include "app/kind_table.h"
#include "cli/command.h"
#include "cli/reflection_lines.h"
#include "testers/line/line_traces_page.h"

namespace telvane::cli {
namespace {

using Numbers = std::vector<int>;
// The information record counts reflectograms in 16 bits.
constexpr int kMaxTraces = 65535;

LineTracesPage& Traces(PageSession& s) { return s.page<LineTracesPage>(PageId::kReflectograms17); }

bool Print(const LineTracesPage& page) {
  const std::vector<std::string> lines = page.Lines();
  if (lines.empty()) {
    std::printf("Рефлектограмм нет\n");
    return true;
  }
  for (size_t i = 0; i < lines.size(); ++i) {
    std::printf("%c%2zu %s\n", static_cast<int>(i) == page.selected() ? '>' : ' ', i + 1,
                lines[i].c_str());
  }
  for (const auto& [caption, value] : page.Panel()) {
    std::printf("%s: %s\n", caption.c_str(), value.c_str());
  }
  PrintReflections(page.PlotTraces());
  return true;
}

PageCommand LineTracesCommand() {
  PageCommand c{"line-traces",
                {17},
                {PageId::kReflectograms17},
                "The line tester's reflectograms: receive, save as RFG 1.1, WV or TDR",
                {},
                nullptr};
  // The tab is offered by version (from version 4 the instrument keeps its
  // measurements as files): the page runs only when the window would show it.
  c.prepare = [](PageSession& s) {
    for (const Tab& tab : TabsForKind(s.kind(), s.context().facts)) {
      if (tab.page == PageId::kReflectograms17) return true;
    }
    std::fprintf(stderr, "telvane-cli: version %.3f has no reflectogram page\n",
                 s.context().facts.version.value_or(0));
    return false;
  };
  c.actions = {
      {"--receive", ActionArgument::kNone, 0, 0, "receive every reflectogram (0x07)",
       [](PageSession& s, const Numbers&) { return Traces(s).Receive(); }},
      {"--select", ActionArgument::kNumber, 1, kMaxTraces,
       "put the cursor on reflectogram N (1-based)",
       [](PageSession& s, const Numbers& n) {
         if (!WithinData("--select", n[0], static_cast<int>(Traces(s).traces().size()),
                         "reflectograms")) {
           return false;
         }
         Traces(s).Select(n[0] - 1);
         return true;
       }},
      {"--save", ActionArgument::kNone, 0, 0,
       "save the current reflectogram (--file PATH.rfg, PATH.wv or PATH.tdr)",
       [](PageSession& s, const Numbers&) { return Traces(s).Save(); }},
      {"--print", ActionArgument::kNone, 0, 0,
       "print the list, the current trace's fields and its reflections",
       [](PageSession& s, const Numbers&) { return Print(Traces(s)); }},
  };
  return c;
}

}  // namespace

void AddLinePageCommands(PageCommandTable& table) { table.push_back(LineTracesCommand()); }

}  // namespace telvane::cli
