// "pages family-cables": the cable page of the reflectometer families (kind
// 10, kinds 11, 12 and 16, kind 14) on the command line: choose and mark
// cables, edit the chosen cable's fields and section values, receive, send,
// write to and read from the computer's database, print. Every action is one
// of the page's own controls run through its controller, so its questions and
// refusals hold as in the window; the database dialogs take --file answers.
#include <cstdio>
#include <optional>
#include <set>
#include <string>

#include "cable/family/family_cable_page.h"
#include "cli/command.h"

namespace telvane::cli {
namespace {

using Numbers = std::vector<int>;
// The largest database an information record may announce.
constexpr int kMaxCables = 500;

PageId PageOf(uint8_t kind) {
  if (kind == 10) return PageId::kCables10;
  if (kind == 14) return PageId::kCables14;
  return PageId::kCables11;
}

FamilyCablePage& Page(PageSession& s) { return s.page<FamilyCablePage>(PageOf(s.kind())); }

bool Refuse(const std::string& what, const char* why) {
  std::fprintf(stderr, "telvane-cli: --set %s: %s\n", what.c_str(), why);
  return false;
}

std::optional<int> WholeNumber(const std::string& text) {
  if (text.empty() || text.size() > 6) return std::nullopt;
  size_t i = text[0] == '-' ? 1 : 0;
  if (i == text.size()) return std::nullopt;
  for (size_t k = i; k < text.size(); ++k) {
    if (text[k] < '0' || text[k] > '9') return std::nullopt;
  }
  return std::stoi(text);
}

// "sN.vK": section N (1-based) and value K (1 to 4).
std::optional<std::pair<int, SectionValue>> SectionField(const std::string& field) {
  const size_t dot = field.find(".v");
  if (field.size() < 5 || field[0] != 's' || dot == std::string::npos) return std::nullopt;
  const std::optional<int> section = WholeNumber(field.substr(1, dot - 1));
  const std::optional<int> value = WholeNumber(field.substr(dot + 2));
  if (!section || !value || *section < 1) return std::nullopt;
  constexpr SectionValue kValues[] = {SectionValue::kValue1, SectionValue::kValue2,
                                      SectionValue::kValue3, SectionValue::kValue4};
  if (*value < 1 || *value > 4) return std::nullopt;
  return std::pair{*section - 1, kValues[*value - 1]};
}

// FIELD=VALUE on the chosen cable.
bool Set(PageSession& s) {
  FamilyCablePage& page = Page(s);
  const std::string& text = s.action_text();
  const size_t equals = text.find('=');
  if (equals == std::string::npos) return Refuse(text, "FIELD=VALUE expected");
  const std::string field = text.substr(0, equals);
  const std::string value = text.substr(equals + 1);
  if (page.selected() < 0) return Refuse(text, "the page holds no cable");
  const FamilyCableFields& fields = page.fields();
  if (field == "name") return page.Rename(value);
  const std::optional<int> number = WholeNumber(value);
  if (field == "pairs" && fields.pairs) {
    if (!number || !page.SetPairs(*number)) return Refuse(text, "pairs are 1 to 2000");
    return true;
  }
  if (field == "temperature" && fields.temperature) {
    if (!number || !page.SetTemperature(*number)) return Refuse(text, "temperature is -10 to 20");
    return true;
  }
  if (field == "number" && fields.number) {
    if (!number || *number < 0 || *number > 255) return Refuse(text, "number is 0 to 255");
    page.SetNumber(*number);
    return true;
  }
  if (field == "option" && fields.option) {
    if (!number || *number < 0 || *number > 1) return Refuse(text, "option is 0 or 1");
    page.SetOption(*number == 1);
    return true;
  }
  if (const auto section = SectionField(field)) {
    if (section->first >= static_cast<int>(page.SectionLines().size())) {
      return Refuse(text, "the cable has no such section");
    }
    if (section->second == SectionValue::kValue4 && !fields.has_value4) {
      return Refuse(text, "the sections of this kind have three values");
    }
    page.SelectSection(section->first);
    if (!page.EditValue(section->second, value)) return Refuse(text, "not a number");
    return true;
  }
  const size_t dot = field.find(".type");
  if (field.size() > 6 && field[0] == 's' && dot != std::string::npos && dot + 5 == field.size()) {
    const std::optional<int> section = WholeNumber(field.substr(1, dot - 1));
    if (!section || *section < 1 || *section > static_cast<int>(page.SectionLines().size())) {
      return Refuse(text, "the cable has no such section");
    }
    if (!page.LoadTypes()) return Refuse(text, "no cable types");
    if (!number || *number < 1 || *number > static_cast<int>(page.TypeNames().size())) {
      return Refuse(text, "no such type");
    }
    page.SelectSection(*section - 1);
    page.ChooseType(*number - 1);
    return true;
  }
  return Refuse(text, "unknown field (see --help)");
}

bool Print(FamilyCablePage& page) {
  const std::vector<std::string> names = page.Names();
  for (size_t i = 0; i < names.size(); ++i) {
    const int cable = static_cast<int>(i);
    std::printf("%c%3zu %s %s\n", cable == page.selected() ? '>' : ' ', i + 1,
                page.checked(cable) ? "[x]" : "[ ]", names[i].c_str());
  }
  const int cable = page.selected();
  if (cable < 0) {
    std::printf("Кабелей нет\n");
    return true;
  }
  const FamilyCableFields& fields = page.fields();
  std::printf("Имя кабеля: %s\n", names[static_cast<size_t>(cable)].c_str());
  if (fields.pairs) std::printf("Количество пар: %d\n", page.pairs());
  if (fields.temperature) std::printf("Температура (С): %s\n", page.TemperatureText().c_str());
  if (fields.number) std::printf("Номер: %d\n", page.number());
  if (fields.option) std::printf("Признак: %d\n", page.option() ? 1 : 0);
  const auto [label2, label4] = page.KindLabels();
  const std::vector<std::string> types = page.TypeNames();
  const std::vector<std::string> lines = page.SectionLines();
  const int chosen = page.section();
  for (int s = 0; s < static_cast<int>(lines.size()); ++s) {
    page.SelectSection(s);
    const int type = page.section_type();
    const std::string type_text = type >= 0 && type < static_cast<int>(types.size())
                                      ? types[static_cast<size_t>(type)]
                                      : std::to_string(type);
    std::printf("%s: Тип кабеля: %s; Длина (м): %s; %s %s; К.У.: %s;", lines[s].c_str(),
                type_text.c_str(), page.ValueText(SectionValue::kValue1).c_str(), label2.c_str(),
                page.ValueText(SectionValue::kValue2).c_str(),
                page.ValueText(SectionValue::kValue3).c_str());
    if (fields.has_value4) {
      std::printf(" %s %s;", label4.c_str(), page.ValueText(SectionValue::kValue4).c_str());
    }
    std::printf(" Длина (точек): %s\n", page.ValueText(SectionValue::kDerived).c_str());
  }
  if (!lines.empty()) page.SelectSection(chosen);
  return true;
}

PageAction Simple(std::string name, std::string help, std::function<bool(FamilyCablePage&)> run) {
  return {std::move(name),
          ActionArgument::kNone,
          0,
          0,
          std::move(help),
          [run = std::move(run)](PageSession& s, const Numbers&) { return run(Page(s)); }};
}

PageCommand FamilyCablesCommand() {
  PageCommand c{"family-cables",
                {10, 11, 12, 14, 16},
                {PageId::kCables10, PageId::kCables11, PageId::kCables14},
                "\"БД параметров кабелей\" of the reflectometer families: marked cables, fields, "
                "sections, transfers and the computer's database",
                {},
                nullptr};
  c.actions = {
      {"--cable", ActionArgument::kNumber, 1, kMaxCables, "choose cable N (1-based)",
       [](PageSession& s, const Numbers& n) {
         if (!WithinData("--cable", n[0], Page(s).model().cable_count(), "cables")) return false;
         Page(s).Select(n[0] - 1);
         return true;
       }},
      {"--mark", ActionArgument::kNumberList, 1, kMaxCables,
       "mark exactly these cables (1-based), unmark the others",
       [](PageSession& s, const Numbers& numbers) {
         const int count = Page(s).model().cable_count();
         for (int n : numbers) {
           if (!WithinData("--mark", n, count, "cables")) return false;
         }
         const std::set<int> chosen(numbers.begin(), numbers.end());
         for (int i = 0; i < count; ++i) Page(s).SetChecked(i, chosen.contains(i + 1));
         return true;
       }},
      {"--set", ActionArgument::kText, 0, 0,
       "FIELD=VALUE on the chosen cable: name, pairs (1-2000), temperature (-10..20), number "
       "(0-255, kinds 11 12 16), option (0/1, kinds 11 12 16), sN.v1 .. sN.v4 (section N's "
       "values, a comma allowed: s2.v1=10,0; v4 not on kind 10), sN.type=T (type T, 1-based)",
       [](PageSession& s, const Numbers&) { return Set(s); }},
      Simple("--receive", "receive the marked cables (all marked: the whole database)",
             [](FamilyCablePage& p) { return p.Receive(); }),
      Simple("--send", "send the marked cables (all marked: the whole database; asks first)",
             [](FamilyCablePage& p) { return p.Send(); }),
      Simple("--save", "write the marked cables to the database (--file PATH)",
             [](FamilyCablePage& p) { return p.SaveToDatabase(); }),
      Simple("--open", "read cables from the database (--file PATH; --yes for all, else --choose)",
             [](FamilyCablePage& p) { return p.OpenFromDatabase(); }),
      Simple("--print", "print the cable list and the chosen cable's fields and sections", Print),
  };
  return c;
}

}  // namespace

void AddFamilyCablePageCommands(PageCommandTable& table) { table.push_back(FamilyCablesCommand()); }

}  // namespace telvane::cli
