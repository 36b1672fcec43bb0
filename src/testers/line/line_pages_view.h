// The line tester's views, for the testers' list of views.
#ifndef TELVANE_TESTERS_LINE_LINE_PAGES_VIEW_H_
#define TELVANE_TESTERS_LINE_LINE_PAGES_VIEW_H_

#include "page/gui/page_view.h"

namespace telvane {

ViewList LinePageViews();

}  // namespace telvane

#endif  // TELVANE_TESTERS_LINE_LINE_PAGES_VIEW_H_
