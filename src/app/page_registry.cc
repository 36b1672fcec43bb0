#include "app/page_registry.h"

#include <stdexcept>

#include "app/kind_layout.h"
#include "app/page_catalog.h"

namespace telvane {

PageRegistry::PageRegistry(PageContext& context) : PageRegistry(context, nullptr) {}

PageRegistry::PageRegistry(PageContext& context, const PageMaker& make) {
  for (int i = 0; i < kPageCount; ++i) {
    const PageId id = static_cast<PageId>(i);
    std::unique_ptr<InstrumentPage> page = make ? make(id, context) : nullptr;
    if (!page) page = MakePage(id, context);
    if (page->id() != id) throw std::logic_error("page created under a foreign id");
    pages_[static_cast<size_t>(i)] = std::move(page);
  }
  // Tab 0 and the text-protocol page are used by the main window itself.
  if (!dynamic_cast<InfoPage*>(&page(PageId::kInstrumentInfo)) ||
      !dynamic_cast<TextPlannedPage*>(&page(PageId::kTextPlanned))) {
    throw std::logic_error("the information and text-protocol pages are the window's own");
  }
}

InfoPage& PageRegistry::info() { return static_cast<InfoPage&>(page(PageId::kInstrumentInfo)); }

TextPlannedPage& PageRegistry::text_planned() {
  return static_cast<TextPlannedPage&>(page(PageId::kTextPlanned));
}

void PageRegistry::ClearAll() {
  for (auto& p : pages_) p->ClearBuffers();
}

void PageRegistry::ClearKind(uint8_t kind) {
  for (PageId id : PagesOfKind(kind)) page(id).ClearBuffers();
}

}  // namespace telvane
