// The xDSL log page (kinds 11, 12, 16) and the line tester's pages (kind 17)
// on the command line. Every action runs the page's own control through its
// controller; save dialogs take --file PATH:FILTER answers in order, the
// delete question takes --yes.
#include <cstdio>
#include <string>

#include "cli/command.h"
#include "testers/line/frequency_list_page.h"
#include "testers/line/line_info_page.h"
#include "testers/line/line_records_page.h"
#include "testers/xdsl/xdsl_log_page.h"

#ifdef TELVANE_CLI_PLOT
#include "cli/offscreen_app.h"
#include "storage/chart/gui/chart_paint.h"
#endif

namespace telvane::cli {
namespace {

using Numbers = std::vector<int>;

XdslLogPage& Xdsl(PageSession& s) { return s.page<XdslLogPage>(PageId::kXdsl11); }
LineInfoPage& Info(PageSession& s) { return s.page<LineInfoPage>(PageId::kDbInfo17); }
LineRecordsPage& Records(PageSession& s) {
  return s.page<LineRecordsPage>(PageId::kFrequencyMeasurements17);
}
FrequencyListPage& Frequencies(PageSession& s) {
  return s.page<FrequencyListPage>(PageId::kFrequencyList17);
}

template <typename Run>
PageAction Simple(std::string name, std::string help, Run run) {
  return {std::move(name),
          ActionArgument::kNone,
          0,
          0,
          std::move(help),
          [run](PageSession& s, const Numbers&) { return run(s); }};
}

bool PrintXdsl(PageSession& s) {
  const XdslLogPage& page = Xdsl(s);
  for (size_t i = 0; i < page.entries().size(); ++i) {
    std::printf("%c%3zu %s %s\n", page.selected() == i ? '>' : ' ', i + 1,
                page.marks()[i] ? "[x]" : "[ ]", page.entries()[i].name.c_str());
  }
  std::printf("Наименование: %s\nРежим: %s\n", page.SelectedName().c_str(),
              page.SelectedMode().c_str());
  for (const XdslSummaryRow& row : page.SummaryRows()) {
    std::printf("%s\t%s\t%s\n", row.label.c_str(), row.down.c_str(), row.up.c_str());
  }
  return true;
}

// The chart of the selected log (received first), drawn as the window draws
// it and saved through the save dialog (--file PATH).
bool SaveXdslChart(PageSession& s) {
#ifdef TELVANE_CLI_PLOT
  if (!Xdsl(s).ReceiveSelectedLog()) return false;
  EnsureOffscreenApp();
  return Xdsl(s).SaveChart([](const ChartFigure& chart) { return ChartPng(chart, {1100, 800}); });
#else
  (void)s;
  std::fprintf(stderr, "telvane-cli: --save-chart is not available in this build (no Qt)\n");
  return false;
#endif
}

PageCommand XdslCommand() {
  PageCommand c{"xdsl", {11, 12, 16}, {PageId::kXdsl11}, "The xDSL logs", {}, nullptr};
  c.actions = {
      Simple("--receive-list", "receive the list of logs (0x6B)",
             [](PageSession& s) { return Xdsl(s).ReceiveList(); }),
      {"--select", ActionArgument::kNumber, 1, 255, "select log N (1-based)",
       [](PageSession& s, const Numbers& n) {
         if (!WithinData("--select", n[0], static_cast<int>(Xdsl(s).entries().size()), "logs")) {
           return false;
         }
         Xdsl(s).Select(static_cast<size_t>(n[0] - 1));
         return true;
       }},
      {"--mark", ActionArgument::kNumberList, 1, 255, "mark these logs (1-based)",
       [](PageSession& s, const Numbers& numbers) {
         for (int n : numbers) {
           if (!WithinData("--mark", n, static_cast<int>(Xdsl(s).entries().size()), "logs")) {
             return false;
           }
           Xdsl(s).SetMarked(static_cast<size_t>(n - 1), true);
         }
         return true;
       }},
      Simple("--save", "receive and save the marked logs, or the selected one (--file per log)",
             [](PageSession& s) { return Xdsl(s).Save(); }),
      Simple("--print", "print the list, the selected log and its summary", PrintXdsl),
      Simple("--save-chart", "receive the selected log and save its chart as PNG (--file)",
             SaveXdslChart),
  };
  return c;
}

bool PrintRows(const std::vector<std::pair<std::string, std::string>>& rows) {
  for (const auto& [label, value] : rows) std::printf("%s: %s\n", label.c_str(), value.c_str());
  return true;
}

// The kind chosen by --code for the next --receive.
int& ChosenCode() {
  static int code = 1;
  return code;
}

PageCommand LineRecordsCommand() {
  PageCommand c{
      "line-records", {17}, {PageId::kFrequencyMeasurements17}, "The line tester's records", {},
      nullptr};
  c.actions = {
      {"--code", ActionArgument::kNumber, 0, 255, "choose the kind by its code (1 2 3 4 8 10)",
       [](PageSession&, const Numbers& n) {
         ChosenCode() = n[0];
         return true;
       }},
      Simple("--receive", "receive every record of the chosen kind",
             [](PageSession& s) {
               int choice = -1;
               const auto kinds = LineRecordKinds();
               for (size_t i = 0; i < kinds.size(); ++i) {
                 if (kinds[i].code == ChosenCode()) choice = static_cast<int>(i);
               }
               return Records(s).Receive(choice);
             }),
      Simple("--print", "print the records as text",
             [](PageSession& s) {
               std::fputs(Records(s).Text().c_str(), stdout);
               return true;
             }),
      Simple("--report", "write the report (--file)",
             [](PageSession& s) { return Records(s).SaveReport(); }),
  };
  return c;
}

PageCommand FrequenciesCommand() {
  PageCommand c{
      "frequencies", {17}, {PageId::kFrequencyList17}, "The line tester's frequency list", {},
      nullptr};
  c.actions = {
      Simple("--receive", "receive the list (0x05)",
             [](PageSession& s) { return Frequencies(s).Receive(); }),
      {"--add", ActionArgument::kNumber, 32, 4096, "add a grid frequency in kHz",
       [](PageSession& s, const Numbers& n) { return Frequencies(s).Add(n[0]); }},
      {"--remove", ActionArgument::kNumber, 32, 4096, "remove a frequency in kHz",
       [](PageSession& s, const Numbers& n) { return Frequencies(s).Remove(n[0]); }},
      Simple("--send", "send the list (0x06)",
             [](PageSession& s) { return Frequencies(s).Send(); }),
      Simple("--print", "print the list in kHz",
             [](PageSession& s) {
               for (const std::string& line : Frequencies(s).Lines()) {
                 std::printf("%s\n", line.c_str());
               }
               return true;
             }),
  };
  return c;
}

}  // namespace

void AddXdslPageCommands(PageCommandTable& table) {
  table.push_back(XdslCommand());
  PageCommand info{"line-info", {17},   {PageId::kDbInfo17}, "The line tester's information",
                   {},          nullptr};
  info.actions = {Simple("--print", "print the version and the record counts",
                         [](PageSession& s) { return PrintRows(Info(s).Rows()); })};
  table.push_back(info);
  table.push_back(LineRecordsCommand());
  table.push_back(FrequenciesCommand());
  PageCommand del{"line-delete",
                  {17},
                  {PageId::kDbInfo17},
                  "Delete every measurement on the line tester (asks; --yes)",
                  {},
                  nullptr};
  del.actions = {Simple("--delete", "ask, then delete all (0x1E) and refresh",
                        [](PageSession& s) { return Info(s).DeleteAll(); })};
  table.push_back(del);
}

}  // namespace telvane::cli
