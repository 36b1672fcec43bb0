#include "app/kind_table.h"

#include <algorithm>
#include <cstdio>

#include "base/translatable.h"
#include "link/instrument_info.h"

namespace telvane {
namespace {

using When = Condition::When;

// The binary-protocol kinds of the catalogue are 1 to 20.
constexpr int kLastCatalogueKind = 20;

constexpr const char* kInfoTitle = QT_TRANSLATE_NOOP("Tabs", "Информация о приборе");

Step Start(PageId page, Condition condition = {}) { return {Step::What::kStart, page, condition}; }

const std::vector<KindRow>& Rows() {
  static const std::vector<KindRow> rows = [] {
    // Each title once; kinds that share a page share its title.
    const char* db_info = QT_TRANSLATE_NOOP("Tabs", "Информация о БД");
    const char* cables = QT_TRANSLATE_NOOP("Tabs", "БД параметров кабелей");
    const char* reflectograms = QT_TRANSLATE_NOOP("Tabs", "БД рефлектограмм");
    const char* planned = QT_TRANSLATE_NOOP("Tabs", "БД плановых измерений");
    const char* types = QT_TRANSLATE_NOOP("Tabs", "БД типов кабелей");
    const char* xdsl = QT_TRANSLATE_NOOP("Tabs", "xDSL");
    const char* sheets = QT_TRANSLATE_NOOP("Tabs", "БД Измерений");
    const char* planned_base = QT_TRANSLATE_NOOP("Tabs", "База плановых измерений");
    const char* counters = QT_TRANSLATE_NOOP("Tabs", "Информация о базе данных");
    const char* cable_params = QT_TRANSLATE_NOOP("Tabs", "База параметров кабелей");
    const char* frequencies = QT_TRANSLATE_NOOP("Tabs", "Список частот");
    const char* reflectograms_short = QT_TRANSLATE_NOOP("Tabs", "Рефлектограммы");
    const char* planned_short = QT_TRANSLATE_NOOP("Tabs", "Плановые измерения");

    // Kinds 11, 12 and 16 read their firmware with the database information;
    // from 10.001 on they are named "Tester xDSL".
    const std::vector<Step> family435_steps = {
        Start(PageId::kDbInfo11),
        Start(PageId::kXdsl11),
        {Step::What::kXdslTesterName, PageId::kInstrumentInfo, VersionAtLeast(10.001f)},
    };
    const std::vector<TabRow> family435_tabs = {
        {{db_info, PageId::kDbInfo11}, {}},
        {{cables, PageId::kCables11}, {}},
        {{reflectograms, PageId::kReflectograms11}, {}},
        {{planned, PageId::kPlanned11}, {}},
        {{types, PageId::kCableTypes11}, {}},
        {{xdsl, PageId::kXdsl11}, VersionAtLeast(8.027f)},
    };
    // Kind 16 has no reflectograms.
    std::vector<TabRow> kind16_tabs = family435_tabs;
    kind16_tabs.erase(kind16_tabs.begin() + 2);

    std::vector<KindRow> r;
    r.push_back(
        {.kind = 2,
         .tabs = {{{QT_TRANSLATE_NOOP("Tabs", "База данных"), PageId::kCableTypeBase2}, {}}},
         .menu = MenuKind::kFileA,
         .search_transfer = PageId::kCableTypeBase2});
    r.push_back({.kind = 4, .tabs = {{{planned_base, PageId::kPlannedBase47}, {}}}});
    r.push_back(
        {.kind = 6,
         .tabs = {{{counters, PageId::kDbCounters6}, {}},
                  {{QT_TRANSLATE_NOOP("Tabs", "База кабелей"), PageId::kCableNames6}, {}},
                  {{QT_TRANSLATE_NOOP("Tabs", "Параметры кабеля"), PageId::kCableParams6}, {}},
                  {{planned_short, PageId::kPlanned6}, {}},
                  {{reflectograms_short, PageId::kReflectograms6}, {}}},
         .menu = MenuKind::kFileB,
         // The counters came with the search's initial transfer.
         .first_transfer = {Start(PageId::kDbCounters6)}});
    r.push_back({.kind = 7,
                 .tabs = {{{planned_base, PageId::kPlannedBase47}, {}},
                          {{cable_params, PageId::kCompactCables7}, {}}},
                 .menu = MenuKind::kDatabase,
                 .first_transfer = {Start(PageId::kCompactCables7)},
                 .asks_to_save = true});
    r.push_back({.kind = 8,
                 .tabs = {{{QT_TRANSLATE_NOOP("Tabs", "База измерений"), PageId::kWear8}, {}}},
                 // The information record is read by the search (command 0x40).
                 .search_transfer = PageId::kWear8});
    r.push_back({.kind = 9,
                 .tabs = {{{counters, PageId::kDbCounters9}, {}},
                          {{cable_params, PageId::kCableList9}, {}},
                          {{planned_base, PageId::kPlanned9}, {}}},
                 // The parameters, then the cables.
                 .first_transfer = {Start(PageId::kDbCounters9), Start(PageId::kCableList9)},
                 .end_resets_pages = true});
    r.push_back({.kind = 10,
                 .tabs = {{{db_info, PageId::kDbInfo10}, {}},
                          {{cables, PageId::kCables10}, {}},
                          {{reflectograms, PageId::kReflectograms10}, {}}},
                 .first_transfer = {Start(PageId::kDbInfo10)}});
    r.push_back({.kind = 11, .tabs = family435_tabs, .first_transfer = family435_steps});
    r.push_back({.kind = 12, .tabs = family435_tabs, .first_transfer = family435_steps});
    r.push_back({.kind = 13,
                 .tabs = {{{sheets, PageId::kSheets13}, VersionBelow(302)},
                          {{sheets, PageId::kSheetsReceive13}, VersionAtLeast(302)}},
                 .first_transfer = {Start(PageId::kSheets13),
                                    Start(PageId::kSheetsReceive13, VersionAtLeast(302))}});
    r.push_back(
        {.kind = 14,
         .tabs = {{{db_info, PageId::kDbInfo14}, {}},
                  {{types, PageId::kCableTypes14}, {}},
                  {{cables, PageId::kCables14}, {}},
                  {{planned, PageId::kPlanned14}, {}},
                  {{QT_TRANSLATE_NOOP("Tabs", "БД измерений (Керван)"), PageId::kSheets13}, {}}},
         // Command 0 belongs to the kind's information page.
         .first_transfer = {Start(PageId::kDbInfo14), Start(PageId::kSheets13)}});
    r.push_back({.kind = 15, .first_transfer = {{Step::What::kDataflash}}});
    r.push_back({.kind = 16, .tabs = kind16_tabs, .first_transfer = family435_steps});
    r.push_back({.kind = 17,
                 .tabs = {{{db_info, PageId::kDbInfo17}, VersionBelow(4)},
                          {{QT_TRANSLATE_NOOP("Tabs", "Частотные измерения"),
                            PageId::kFrequencyMeasurements17},
                           VersionBelow(4)},
                          {{frequencies, PageId::kFrequencyList17}, VersionBelow(4)},
                          {{reflectograms_short, PageId::kReflectograms17}, VersionBelow(4)},
                          {{QT_TRANSLATE_NOOP("Tabs", "Измерения"), PageId::kMeasurementFiles17},
                           VersionAtLeast(4)},
                          {{frequencies, PageId::kFrequencyList17}, VersionAtLeast(4)}},
                 .first_transfer = {Start(PageId::kFrequencyList17),
                                    Start(PageId::kMeasurementFiles17, VersionAtLeast(4)),
                                    Start(PageId::kDbInfo17, VersionBelow(4))}});
    r.push_back(
        {.kind = 18,
         .tabs = {{{db_info, PageId::kDbInfo18}, {}},
                  {{QT_TRANSLATE_NOOP("Tabs", "Файлы"), PageId::kFiles18}, VersionAbove(2.003f)},
                  {{QT_TRANSLATE_NOOP("Tabs", "Маски xDSL"), PageId::kMasks18},
                   VersionAbove(2.003f)}},
         // The file page reads "/mnt/ext2/" once the version allows it.
         .first_transfer = {Start(PageId::kDbInfo18), Start(PageId::kFiles18, VersionAbove(2.003f)),
                            Start(PageId::kMasks18, VersionAbove(2.003f))}});
    r.push_back({.kind = 19,
                 .tabs = {{{sheets, PageId::kFiles19}, {}}},
                 .first_transfer = {Start(PageId::kFiles19)}});
    r.push_back({.kind = 20,
                 .tabs = {{{sheets, PageId::kFiles20}, {}}},
                 .first_transfer = {Start(PageId::kFiles20)}});
    r.push_back({.kind = 255, .tabs = {{{planned_short, PageId::kTextPlanned}, {}}}});
    return r;
  }();
  return rows;
}

}  // namespace

Condition VersionBelow(float bound) { return {When::kVersionBelow, bound}; }
Condition VersionAtLeast(float bound) { return {When::kVersionAtLeast, bound}; }
Condition VersionAbove(float bound) { return {When::kVersionAbove, bound}; }

bool Condition::Holds(const SessionFacts& facts) const {
  switch (when) {
    case When::kAlways:
      return true;
    case When::kVersionBelow:
      return !facts.version || *facts.version < bound;
    case When::kVersionAtLeast:
      return facts.version && *facts.version >= bound;
    case When::kVersionAbove:
      return facts.version && *facts.version > bound;
  }
  return false;
}

std::string Condition::Text() const {
  const char* op = "";
  switch (when) {
    case When::kAlways:
      return {};
    case When::kVersionBelow:
      op = "<";
      break;
    case When::kVersionAtLeast:
      op = ">=";
      break;
    case When::kVersionAbove:
      op = ">";
      break;
  }
  char text[48];
  std::snprintf(text, sizeof text, "version %s %g", op, static_cast<double>(bound));
  return text;
}

const std::vector<KindRow>& KindTable() { return Rows(); }

const KindRow* KindRowFor(uint8_t kind) {
  for (const KindRow& row : Rows()) {
    if (row.kind == kind) return &row;
  }
  return nullptr;
}

std::vector<Tab> TabsForKind(uint8_t kind, const SessionFacts& facts) {
  std::vector<Tab> tabs = {{kInfoTitle, PageId::kInstrumentInfo}};
  if (const KindRow* row = KindRowFor(kind)) {
    for (const TabRow& tab : row->tabs) {
      if (tab.condition.Holds(facts)) tabs.push_back(tab.tab);
    }
  }
  return tabs;
}

std::vector<PageId> PagesOfKind(uint8_t kind) {
  std::vector<PageId> pages;
  const KindRow* row = KindRowFor(kind);
  if (row == nullptr) return pages;
  for (const TabRow& tab : row->tabs) {
    if (std::find(pages.begin(), pages.end(), tab.tab.page) == pages.end()) {
      pages.push_back(tab.tab.page);
    }
  }
  return pages;
}

const char* PageTitle(PageId id) {
  if (id == PageId::kInstrumentInfo) return kInfoTitle;
  for (const KindRow& row : Rows()) {
    for (const TabRow& tab : row.tabs) {
      if (tab.tab.page == id) return tab.tab.title;
    }
  }
  return "";
}

MenuKind MenuForKind(uint8_t kind) {
  const KindRow* row = KindRowFor(kind);
  return row != nullptr ? row->menu : MenuKind::kCloseOnly;
}

std::vector<Menu> MenuBar(MenuKind menu) {
  std::vector<MenuItem> file;
  switch (menu) {
    case MenuKind::kFileA:
      file = {{QT_TRANSLATE_NOOP("Menu", "&Открыть базу..."), MenuCommand::kOpenBase},
              {QT_TRANSLATE_NOOP("Menu", "Открыть тек&ст..."), MenuCommand::kOpenText},
              {QT_TRANSLATE_NOOP("Menu", "&Сохранить базу..."), MenuCommand::kSaveBase},
              {QT_TRANSLATE_NOOP("Menu", "Сохранить как &текст..."), MenuCommand::kSaveAsText},
              {QT_TRANSLATE_NOOP("Menu", "Сохранить в формате EXCEL..."), MenuCommand::kSaveExcel},
              {QT_TRANSLATE_NOOP("Menu", "Вы&ход"), MenuCommand::kExit}};
      break;
    case MenuKind::kFileB:
      file = {{QT_TRANSLATE_NOOP("Menu", "Открыть базу..."), MenuCommand::kOpenBase},
              {QT_TRANSLATE_NOOP("Menu", "Сохранить базу..."), MenuCommand::kSaveBase},
              {QT_TRANSLATE_NOOP("Menu", "Сохранить как текст..."), MenuCommand::kSaveAsText},
              {QT_TRANSLATE_NOOP("Menu", "Вы&ход"), MenuCommand::kExit}};
      break;
    case MenuKind::kDatabase:
      file = {{QT_TRANSLATE_NOOP("Menu", "&Создать БД..."), MenuCommand::kCreateDatabase},
              {QT_TRANSLATE_NOOP("Menu", "&Выход"), MenuCommand::kExit}};
      break;
    case MenuKind::kCloseOnly:
      file = {{QT_TRANSLATE_NOOP("Menu", "&Закрыть"), MenuCommand::kClose}};
      break;
  }
  return {{QT_TRANSLATE_NOOP("Menu", "&Файл"), file},
          {QT_TRANSLATE_NOOP("Menu", "&Справка"),
           {{QT_TRANSLATE_NOOP("Menu", "&Справка: Telvane   F1"), MenuCommand::kHelp},
            {QT_TRANSLATE_NOOP("Menu", "&О программе"), MenuCommand::kAbout}}}};
}

std::vector<TabListing> ListTabs() {
  std::vector<TabListing> listing;
  for (int kind = 1; kind <= kTextInstrument; ++kind) {
    if (kind > kLastCatalogueKind && kind != kTextInstrument) continue;
    listing.push_back({static_cast<uint8_t>(kind), kInfoTitle, PageId::kInstrumentInfo, {}});
    const KindRow* row = KindRowFor(static_cast<uint8_t>(kind));
    if (row == nullptr) continue;
    for (const TabRow& tab : row->tabs) {
      listing.push_back({row->kind, tab.tab.title, tab.tab.page, tab.condition});
    }
  }
  return listing;
}

std::string TabListingText(const std::vector<TabListing>& listing,
                           const std::function<const char*(PageId)>& command_of) {
  std::string text;
  for (const TabListing& line : listing) {
    const char* command = command_of(line.page);
    text += std::to_string(line.kind) + '\t' + line.title + '\t' +
            (command != nullptr ? command : "-") + '\t' + line.condition.Text() + '\n';
  }
  return text;
}

}  // namespace telvane
