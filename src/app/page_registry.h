// Owns every page of the main window, created once for all kinds from the
// subsystems' page lists (subsystems.h); an id no subsystem gives is an
// EmptyPage with its title.
#ifndef TELVANE_APP_PAGE_REGISTRY_H_
#define TELVANE_APP_PAGE_REGISTRY_H_

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "app/info_page.h"
#include "app/text_planned_page.h"
#include "page/instrument_page.h"

namespace telvane {

// Creates the page of an id, or returns nullptr to leave it to the lists.
using PageMaker = std::function<std::unique_ptr<InstrumentPage>(PageId, PageContext&)>;

class PageRegistry {
 public:
  // Creates every page from the subsystems' lists.
  explicit PageRegistry(PageContext& context);
  // For tests: `make` creates each page instead of the lists (it may return
  // nullptr to take the list's page).
  PageRegistry(PageContext& context, const PageMaker& make);
  // Removes the search transfers it installed in the link.
  ~PageRegistry();
  PageRegistry(const PageRegistry&) = delete;
  PageRegistry& operator=(const PageRegistry&) = delete;

  InstrumentPage& page(PageId id) { return *pages_[static_cast<size_t>(id)]; }
  InfoPage& info();
  TextPlannedPage& text_planned();

  // Clears the buffers of every page (at start).
  void ClearAll();
  // Clears the buffers of the pages of `kind` (when its session ends).
  void ClearKind(uint8_t kind);

 private:
  LinkControl& link_;
  std::array<std::unique_ptr<InstrumentPage>, kPageCount> pages_;
  InfoPage* info_ = nullptr;
  TextPlannedPage* text_planned_ = nullptr;
};

}  // namespace telvane

#endif  // TELVANE_APP_PAGE_REGISTRY_H_
