// The kind table: for every instrument kind, the tabs with their titles and
// pages, the menu, the steps of the first transfer in order, the page whose
// transfer runs inside the search, and what "Конец связи" does. Tabs and steps
// that depend on the instrument's version carry their condition. The main
// window, the page registry and the command line's page listing all read it.
#ifndef TELVANE_APP_KIND_TABLE_H_
#define TELVANE_APP_KIND_TABLE_H_

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "page/instrument_page.h"
#include "page/page_id.h"

namespace telvane {

// When a tab is offered or a step runs, by the version the kind's first page
// read. An unknown version counts as below every bound.
struct Condition {
  enum class When { kAlways, kVersionBelow, kVersionAtLeast, kVersionAbove };
  When when = When::kAlways;
  float bound = 0;

  bool Holds(const SessionFacts& facts) const;
  // "version >= 8.027"; empty for kAlways.
  std::string Text() const;
};

Condition VersionBelow(float bound);
Condition VersionAtLeast(float bound);
Condition VersionAbove(float bound);

// One tab: its title (a source text for translation, context "Tabs") and the
// page shown under it.
struct Tab {
  const char* title;
  PageId page;
};

struct TabRow {
  Tab tab;
  Condition condition;
};

// A step of a kind's first transfer.
struct Step {
  enum class What {
    kStart,          // the page's Start()
    kDataflash,      // kind 15: the whole flash image into a file
    kXdslTesterName  // the instrument takes the name kXdslTesterName
  };
  What what = What::kStart;
  PageId page = PageId::kInstrumentInfo;
  Condition condition;
};

enum class MenuKind { kFileA, kFileB, kDatabase, kCloseOnly };

struct KindRow {
  uint8_t kind;
  // Tabs 1.. (tab 0, "Информация о приборе", is every kind's).
  std::vector<TabRow> tabs;
  MenuKind menu = MenuKind::kCloseOnly;
  // Run once the window is visible and after every successful search.
  std::vector<Step> first_transfer;
  // The page whose SearchTransfer runs on the search port (kind 2).
  std::optional<PageId> search_transfer;
  // "Конец связи" calls Reset() on the kind's pages (kind 9).
  bool end_resets_pages = false;
  // "Сохранить данные?" is asked for unsaved pages before the session is left
  // (kind 7).
  bool asks_to_save = false;
};

// The name that kinds 11, 12 and 16 take from firmware 10.001 on.
inline constexpr const char* kXdslTesterName = "Tester xDSL";

// Every kind with more than tab 0 or a transfer of its own, by kind.
const std::vector<KindRow>& KindTable();
// The row of `kind`; nullptr for a kind with tab 0 only.
const KindRow* KindRowFor(uint8_t kind);

// The tabs of `kind` under `facts`, tab 0 first.
std::vector<Tab> TabsForKind(uint8_t kind, const SessionFacts& facts);
// Every page that `kind` can show under any version (for clearing its buffers).
std::vector<PageId> PagesOfKind(uint8_t kind);
// The page's own title: the title of the first tab it appears under.
const char* PageTitle(PageId id);
MenuKind MenuForKind(uint8_t kind);

struct MenuItem {
  const char* text;  // source text for translation, context "Menu"; "&" marks the key
  MenuCommand command;
};

struct Menu {
  const char* title;
  std::vector<MenuItem> items;
};

// The menu bar: "&Файл" with the items of `menu`, then "&Справка".
std::vector<Menu> MenuBar(MenuKind menu);

// One line of the command line's page listing, per (kind, tab) under any
// version, for every binary-protocol kind and the text-protocol instrument:
// the tab's page and its condition.
struct TabListing {
  uint8_t kind;
  const char* title;
  PageId page;
  Condition condition;
};
std::vector<TabListing> ListTabs();
// "KIND\tTAB TITLE\tPAGE\tCONDITION\n" per listing; PAGE is what
// `command_of` names for the tab's page (nullptr: "-"), CONDITION empty when
// none.
std::string TabListingText(const std::vector<TabListing>& listing,
                           const std::function<const char*(PageId)>& command_of);

}  // namespace telvane

#endif  // TELVANE_APP_KIND_TABLE_H_
