// What a subsystem contributes to the main window: one row per page, with how
// the window creates it. A subsystem's list is
// built once per window, so that the factories of pages sharing a model (the
// full family's pages, the compact family's pages) capture that window's model.
#ifndef TELVANE_PAGE_PAGE_LIST_H_
#define TELVANE_PAGE_PAGE_LIST_H_

#include <functional>
#include <memory>
#include <vector>

#include "page/instrument_page.h"
#include "page/page_id.h"

namespace telvane {

using PageFactory = std::function<std::unique_ptr<InstrumentPage>(PageContext& context)>;

struct PageEntry {
  PageId id;
  PageFactory make;
};

using PageList = std::vector<PageEntry>;

// A row of a list: `Page` built from the context and the captured arguments.
template <class Page, class... Shared>
PageEntry PageRow(PageId id, Shared... shared) {
  return {id, [shared...](PageContext& context) -> std::unique_ptr<InstrumentPage> {
            return std::make_unique<Page>(context, shared...);
          }};
}

}  // namespace telvane

#endif  // TELVANE_PAGE_PAGE_LIST_H_
