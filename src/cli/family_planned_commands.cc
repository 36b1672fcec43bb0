// "pages family-planned": the planned-measurement page of kinds 11, 12, 16
// (435-byte family) and 14 (233-byte family) on the command line. Every action
// is one of the page's own buttons or its cable list, run through its
// controller, so the locked leading cables and the save dialogs hold as in
// the window.
#include <cstdio>
#include <string>

#include "cable/family/family_planned_page.h"
#include "cli/command.h"

namespace telvane::cli {
namespace {

using Numbers = std::vector<int>;
// The most cables a family's database holds.
constexpr int kMaxCables = 500;

FamilyPlannedPage& Planned(PageSession& s) {
  return s.page<FamilyPlannedPage>(s.kind() == 14 ? PageId::kPlanned14 : PageId::kPlanned11);
}

bool SelectCable(PageSession& s, const Numbers& n) {
  FamilyPlannedPage& page = Planned(s);
  const int count = static_cast<int>(page.CableNames().size());
  if (!WithinData("--cable", n[0], count, "cables")) return false;
  if (!page.selectable(n[0] - 1)) {
    std::fprintf(stderr, "telvane-cli: --cable %d: a locked leading entry cannot be selected\n",
                 n[0]);
    return false;
  }
  page.Select(n[0] - 1);
  return true;
}

// The cable list ("*" the selected cable, "-" a locked one), the name and
// date of the planned measurements, the headings and one line per pair.
bool Print(PageSession& s) {
  FamilyPlannedPage& page = Planned(s);
  const auto names = page.CableNames();
  for (size_t i = 0; i < names.size(); ++i) {
    const int cable = static_cast<int>(i);
    const char mark = cable == page.selected() ? '*' : (page.selectable(cable) ? ' ' : '-');
    std::printf("%c%3zu %s\n", mark, i + 1, names[i].c_str());
  }
  if (!page.has_planned()) {
    std::printf("Плановые измерения не приняты\n");
    return true;
  }
  if (page.family() == Family::k435) {
    std::printf("Имя плановых измерений: %s\n", page.PlannedName().c_str());
    std::printf("Дата проведения измерений: %s\n", page.DateText().c_str());
  }
  std::string line;
  for (const std::string& heading : page.Headings()) line += (line.empty() ? "" : "|") + heading;
  std::printf("%s\n", line.c_str());
  for (const PlannedRow& row : page.Rows()) {
    line = std::to_string(row.pair);
    for (const std::string& cell : row.cells) line += "|" + cell;
    std::printf("%s\n", line.c_str());
  }
  return true;
}

PageCommand FamilyPlannedCommand() {
  PageCommand c{"family-planned",
                {11, 12, 14, 16},
                {PageId::kPlanned11, PageId::kPlanned14},
                "The planned-measurement page of the 435-byte and 233-byte families",
                {},
                nullptr};
  c.actions = {
      {"--receive", ActionArgument::kNone, 0, 0,
       "\"Принять\": the database when none is held, then the planned measurements (0x69; "
       "kind 14: code 5 per cable)",
       [](PageSession& s, const Numbers&) { return Planned(s).Receive(); }},
      {"--cable", ActionArgument::kNumber, 1, kMaxCables, "select cable N of the list",
       SelectCable},
      {"--save", ActionArgument::kNone, 0, 0,
       "\"Сохранить...\" the selected cable (--file PATH[:FILTER]: 1 worksheet, 2 CSV \";\", "
       "3 CSV \",\")",
       [](PageSession& s, const Numbers&) { return Planned(s).Save(); }},
      {"--print", ActionArgument::kNone, 0, 0,
       "print the cable list and the selected cable's table",
       [](PageSession& s, const Numbers&) { return Print(s); }},
  };
  return c;
}

}  // namespace

void AddFamilyPlannedPageCommands(PageCommandTable& table) {
  table.push_back(FamilyPlannedCommand());
}

}  // namespace telvane::cli
