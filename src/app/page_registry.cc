#include "app/page_registry.h"

#include <stdexcept>

#include "app/kind_table.h"
#include "app/subsystems.h"

namespace telvane {

PageRegistry::PageRegistry(PageContext& context) : PageRegistry(context, nullptr) {}

PageRegistry::PageRegistry(PageContext& context, const PageMaker& make) : link_(context.link) {
  std::array<const PageEntry*, kPageCount> entries{};
  const PageList all = AllPages();
  for (const PageEntry& entry : all) {
    const auto slot = static_cast<size_t>(entry.id);
    if (slot >= entries.size() || entries[slot] != nullptr) {
      throw std::logic_error("a page is registered twice");
    }
    entries[slot] = &entry;
  }
  for (int i = 0; i < kPageCount; ++i) {
    const PageId id = static_cast<PageId>(i);
    const PageEntry* entry = entries[static_cast<size_t>(i)];
    std::unique_ptr<InstrumentPage> page = make ? make(id, context) : nullptr;
    if (!page && entry != nullptr) page = entry->make(context);
    if (!page) page = std::make_unique<EmptyPage>(context, id, PageTitle(id));
    if (page->id() != id) throw std::logic_error("page created under a foreign id");
    pages_[static_cast<size_t>(i)] = std::move(page);
  }
  // Tab 0 and the text-protocol page are used by the main window itself.
  info_ = dynamic_cast<InfoPage*>(&page(PageId::kInstrumentInfo));
  text_planned_ = dynamic_cast<TextPlannedPage*>(&page(PageId::kTextPlanned));
  if (info_ == nullptr || text_planned_ == nullptr) {
    throw std::logic_error("the information and text-protocol pages are the window's own");
  }
  for (const KindRow& row : KindTable()) {
    if (!row.search_transfer) continue;
    InstrumentPage& searcher = page(*row.search_transfer);
    link_.SetSearchTransfer(
        row.kind, [&searcher](ByteChannel& channel) { return searcher.SearchTransfer(channel); });
  }
}

PageRegistry::~PageRegistry() {
  for (const KindRow& row : KindTable()) {
    if (row.search_transfer) link_.SetSearchTransfer(row.kind, nullptr);
  }
}

InfoPage& PageRegistry::info() { return *info_; }

TextPlannedPage& PageRegistry::text_planned() { return *text_planned_; }

void PageRegistry::ClearAll() {
  for (auto& p : pages_) p->ClearBuffers();
}

void PageRegistry::ClearKind(uint8_t kind) {
  for (PageId id : PagesOfKind(kind)) page(id).ClearBuffers();
}

}  // namespace telvane
