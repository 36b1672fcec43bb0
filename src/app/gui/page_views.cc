// The view of every page. A page with a view of its own gets a case here (see
// app/page_catalog.h); every other page shows its title.
#include "app/gui/app_page_views.h"
#include "page/gui/page_view.h"
#include "cable/pages/cable_pages_view.h"

namespace telvane {

PageView* MakePageView(InstrumentPage& page, QWidget* parent) {
  if (PageView* view = MakeCablePageView(page, parent)) return view;
  if (auto* info = dynamic_cast<InfoPage*>(&page)) return new InfoPageView(*info, parent);
  if (auto* planned = dynamic_cast<TextPlannedPage*>(&page)) {
    return new TextPlannedPageView(*planned, parent);
  }
  if (auto* info = dynamic_cast<Family435InfoPage*>(&page)) {
    return new Family435InfoPageView(*info, parent);
  }
  return new EmptyPageView(page, parent);
}

}  // namespace telvane
