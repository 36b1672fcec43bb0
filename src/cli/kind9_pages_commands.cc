// Kind 9's cable list and planned measurements on the command line:
// "pages kind9-cables" and "pages kind9-planned". Both pages share the
// window's cable database, so a cable chosen on one is the other's cable.
#include <cstdio>
#include <string>

#include "cli/command.h"
#include "testers/plan/kind9_cable_page.h"
#include "testers/plan/kind9_planned_page.h"

namespace telvane::cli {
namespace {

using Numbers = std::vector<int>;

Kind9CablePage& Cables(PageSession& s) { return s.page<Kind9CablePage>(PageId::kCableList9); }
Kind9PlannedPage& Planned(PageSession& s) { return s.page<Kind9PlannedPage>(PageId::kPlanned9); }

// Puts the cursor on cable N of the list (1-based); the locked rows refuse.
bool SelectCable(PageSession& s, const Numbers& n) {
  Kind9CablePage& page = Cables(s);
  if (!WithinData("--cable", n[0], static_cast<int>(page.Rows().size()), "cables")) return false;
  if (!page.Select(n[0] - 1)) {
    std::fprintf(stderr, "telvane-cli: --cable %d: the first %d rows cannot be chosen\n", n[0],
                 s.context().options.locked_leading_entries);
    return false;
  }
  return true;
}

template <typename Row>
void PrintRow(const Row& row, bool cursor) {
  std::printf("%s", cursor ? ">" : " ");
  for (const std::string& cell : row) std::printf(" | %s", cell.c_str());
  std::printf("\n");
}

bool PrintCables(PageSession& s) {
  Kind9CablePage& page = Cables(s);
  PrintRow(Kind9CablePage::Headings(), false);
  const auto rows = page.Rows();
  for (size_t r = 0; r < rows.size(); ++r) {
    PrintRow(rows[r], static_cast<int>(r) == page.cursor());
  }
  return true;
}

bool PrintPlanned(PageSession& s) {
  Kind9PlannedPage& page = Planned(s);
  std::printf("%s\n", page.CableText().c_str());
  PrintRow(Kind9PlannedPage::Headings(), false);
  for (const auto& row : page.Rows()) PrintRow(row, false);
  return true;
}

PageAction CableAction() {
  return {"--cable",
          ActionArgument::kNumber,
          1,
          65535,
          "put the cursor on cable N of the list (1-based)",
          SelectCable};
}

PageCommand CablesCommand() {
  PageCommand c{"kind9-cables",
                {9},
                {PageId::kCableList9},
                "The cable list of kind 9 (\"База параметров кабелей\")",
                {},
                nullptr};
  c.actions = {
      {"--receive", ActionArgument::kNone, 0, 0, "\"Принять от прибора\": every cable again",
       [](PageSession& s, const Numbers&) { return Cables(s).Receive(); }},
      CableAction(),
      {"--receive-one", ActionArgument::kNone, 0, 0, "\"Принять запись\": the cursor's cable",
       [](PageSession& s, const Numbers&) { return Cables(s).ReceiveSelected(); }},
      {"--send", ActionArgument::kNone, 0, 0,
       "\"Передать в прибор\": the parameters and every cable (asks first: --yes)",
       [](PageSession& s, const Numbers&) { return Cables(s).Send(); }},
      {"--print", ActionArgument::kNone, 0, 0, "print the list, '>' at the cursor",
       [](PageSession& s, const Numbers&) { return PrintCables(s); }},
  };
  return c;
}

PageCommand PlannedCommand() {
  PageCommand c{"kind9-planned",
                {9},
                {PageId::kPlanned9},
                "The planned measurements of kind 9 (\"База плановых измерений\")",
                {},
                nullptr};
  c.actions = {
      CableAction(),
      {"--receive", ActionArgument::kNone, 0, 0, "\"Принять\": the pairs of the cursor's cable",
       [](PageSession& s, const Numbers&) { return Planned(s).Receive(); }},
      {"--save", ActionArgument::kNone, 0, 0,
       "\"Сохранить...\": the cable's pairs as CSV (--file PATH:FILTER, filter 1 semicolons, "
       "2 commas, 3 all files)",
       [](PageSession& s, const Numbers&) { return Planned(s).Save(); }},
      {"--print", ActionArgument::kNone, 0, 0, "print the cable and its pairs",
       [](PageSession& s, const Numbers&) { return PrintPlanned(s); }},
  };
  return c;
}

}  // namespace

void AddKind9PageCommands(PageCommandTable& table) {
  table.push_back(CablesCommand());
  table.push_back(PlannedCommand());
}

}  // namespace telvane::cli
