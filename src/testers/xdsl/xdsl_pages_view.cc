#include "testers/xdsl/xdsl_pages_view.h"

#include "testers/xdsl/xdsl_log_page_view.h"

namespace telvane {

ViewList XdslPageViews() { return {{PageId::kXdsl11, ViewOf<XdslLogPage, XdslLogPageView>}}; }

}  // namespace telvane
