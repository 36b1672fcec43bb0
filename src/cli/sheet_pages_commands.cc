// The pages of the sheet meters, the armour-wear meter and the kind 9 memory
// plan on the command line: "pages sheets" (kinds 13 and 14), "pages wear"
// (kind 8) and "pages plan" (kind 9). Every action is one of the page's own
// buttons or edits, run through its controller.
#include <cstdio>
#include <string>

#include "cable/sheets/sheets_page.h"
#include "cable/wear/wear_page.h"
#include "cli/command.h"
#include "testers/plan/database_plan_page.h"

namespace telvane::cli {
namespace {

using Numbers = std::vector<int>;

// Prints "label: value" lines.
template <typename Fields>
void PrintFields(const Fields& fields) {
  for (const auto& field : fields)
    std::printf("%s: %s\n", field.label.c_str(), field.value.c_str());
}

// --- Sheets -------------------------------------------------------------------

// Kind 13 from version 302 shows the second page; both show one model.
SheetsPage& Sheets(PageSession& s) {
  if (s.kind() == 13 && s.context().facts.version && *s.context().facts.version >= 302.0f) {
    return s.page<SheetsReceivePage>(PageId::kSheetsReceive13);
  }
  return s.page<SheetsPage>(PageId::kSheets13);
}

bool PrintSheets(PageSession& s) {
  SheetsPage& page = Sheets(s);
  std::printf("Список листов:\n");
  const auto entries = page.Entries();
  for (size_t i = 0; i < entries.size(); ++i) std::printf("%2zu %s\n", i + 1, entries[i].c_str());
  std::printf("%s\n", page.Status().c_str());
  if (page.selected() >= 0) {
    std::string text = page.Information();
    for (char& c : text) {
      if (c == '\r') c = ' ';
    }
    std::printf("Информация:%s", text.c_str());
  }
  return true;
}

bool SelectSheet(PageSession& s, const Numbers& n) {
  SheetsPage& page = Sheets(s);
  const int count = static_cast<int>(page.Entries().size());
  if (!WithinData("--select", n[0], count, "entries of the list")) return false;
  page.Select(n[0] - 1);
  return true;
}

PageCommand SheetsCommand() {
  PageCommand c{"sheets",
                {13, 14},
                {PageId::kSheets13, PageId::kSheetsReceive13},
                "The measurement sheets: the list, the information text and the report",
                {},
                nullptr};
  c.actions = {
      {"--receive", ActionArgument::kNone, 0, 0,
       "receive the catalogue and the sheets again (\"Принять...\")",
       [](PageSession& s, const Numbers&) {
         return Sheets(s).ReadCatalog() && Sheets(s).ReceiveSheets();
       }},
      {"--select", ActionArgument::kNumber, 1, 255, "select entry N of the list (1-based)",
       SelectSheet},
      {"--save", ActionArgument::kNone, 0, 0,
       "\"Сохранить...\": the report of the selected entry (--file)",
       [](PageSession& s, const Numbers&) { return Sheets(s).Save(); }},
      {"--print", ActionArgument::kNone, 0, 0,
       "print the list, the status and the selected entry's information",
       [](PageSession& s, const Numbers&) { return PrintSheets(s); }},
  };
  return c;
}

// --- Armour wear ----------------------------------------------------------------

WearPage& Wear(PageSession& s) { return s.page<WearPage>(PageId::kWear8); }

PageCommand WearCommand() {
  PageCommand c{"wear",
                {8},
                {PageId::kWear8},
                "The armour-wear meter: the information record and the series saved as CSV",
                {},
                nullptr};
  c.actions = {
      {"--print", ActionArgument::kNone, 0, 0, "print the six values",
       [](PageSession& s, const Numbers&) {
         PrintFields(Wear(s).Fields());
         return Wear(s).info().has_value();
       }},
      {"--receive-save", ActionArgument::kNone, 0, 0,
       "\"Принять и сохранить...\": the series as CSV (--file PATH:FILTER, filter 1 "
       "semicolons, 2 commas, 3 all files)",
       [](PageSession& s, const Numbers&) { return Wear(s).ReceiveAndSave(); }},
  };
  return c;
}

// --- Memory plan ------------------------------------------------------------------

DatabasePlanPage& Plan(PageSession& s) { return s.page<DatabasePlanPage>(PageId::kDbCounters9); }

PageCommand PlanCommand() {
  PageCommand c{"plan",
                {9},
                {PageId::kDbCounters9},
                "The database information of kind 9: the memory plan of its chip",
                {},
                nullptr};
  c.actions = {
      {"--print", ActionArgument::kNone, 0, 0, "print the nine fields",
       [](PageSession& s, const Numbers&) {
         PrintFields(Plan(s).Fields());
         return Plan(s).has_parameters();
       }},
      {"--max-cables", ActionArgument::kNumber, 1, 65535,
       "set the maximum of cables shown and run the plan",
       [](PageSession& s, const Numbers& n) { return Plan(s).EditMaximumCables(n[0]); }},
      {"--max-sections", ActionArgument::kNumber, 0, 255,
       "set the maximum of sections (kept 1..20) and run the plan",
       [](PageSession& s, const Numbers& n) { return Plan(s).EditMaximumSections(n[0]); }},
  };
  return c;
}

}  // namespace

void AddSheetPageCommands(PageCommandTable& table) {
  table.push_back(SheetsCommand());
  table.push_back(WearCommand());
  table.push_back(PlanCommand());
}

}  // namespace telvane::cli
