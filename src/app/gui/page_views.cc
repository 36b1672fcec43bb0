#include "app/gui/page_views.h"

#include "app/gui/app_page_views.h"
#include "cable/pages/cable_pages_view.h"
#include "testers/tester_pages_view.h"

namespace telvane {
namespace {

// One entry per subsystem with views.
const std::vector<ViewList>& ViewLists() {
  static const std::vector<ViewList> lists = {AppPageViews(), CablePageViews(), TesterPageViews()};
  return lists;
}

}  // namespace

PageView* MakePageView(InstrumentPage& page, QWidget* parent) {
  for (const ViewList& list : ViewLists()) {
    for (const ViewEntry& entry : list) {
      if (entry.id == page.id()) return entry.make(page, parent);
    }
  }
  return new EmptyPageView(page, parent);
}

}  // namespace telvane
