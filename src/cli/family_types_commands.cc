// "pages family-types": the cable-type tab of kinds 11, 12, 16 ("БД типов
// кабелей") and of kind 14. Every action is the page's own: receiving,
// selecting, checking, editing the selected type and sending the checked
// types, with the page's warning and question.
#include <cstdio>
#include <set>
#include <string>

#include "cable/family/family_type_page.h"
#include "cable/pages/page_numbers.h"
#include "cli/command.h"

namespace telvane::cli {
namespace {

using Numbers = std::vector<int>;
constexpr int kMaxTypes = kFamilyTypeLimit;

FamilyTypePage& Types(PageSession& s) {
  return s.page<FamilyTypePage>(s.kind() == 14 ? PageId::kCableTypes14 : PageId::kCableTypes11);
}

bool Print(PageSession& s) {
  FamilyTypePage& page = Types(s);
  const std::array<std::string, 3> labels = page.ValueLabels();
  std::printf("%s | %s | %s | %s\n", "Тип кабеля", labels[0].c_str(), labels[1].c_str(),
              labels[2].c_str());
  const std::vector<std::string> names = page.Names();
  const int selected = page.selected();
  for (int i = 0; i < page.type_count(); ++i) {
    page.Select(i);
    std::printf("%c%3d %s | %s | %s | %s %s\n", i == selected ? '*' : ' ', i + 1,
                names[static_cast<size_t>(i)].c_str(), page.ValueField(0).c_str(),
                page.ValueField(1).c_str(), page.ValueField(2).c_str(),
                page.checked(i) ? "[x]" : "[ ]");
  }
  page.Select(selected);
  return true;
}

bool SelectType(PageSession& s, const Numbers& numbers) {
  FamilyTypePage& page = Types(s);
  if (!WithinData("--type", numbers[0], page.type_count(), "cable types")) return false;
  page.Select(numbers[0] - 1);
  return true;
}

// Checks exactly the listed types (1-based).
bool Mark(PageSession& s, const Numbers& numbers) {
  FamilyTypePage& page = Types(s);
  for (const int n : numbers) {
    if (!WithinData("--mark", n, page.type_count(), "cable types")) return false;
  }
  const std::set<int> chosen(numbers.begin(), numbers.end());
  for (int i = 0; i < page.type_count(); ++i) page.SetChecked(i, chosen.contains(i + 1));
  return true;
}

// FIELD=VALUE for the selected type: name, v1, v2 or v3.
bool Set(PageSession& s, const Numbers&) {
  FamilyTypePage& page = Types(s);
  const std::string& text = s.action_text();
  const size_t equals = text.find('=');
  const std::string field = text.substr(0, equals);
  if (equals == std::string::npos || page.selected() < 0) {
    std::fprintf(stderr, "telvane-cli: --set %s: FIELD=VALUE for a selected type\n", text.c_str());
    return false;
  }
  const std::string value = text.substr(equals + 1);
  if (field == "name") {
    page.EditName(value);
    return true;
  }
  for (int v = 0; v < 3; ++v) {
    if (field == "v" + std::to_string(v + 1)) {
      if (!ParseDecimal(value)) {
        std::fprintf(stderr, "telvane-cli: --set %s: not a number\n", text.c_str());
        return false;
      }
      page.EditValue(v, value);
      return true;
    }
  }
  std::fprintf(stderr, "telvane-cli: --set %s: the fields are name, v1, v2 and v3\n", text.c_str());
  return false;
}

PageCommand FamilyTypesCommand() {
  PageCommand c{"family-types",
                {11, 12, 14, 16},
                {PageId::kCableTypes11, PageId::kCableTypes14},
                "The cable types of kinds 11, 12, 14 and 16: receive, edit, send",
                {},
                nullptr};
  c.actions = {
      {"--receive", ActionArgument::kNone, 0, 0, "\"Принять\": the instrument's cable types",
       [](PageSession& s, const Numbers&) { return Types(s).Receive(); }},
      {"--type", ActionArgument::kNumber, 1, kMaxTypes, "select type N (1-based)", SelectType},
      {"--mark", ActionArgument::kNumberList, 1, kMaxTypes,
       "check exactly these types (1-based), uncheck the others", Mark},
      {"--set", ActionArgument::kText, 0, 0,
       "FIELD=VALUE of the selected type: name, v1, v2, v3 (a comma is a decimal point)", Set},
      {"--send", ActionArgument::kNone, 0, 0,
       "\"Передать\": every type in one transaction when all are checked, else each checked one",
       [](PageSession& s, const Numbers&) { return Types(s).Send(); }},
      {"--print", ActionArgument::kNone, 0, 0, "print the types, their values and check marks",
       [](PageSession& s, const Numbers&) { return Print(s); }},
  };
  return c;
}

}  // namespace

void AddFamilyTypePageCommands(PageCommandTable& table) { table.push_back(FamilyTypesCommand()); }

}  // namespace telvane::cli
