// The E1 tester's results page (kind 19) and the Ethernet tester's results
// page (kind 20) on the command line. Every action is one of the page's own
// buttons, run through its controller; dialogs take their files from --file.
#include <cstdio>
#include <string>

#include "cli/command.h"
#include "cli/e1_text.h"
#include "testers/e1/e1_page_file.h"
#include "testers/e1/e1_results_page.h"
#include "testers/ethernet/ethernet_results_page.h"

namespace telvane::cli {
namespace {

using Numbers = std::vector<int>;

PageAction Simple(std::string name, std::string help, std::function<bool(PageSession&)> run) {
  return {std::move(name),
          ActionArgument::kNone,
          0,
          0,
          std::move(help),
          [run = std::move(run)](PageSession& s, const Numbers&) { return run(s); }};
}

PageAction Numbered(std::string name, int maximum, std::string help,
                    std::function<bool(PageSession&, int)> run) {
  return {std::move(name),
          ActionArgument::kNumber,
          1,
          maximum,
          std::move(help),
          [run = std::move(run)](PageSession& s, const Numbers& n) { return run(s, n[0]); }};
}

void PrintLines(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) std::printf("%s\n", line.c_str());
}

// --- E1 ---------------------------------------------------------------------

E1ResultsPage& E1(PageSession& s) { return s.page<E1ResultsPage>(PageId::kFiles19); }

bool PrintE1(PageSession& s) {
  const E1Document& d = E1(s).document();
  PrintLines(d.ListLines());
  PrintE1Summary(d);
  return true;
}

bool SelectE1(PageSession& s, int n) {
  E1ResultsPage& page = E1(s);
  if (!WithinData("--select", n, page.document().file_count(), "files")) return false;
  page.Select(n - 1);
  return true;
}

bool IntervalE1(PageSession& s, int k) {
  E1ResultsPage& page = E1(s);
  const E1File* file = page.document().selected_file();
  const int count = file != nullptr ? static_cast<int>(file->records.size()) : 0;
  if (!WithinData("--interval", k, count, "records in the selected file")) return false;
  page.SelectRecord(k - 1);
  PrintE1Interval(page.document());
  return true;
}

// --- Ethernet ---------------------------------------------------------------

EthernetResultsPage& Ethernet(PageSession& s) {
  return s.page<EthernetResultsPage>(PageId::kFiles20);
}

bool PrintEthernet(PageSession& s) {
  EthernetResultsPage& page = Ethernet(s);
  PrintLines(page.lines());
  PrintCrLfLines(page.SelectionText());
  return true;
}

bool SelectEthernet(PageSession& s, int n) {
  EthernetResultsPage& page = Ethernet(s);
  if (!WithinData("--select", n, static_cast<int>(page.results().size()), "result files")) {
    return false;
  }
  page.Select(n - 1);
  return true;
}

bool ReportEthernet(PageSession& s) {
  EthernetResultsPage& page = Ethernet(s);
  if (!page.can_report()) {
    std::fprintf(stderr, "telvane-cli: --report: %s\n", page.SelectionText().c_str());
    return false;
  }
  return page.Report();
}

}  // namespace

void AddResultPageCommands(PageCommandTable& table) {
  table.push_back({"e1",
                   {19},
                   {PageId::kFiles19},
                   "the E1 tester's measurement files",
                   {Simple("--receive", "receive every file again (\"Принять\")",
                           [](PageSession& s) { return E1(s).Receive(); }),
                    Simple("--print", "the list lines, then the selected file's summary", PrintE1),
                    Numbered("--select", E1TesterInfo::kMaxFiles, "select file N", SelectE1),
                    Numbered("--interval", kE1MaxRecords,
                             "print the results of record N's interval", IntervalE1),
                    Simple("--save-page", "save the selected file as a page file (--file)",
                           [](PageSession& s) { return E1(s).SavePage(); }),
                    Simple("--load-page", "load a page file into the selected file (--file)",
                           [](PageSession& s) { return E1(s).LoadPage(); }),
                    Simple("--report", "write the measurement protocol (--file)",
                           [](PageSession& s) { return E1(s).Protocol(); })},
                   {}});
  PageAction units{"--units",
                   ActionArgument::kWord,
                   0,
                   0,
                   "the unit of rates: \"Проценты (%)\" or \"Мбит/c\"",
                   [](PageSession& s, const Numbers& n) {
                     Ethernet(s).SetUnit(n[0]);
                     return true;
                   },
                   {"percent", "mbit"}};
  table.push_back(
      {"ethernet",
       {20},
       {PageId::kFiles20},
       "the Ethernet tester's RFC 2544 results",
       {Simple("--receive", "receive every result again",
               [](PageSession& s) { return Ethernet(s).Receive(); }),
        Simple("--print", "the list lines, then the selected file's start and end", PrintEthernet),
        Numbered("--select", kEthernetMaxFiles, "select result file N", SelectEthernet), units,
        Simple("--report", "write the report (\"Отчёт об измерении\", --file)", ReportEthernet)},
       {}});
}

}  // namespace telvane::cli
