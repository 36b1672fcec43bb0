// The reflectogram pages of the reflectometers on the command line (kind 10's
// older page, kinds 11 and 12's newer page): choose a cable, mark slots, move
// the cursor, receive, send, switch the storage mode, save, open and print.
// Every action is one of the page's own controls run through its controller,
// so its questions and refusals hold as in the window; dialogs take --file
// answers in order.
#include <cstdio>
#include <set>
#include <string>

#include "cable/reflectograms/reflectogram_page.h"
#include "cli/command.h"

namespace telvane::cli {
namespace {

using Numbers = std::vector<int>;
constexpr int kMaxCables = 255;

ReflectogramPage& Page(PageSession& s) {
  return s.page<ReflectogramPage>(s.kind() == 10 ? PageId::kReflectograms10
                                                 : PageId::kReflectograms11);
}

PageAction Simple(std::string name, std::string help, std::function<bool(ReflectogramPage&)> run) {
  return {std::move(name),
          ActionArgument::kNone,
          0,
          0,
          std::move(help),
          [run = std::move(run)](PageSession& s, const Numbers&) { return run(Page(s)); }};
}

bool Print(ReflectogramPage& page) {
  const int cable = page.current_cable();
  if (cable < 0) {
    std::printf("Кабелей нет\n");
    return true;
  }
  std::printf("Кабель %d: %s\n", cable + 1, page.CableNames()[static_cast<size_t>(cable)].c_str());
  const std::vector<std::string> lines = page.SlotLines();
  for (size_t i = 0; i < lines.size(); ++i) {
    const int slot = static_cast<int>(i);
    std::printf("%c%2zu %s %s\n", slot == page.current_slot() ? '>' : ' ', i + 1,
                page.marked(slot) ? "[x]" : "[ ]", lines[i].c_str());
  }
  for (const auto& [label, value] : PanelRows(page.Panel(), page.coordination_shown())) {
    std::printf("%s: %s\n", label.c_str(), value.c_str());
  }
  return true;
}

PageCommand ReflectogramsCommand() {
  PageCommand c{"reflectograms",
                {10, 11, 12},
                {PageId::kReflectograms10, PageId::kReflectograms11},
                "The reflectogram pages: 20 slots per cable, transfers, files and databases",
                {},
                nullptr};
  c.actions = {
      {"--cable", ActionArgument::kNumber, 1, kMaxCables, "choose cable N (1-based)",
       [](PageSession& s, const Numbers& n) {
         if (!WithinData("--cable", n[0], Page(s).cable_count(), "cables")) return false;
         Page(s).SelectCable(n[0] - 1);
         return true;
       }},
      {"--mark", ActionArgument::kNumberList, 1, kReflectogramSlots,
       "mark exactly these slots (1-based), unmark the others",
       [](PageSession& s, const Numbers& numbers) {
         const std::set<int> chosen(numbers.begin(), numbers.end());
         for (int slot = 0; slot < kReflectogramSlots; ++slot) {
           Page(s).SetMarked(slot, chosen.contains(slot + 1));
         }
         return true;
       }},
      {"--cursor", ActionArgument::kNumber, 1, kReflectogramSlots,
       "put the list cursor on slot N (1-based)",
       [](PageSession& s, const Numbers& n) {
         Page(s).SetCursor(n[0] - 1);
         return true;
       }},
      Simple("--receive", "receive the marked valid slots (0x57 or 0x67)",
             [](ReflectogramPage& p) { return p.Receive(); }),
      Simple("--send", "send the marked valid slots (0x58 or 0x68; asks about the cursor's)",
             [](ReflectogramPage& p) { return p.Send(); }),
      Simple("--files", "storage switch: trace files (\"Сохранить...\", \"Открыть...\")",
             [](ReflectogramPage& p) {
               p.SetDatabaseMode(false);
               return true;
             }),
      Simple("--db", "storage switch: database (\"Обновить БД...\", \"Открыть  БД...\")",
             [](ReflectogramPage& p) {
               p.SetDatabaseMode(true);
               return true;
             }),
      Simple("--save", "save the marked slots (--file per slot, or one database)",
             [](ReflectogramPage& p) { return p.Save(); }),
      Simple("--open", "open into the marked slots and the cursor's (--file; --choose)",
             [](ReflectogramPage& p) { return p.Open(); }),
      Simple("--print", "print the slot lines and the panel of the cursor's slot", Print),
  };
  return c;
}

}  // namespace

void AddReflectogramPageCommands(PageCommandTable& table) {
  table.push_back(ReflectogramsCommand());
}

}  // namespace telvane::cli
