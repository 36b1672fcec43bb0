// The views of the xDSL area's pages.
#ifndef TELVANE_TESTERS_XDSL_XDSL_PAGES_VIEW_H_
#define TELVANE_TESTERS_XDSL_XDSL_PAGES_VIEW_H_

#include "page/gui/page_view.h"

namespace telvane {

ViewList XdslPageViews();

}  // namespace telvane

#endif  // TELVANE_TESTERS_XDSL_XDSL_PAGES_VIEW_H_
