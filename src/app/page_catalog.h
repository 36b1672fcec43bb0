// Where each page's controller comes from.
//
// Plugging a real page into the main window:
//  1. Write its controller, a class derived from InstrumentPage
//     (app/instrument_page.h), in your subsystem's core library; override
//     Start() for its part of the kind's first transfer, ClearBuffers(), and
//     HandleMenu() when a file menu reaches it.
//  2. In page_catalog.cc, return it from MakePage for its PageId (one line).
//  3. Write its Qt view, a class derived from PageView (app/gui/page_view.h),
//     in a file named *_view.cc, and return it from MakePageView in
//     app/gui/page_views.cc for the same PageId.
// Tabs, menus and the order of the first transfer need no change: they come
// from kind_layout.cc and first_transfer.cc by PageId. A page without an entry
// is an EmptyPage with its title and a view that shows the title.
#ifndef TELVANE_APP_PAGE_CATALOG_H_
#define TELVANE_APP_PAGE_CATALOG_H_

#include <memory>

#include "page/instrument_page.h"

namespace telvane {

std::unique_ptr<InstrumentPage> MakePage(PageId id, PageContext& context);

// The page's own title (the first tab it appears under).
const char* PageTitle(PageId id);

}  // namespace telvane

#endif  // TELVANE_APP_PAGE_CATALOG_H_
