// The cable-parameter meters' pages on the command line: the cable-type page
// (kind 2), the full family's database pages (kind 6), the compact cable page
// (kind 7) and the planned-measurement page (kinds 4 and 7). Every action is
// one of the page's own buttons or menu items, run through its controller, so
// the page's questions, counts and refusals hold as in the window.
#include <cstdio>
#include <set>
#include <string>

#include "cable/excel_export.h"
#include "cable/pages/cable_base_page.h"
#include "cable/pages/cable_size_page.h"
#include "cable/pages/cable_type_page.h"
#include "cable/pages/compact_cable_page.h"
#include "cable/pages/planned_base_page.h"
#include "cli/command.h"

namespace telvane::cli {
namespace {

using Numbers = std::vector<int>;
constexpr int kMaxListed = 255;  // the largest count a one-byte header field holds

// A menu command of the page; the screen tells whether it failed.
template <typename Page>
PageAction Menu(std::string name, std::string help, PageId id, MenuCommand command) {
  return {std::move(name),
          ActionArgument::kNone,
          0,
          0,
          std::move(help),
          [id, command](PageSession& s, const Numbers&) {
            return s.page<Page>(id).HandleMenu(command);
          }};
}

PageAction Simple(std::string name, std::string help, std::function<bool(PageSession&)> run) {
  return {std::move(name),
          ActionArgument::kNone,
          0,
          0,
          std::move(help),
          [run = std::move(run)](PageSession& s, const Numbers&) { return run(s); }};
}

PageAction WithNumbers(std::string name, ActionArgument argument, int minimum, int maximum,
                       std::string help, std::function<bool(PageSession&, const Numbers&)> run) {
  return {std::move(name), argument, minimum, maximum, std::move(help), std::move(run)};
}

// --- The cable-type page ----------------------------------------------------

CableTypePage& Types(PageSession& s) { return s.page<CableTypePage>(PageId::kCableTypeBase2); }

bool ListTypes(PageSession& s) {
  CableTypePage& page = Types(s);
  const int shown = std::min(page.current(), page.slot_count());
  const int selected = page.selected();
  for (int i = 0; i < shown; ++i) {
    page.Select(i);
    std::printf("%2d %-16s %s %s %s\n", i + 1, page.EntryText(i).c_str(),
                page.ResistanceField().c_str(), page.FactorField().c_str(),
                page.checked(i) ? "[x]" : "[ ]");
  }
  page.Select(selected);
  std::printf("Текущий %d, Максимальный %d\n", page.current(), page.maximum());
  return true;
}

// Checks exactly the listed types (1-based); each must be an enabled slot.
bool OnlyTypes(PageSession& s, const Numbers& numbers) {
  CableTypePage& page = Types(s);
  const int enabled = std::min(page.current(), page.slot_count());
  for (const int n : numbers) {
    if (!WithinData("--only", n, enabled, "types the instrument holds")) return false;
  }
  const std::set<int> chosen(numbers.begin(), numbers.end());
  for (int i = 0; i < page.slot_count(); ++i) page.SetChecked(i, chosen.contains(i + 1));
  return true;
}

PageCommand TypesCommand() {
  const PageId id = PageId::kCableTypeBase2;
  PageCommand c{"types", {2, 6}, {id}, "The cable-type page: the instrument's table of cable types",
                {},      nullptr};
  c.actions = {
      Simple("--status", "read the type-database status (0x00): current and maximum",
             [](PageSession& s) { return Types(s).ReadStatus(); }),
      Simple("--receive", "\"Принять\": receive the whole table (0x05)",
             [](PageSession& s) { return Types(s).Receive(); }),
      Simple("--send", "\"Передать\": the table whole (0x02) or the checked types (0x01)",
             [](PageSession& s) { return Types(s).Send(); }),
      WithNumbers("--only", ActionArgument::kNumberList, 1, kMaxListed,
                  "check exactly these types (1-based), uncheck the others", OnlyTypes),
      Simple("--update", "\"Обновить\": the edited copy becomes the table sent",
             [](PageSession& s) {
               Types(s).Update();
               return true;
             }),
      Simple("--clear", "\"Очистить\": clear every slot (asks)",
             [](PageSession& s) {
               Types(s).Clear();
               return true;
             }),
      Menu<CableTypePage>("--open-base", "open a binary type file (--file)", id,
                          MenuCommand::kOpenBase),
      Menu<CableTypePage>("--open-text", "open a text type file (--file)", id,
                          MenuCommand::kOpenText),
      Menu<CableTypePage>("--save-base", "save the table as a binary file (--file)", id,
                          MenuCommand::kSaveBase),
      Menu<CableTypePage>("--save-text", "save the table as a text file (--file)", id,
                          MenuCommand::kSaveAsText),
      Menu<CableTypePage>("--save-excel", "export the table to Excel (--file)", id,
                          MenuCommand::kSaveExcel),
      Simple("--list", "print the types the instrument holds and the counts", ListTypes),
      Simple("--show-counts", "print \"current N maximum M\"",
             [](PageSession& s) {
               std::printf("current %d maximum %d\n", Types(s).current(), Types(s).maximum());
               return true;
             }),
  };
  // Kind 6 shows no type tab, so no first transfer reads the status for it.
  c.prepare = [](PageSession& s) { return s.kind() == 2 || Types(s).ReadStatus(); };
  return c;
}

// --- The full family's database pages ----------------------------------------

CableBasePage& Base(PageSession& s) { return s.page<CableBasePage>(PageId::kCableNames6); }

bool ListBase(PageSession& s) {
  for (const SizeRow& row : s.page<CableSizePage>(PageId::kDbCounters6).Rows()) {
    std::printf("%s: %lu / %lu\n", row.label.c_str(), row.current, row.maximum);
  }
  const auto names = Base(s).Names();
  for (size_t i = 0; i < names.size(); ++i) {
    std::printf("%3zu %s %s\n", i + 1, names[i].c_str(),
                Base(s).checked(static_cast<int>(i)) ? "[x]" : "[ ]");
  }
  return true;
}

// The selected cable must be one the page holds.
bool SelectedHeld(PageSession& s, const char* option) {
  const FullFamilyModel& model = Base(s).model();
  return WithinData(option, model.selected() + 1, model.Count(), "cables");
}

bool SaveAs(PageSession& s, FullDatabase database, const char* option) {
  Base(s).ChooseDatabase(static_cast<int>(database));
  return SelectedHeld(s, option) && Base(s).Save();
}

PageCommand FullCommand() {
  const PageId id = PageId::kCableNames6;
  PageCommand c{"full",
                {6},
                {PageId::kDbCounters6, id},
                "The full family's database pages: cables, planned measurements, files",
                {},
                nullptr};
  c.actions = {
      Simple("--receive", "\"Принять\" for the chosen database (0x15, 0x14 or 0x16)",
             [](PageSession& s) { return Base(s).Receive(); }),
      Simple("--send", "\"Передать\" the cable parameters (0x12, or 0x11 per checked cable)",
             [](PageSession& s) {
               Base(s).ChooseDatabase(static_cast<int>(FullDatabase::kParameters));
               return Base(s).Send();
             }),
      Simple("--planned", "choose \"Плановые измерения\" and \"Принять\" (0x16)",
             [](PageSession& s) {
               Base(s).ChooseDatabase(static_cast<int>(FullDatabase::kPlanned));
               return Base(s).Receive();
             }),
      WithNumbers("--database", ActionArgument::kNumber, 1, kFullDatabaseCount,
                  "choose the database (1 parameters, 2 planned, 3 reflectograms)",
                  [](PageSession& s, const Numbers& n) {
                    Base(s).ChooseDatabase(n[0] - 1);
                    return true;
                  }),
      WithNumbers("--cable", ActionArgument::kNumber, 1, kMaxListed,
                  "select cable N (1-based) for the saves and exports",
                  [](PageSession& s, const Numbers& n) {
                    if (!WithinData("--cable", n[0], Base(s).model().Count(), "cables")) {
                      return false;
                    }
                    Base(s).Select(n[0] - 1);
                    return true;
                  }),
      WithNumbers("--only", ActionArgument::kNumberList, 1, kMaxListed,
                  "check exactly these cables (1-based), uncheck the others",
                  [](PageSession& s, const Numbers& numbers) {
                    for (const int n : numbers) {
                      if (!WithinData("--only", n, Base(s).model().Count(), "cables")) {
                        return false;
                      }
                    }
                    const std::set<int> chosen(numbers.begin(), numbers.end());
                    for (int i = 0; i < kMaxCables; ++i) {
                      Base(s).SetChecked(i, chosen.contains(i + 1));
                    }
                    return true;
                  }),
      Simple("--all", "check every cable",
             [](PageSession& s) {
               for (int i = 0; i < kMaxCables; ++i) Base(s).SetChecked(i, true);
               return true;
             }),
      Simple("--clear", "\"Очистить\" the cable parameters (asks)",
             [](PageSession& s) {
               Base(s).Clear();
               return true;
             }),
      Simple("--save", "\"Сохранить...\" the selected cable for the chosen database",
             [](PageSession& s) { return SelectedHeld(s, "--save") && Base(s).Save(); }),
      Simple(
          "--save-parameters", "\"Сохранить...\" the selected cable's parameters",
          [](PageSession& s) { return SaveAs(s, FullDatabase::kParameters, "--save-parameters"); }),
      Simple("--save-planned", "\"Сохранить...\" the selected cable's planned measurements",
             [](PageSession& s) { return SaveAs(s, FullDatabase::kPlanned, "--save-planned"); }),
      Simple("--excel", "the Excel export of \"Сохранить...\" alone (below --folder)",
             [](PageSession& s) {
               const FullFamilyModel& model = Base(s).model();
               return SelectedHeld(s, "--excel") &&
                      ExportCableToExcel(s.screen(), model.base, model.selected(), model.database);
             }),
      Menu<CableBasePage>("--open-base", "open a cable-base file (--file)", id,
                          MenuCommand::kOpenBase),
      Menu<CableBasePage>("--save-base", "save the cable-base file (--file)", id,
                          MenuCommand::kSaveBase),
      Menu<CableBasePage>("--save-text", "save the text report of the base (--file)", id,
                          MenuCommand::kSaveAsText),
      Simple("--list", "print the counts and the cable list", ListBase),
  };
  return c;
}

// --- The compact cable page --------------------------------------------------

CompactCablePage& Compact(PageSession& s) {
  return s.page<CompactCablePage>(PageId::kCompactCables7);
}

bool ListCompact(PageSession& s) {
  CompactCablePage& page = Compact(s);
  const int selected = page.selected();
  for (int i = 0; i < page.size(); ++i) {
    page.Select(i);
    std::printf("%3d %-12s %s m %s\n", i + 1, page.cables()[static_cast<size_t>(i)].name().c_str(),
                page.TotalText().c_str(), page.marked(i) ? "[x]" : "[ ]");
  }
  if (page.size() > 0) page.Select(selected);
  std::printf("В приборе %d, максимум %d\n", page.instrument_cables(), page.instrument_maximum());
  return true;
}

PageCommand CompactCommand() {
  PageCommand c{"compact",
                {7},
                {PageId::kCompactCables7},
                "The compact family's cable page: the cable list and its database",
                {},
                nullptr};
  c.actions = {
      Simple("--receive", "\"Принять от прибора\" (0x23)",
             [](PageSession& s) { return Compact(s).Receive(); }),
      Simple("--send", "\"Передать в прибор\": the marked cables as the whole image (0x24; asks)",
             [](PageSession& s) { return Compact(s).Send(); }),
      Simple("--send-all", "\"+\" (asks), then \"Передать в прибор\"",
             [](PageSession& s) {
               Compact(s).PlusKey();
               return Compact(s).Send();
             }),
      WithNumbers("--mark", ActionArgument::kNumberList, 1, kMaxCompactEntries,
                  "mark these entries (1-based)",
                  [](PageSession& s, const Numbers& numbers) {
                    for (const int n : numbers) {
                      if (!WithinData("--mark", n, Compact(s).size(), "cables")) return false;
                    }
                    for (const int n : numbers) Compact(s).SetMarked(n - 1, true);
                    return true;
                  }),
      WithNumbers("--keep", ActionArgument::kNumber, 0, kMaxCompactEntries,
                  "mark the first N entries only",
                  [](PageSession& s, const Numbers& n) {
                    if (n[0] > 0 && !WithinData("--keep", n[0], Compact(s).size(), "cables")) {
                      return false;
                    }
                    for (int i = 0; i < Compact(s).size(); ++i) Compact(s).SetMarked(i, i < n[0]);
                    return true;
                  }),
      Simple("--mark-all", "\"+\": mark the first entries up to the maximum (asks)",
             [](PageSession& s) {
               Compact(s).PlusKey();
               return true;
             }),
      Simple("--unmark-all", "\"-\": remove every mark (asks)",
             [](PageSession& s) {
               Compact(s).MinusKey();
               return true;
             }),
      Simple("--create-db", "\"Создать БД...\" (--file)",
             [](PageSession& s) { return Compact(s).CreateDatabase(); }),
      Simple("--import-db", "\"Загрузить БД...\" (--file)",
             [](PageSession& s) { return Compact(s).ImportDatabase(); }),
      Simple("--list", "print the cable list and the instrument's counts", ListCompact),
  };
  return c;
}

// --- The planned-measurement page -------------------------------------------

PlannedBasePage& Planned(PageSession& s) { return s.page<PlannedBasePage>(PageId::kPlannedBase47); }

PageCommand PlannedCommand() {
  PageCommand c{"planned",
                {4, 7},
                {PageId::kPlannedBase47},
                "The planned-measurement page of the compact family",
                {},
                nullptr};
  c.actions = {
      Simple("--receive", "\"Принять\" (0x21)",
             [](PageSession& s) { return Planned(s).Receive(); }),
      Simple("--copy", "copy the instrument's cables to the computer's list",
             [](PageSession& s) {
               Planned(s).CopyToComputer();
               return true;
             }),
      WithNumbers("--csv", ActionArgument::kNumber, 1, kMaxListed,
                  "CSV export of cable N of the list shown (--file PATH:FILTER)",
                  [](PageSession& s, const Numbers& n) {
                    PlannedBasePage& page = Planned(s);
                    const PlannedSide side = page.shown_side();
                    const int count = static_cast<int>(page.CableNames(side).size());
                    if (!WithinData("--csv", n[0], count, "cables")) return false;
                    page.Select(side, n[0] - 1);
                    return page.ExportSelected();
                  }),
      Simple("--csv-all", "CSV export of every cable of the list shown",
             [](PageSession& s) { return Planned(s).ExportAll(); }),
      Simple("--list", "print the cables of the list shown",
             [](PageSession& s) {
               PlannedBasePage& page = Planned(s);
               const auto names = page.CableNames(page.shown_side());
               for (size_t i = 0; i < names.size(); ++i) {
                 std::printf("%3zu %s\n", i + 1, names[i].c_str());
               }
               std::printf("%zu cables\n", names.size());
               return true;
             }),
  };
  return c;
}

}  // namespace

void AddCablePageCommands(PageCommandTable& table) {
  table.push_back(TypesCommand());
  table.push_back(FullCommand());
  table.push_back(CompactCommand());
  table.push_back(PlannedCommand());
}

}  // namespace telvane::cli
