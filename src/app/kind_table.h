// Which tabs, pages and menu the main window offers for an instrument kind.
#ifndef TELVANE_APP_KIND_LAYOUT_H_
#define TELVANE_APP_KIND_LAYOUT_H_

#include <cstdint>
#include <vector>

#include "page/instrument_page.h"
#include "page/page_id.h"

namespace telvane {

// One tab: its title (a source text for translation, context "Tabs") and the
// page shown under it.
struct Tab {
  const char* title;
  PageId page;
};

// The tabs of `kind`, tab 0 ("Информация о приборе") first. Tabs that depend on
// the instrument's version follow `facts`; an unknown version counts as below
// every bound.
std::vector<Tab> TabsForKind(uint8_t kind, const SessionFacts& facts);
// Every page that `kind` can show under any version (for clearing its buffers).
std::vector<PageId> PagesOfKind(uint8_t kind);

enum class MenuKind { kFileA, kFileB, kDatabase, kCloseOnly };

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

}  // namespace telvane

#endif  // TELVANE_APP_KIND_LAYOUT_H_
