// The Qt views of the testers' pages, one list entry per area.
#ifndef TELVANE_TESTERS_TESTER_PAGES_VIEW_H_
#define TELVANE_TESTERS_TESTER_PAGES_VIEW_H_

#include "page/gui/page_view.h"

namespace telvane {

ViewList TesterPageViews();

}  // namespace telvane

#endif  // TELVANE_TESTERS_TESTER_PAGES_VIEW_H_
