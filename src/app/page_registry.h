// Owns every page of the main window, created once for all kinds (see
// page_catalog.h for how a page is plugged in).
#ifndef TELVANE_APP_PAGE_REGISTRY_H_
#define TELVANE_APP_PAGE_REGISTRY_H_

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "app/info_page.h"
#include "page/instrument_page.h"
#include "app/text_planned_page.h"

namespace telvane {

// Creates the page of an id, or returns nullptr to leave it to MakePage.
using PageMaker = std::function<std::unique_ptr<InstrumentPage>(PageId, PageContext&)>;

class PageRegistry {
 public:
  // Creates every page through MakePage.
  explicit PageRegistry(PageContext& context);
  // For tests: `make` creates each page instead of MakePage (it may return
  // nullptr to take MakePage's page).
  PageRegistry(PageContext& context, const PageMaker& make);

  InstrumentPage& page(PageId id) { return *pages_[static_cast<size_t>(id)]; }
  InfoPage& info();
  TextPlannedPage& text_planned();

  // Clears the buffers of every page (at start).
  void ClearAll();
  // Clears the buffers of the pages of `kind` (when its session ends).
  void ClearKind(uint8_t kind);

 private:
  std::array<std::unique_ptr<InstrumentPage>, kPageCount> pages_;
};

}  // namespace telvane

#endif  // TELVANE_APP_PAGE_REGISTRY_H_
