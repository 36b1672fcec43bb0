#include "app/kind_layout.h"

#include "base/translatable.h"

namespace telvane {
namespace {

// When a tab is offered, by the version the kind's first page read.
enum class When { kAlways, kVersionBelow, kVersionAtLeast, kVersionAbove };

struct TabRule {
  uint8_t kind;
  Tab tab;
  When when = When::kAlways;
  float bound = 0;
};

constexpr const char* kInfoTitle = QT_TRANSLATE_NOOP("Tabs", "Информация о приборе");

// Tabs 1.. of every kind, in order. Kinds 11, 12 and 16 share the pages of one
// cable family, kinds 13 and 14 the worksheet page.
const std::vector<TabRule>& Rules() {
  static const std::vector<TabRule> rules = [] {
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
    std::vector<TabRule> r = {
        {2, {QT_TRANSLATE_NOOP("Tabs", "База данных"), PageId::kCableTypeBase2}},
        {4, {planned_base, PageId::kPlannedBase47}},
        {6, {counters, PageId::kDbCounters6}},
        {6, {QT_TRANSLATE_NOOP("Tabs", "База кабелей"), PageId::kCableNames6}},
        {6, {QT_TRANSLATE_NOOP("Tabs", "Параметры кабеля"), PageId::kCableParams6}},
        {6, {QT_TRANSLATE_NOOP("Tabs", "Плановые измерения"), PageId::kPlanned6}},
        {6, {QT_TRANSLATE_NOOP("Tabs", "Рефлектограммы"), PageId::kReflectograms6}},
        {7, {planned_base, PageId::kPlannedBase47}},
        {7, {cable_params, PageId::kCompactCables7}},
        {8, {QT_TRANSLATE_NOOP("Tabs", "База измерений"), PageId::kWear8}},
        {9, {counters, PageId::kDbCounters9}},
        {9, {cable_params, PageId::kCableList9}},
        {9, {planned_base, PageId::kPlanned9}},
        {10, {db_info, PageId::kDbInfo10}},
        {10, {cables, PageId::kCables10}},
        {10, {reflectograms, PageId::kReflectograms10}},
        {13, {sheets, PageId::kSheets13}, When::kVersionBelow, 302},
        {13, {sheets, PageId::kSheetsReceive13}, When::kVersionAtLeast, 302},
        {14, {db_info, PageId::kDbInfo14}},
        {14, {types, PageId::kCableTypes14}},
        {14, {cables, PageId::kCables14}},
        {14, {planned, PageId::kPlanned14}},
        {14, {QT_TRANSLATE_NOOP("Tabs", "БД измерений (Керван)"), PageId::kSheets13}},
        {16, {db_info, PageId::kDbInfo11}},
        {16, {cables, PageId::kCables11}},
        {16, {planned, PageId::kPlanned11}},
        {16, {types, PageId::kCableTypes11}},
        {16, {xdsl, PageId::kXdsl11}, When::kVersionAtLeast, 8.027f},
        {17, {db_info, PageId::kDbInfo17}, When::kVersionBelow, 4},
        {17,
         {QT_TRANSLATE_NOOP("Tabs", "Частотные измерения"), PageId::kFrequencyMeasurements17},
         When::kVersionBelow,
         4},
        {17, {frequencies, PageId::kFrequencyList17}, When::kVersionBelow, 4},
        {17,
         {QT_TRANSLATE_NOOP("Tabs", "Рефлектограммы"), PageId::kReflectograms17},
         When::kVersionBelow,
         4},
        {17,
         {QT_TRANSLATE_NOOP("Tabs", "Измерения"), PageId::kMeasurementFiles17},
         When::kVersionAtLeast,
         4},
        {17, {frequencies, PageId::kFrequencyList17}, When::kVersionAtLeast, 4},
        {18, {db_info, PageId::kDbInfo18}},
        {18, {QT_TRANSLATE_NOOP("Tabs", "Файлы"), PageId::kFiles18}, When::kVersionAbove, 2.003f},
        {18,
         {QT_TRANSLATE_NOOP("Tabs", "Маски xDSL"), PageId::kMasks18},
         When::kVersionAbove,
         2.003f},
        {19, {sheets, PageId::kFiles19}},
        {20, {sheets, PageId::kFiles20}},
        {255, {QT_TRANSLATE_NOOP("Tabs", "Плановые измерения"), PageId::kTextPlanned}},
    };
    // Kinds 11 and 12 have the same five tabs and the "xDSL" rule.
    for (uint8_t kind : {11, 12}) {
      r.push_back({kind, {db_info, PageId::kDbInfo11}});
      r.push_back({kind, {cables, PageId::kCables11}});
      r.push_back({kind, {reflectograms, PageId::kReflectograms11}});
      r.push_back({kind, {planned, PageId::kPlanned11}});
      r.push_back({kind, {types, PageId::kCableTypes11}});
      r.push_back({kind, {xdsl, PageId::kXdsl11}, When::kVersionAtLeast, 8.027f});
    }
    return r;
  }();
  return rules;
}

bool Applies(const TabRule& rule, const SessionFacts& facts) {
  switch (rule.when) {
    case When::kAlways:
      return true;
    case When::kVersionBelow:
      return !facts.version || *facts.version < rule.bound;
    case When::kVersionAtLeast:
      return facts.version && *facts.version >= rule.bound;
    case When::kVersionAbove:
      return facts.version && *facts.version > rule.bound;
  }
  return false;
}

}  // namespace

std::vector<Tab> TabsForKind(uint8_t kind, const SessionFacts& facts) {
  std::vector<Tab> tabs = {{kInfoTitle, PageId::kInstrumentInfo}};
  for (const TabRule& rule : Rules()) {
    if (rule.kind == kind && Applies(rule, facts)) tabs.push_back(rule.tab);
  }
  return tabs;
}

std::vector<PageId> PagesOfKind(uint8_t kind) {
  std::vector<PageId> pages;
  for (const TabRule& rule : Rules()) {
    if (rule.kind != kind) continue;
    bool seen = false;
    for (PageId p : pages) seen = seen || p == rule.tab.page;
    if (!seen) pages.push_back(rule.tab.page);
  }
  return pages;
}

MenuKind MenuForKind(uint8_t kind) {
  switch (kind) {
    case 2:
      return MenuKind::kFileA;
    case 6:
      return MenuKind::kFileB;
    case 7:
      return MenuKind::kDatabase;
    default:
      return MenuKind::kCloseOnly;
  }
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

}  // namespace telvane
